// Internal to the writer: opens a regular output file under an advisory lock
// held until the output is closed, so two runs writing one file (appending
// or replacing, from any home folder) take turns instead of tearing records.
// A run that has to wait says so once, and Ctrl+C ends the wait as Cancel.
#pragma once

#include <string>

namespace gleaner {

// Opens name (a system name; shown as shownName) for writing and locks it.
// Appending: the file is opened with O_APPEND (created when missing), and a
// final Ctrl-Z of a text file is dropped, as the next byte would overwrite
// it. Replacing: an existing file is first kept as its backup (MakeBackup),
// and the new, empty file is locked before any other run can open it.
// Returns the descriptor; -1 with errno set when the file cannot be opened.
// Raises the Cancel error when a wait is cancelled.
int OpenLockedOutput(const std::string& name, const std::string& shownName, bool appending, bool dropCtrlZ);

// Lets the next run write the file; the writer calls it before closing.
void ReleaseOutputLock();

}  // namespace gleaner
