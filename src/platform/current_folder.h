// The process's current folder: where names given without a folder live,
// as in every other Linux program (the shell's folder, or the launcher's).
//
//   std::string out = CurrentFolder() + "Kept.txt";
#pragma once

#include <string>

namespace gleaner {

// The current folder, absolute and ending with "/"; "/" when it cannot be
// told (it was removed under the program).
std::string CurrentFolder();

// For the desktop form: when the current folder cannot be written (a start
// from a launcher in "/"), the user's home directory ($HOME) becomes the
// current folder, so outputs named without a folder land there. True when it
// moved.
bool LeaveUnwritableCurrentFolder();

}  // namespace gleaner
