// The processing log: a text file (CR LF line ends) opened by LogStart and
// closed by LogEnd, framed by banners of 76 "=" with the start and end date
// and time, and a "+" block after an error naming the error log. LogMsg and
// LogMsgLF are also script commands.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// Creates the log anew (CfgLogFileName, default program name + "-Log.txt").
void LogStart();
// Writes the end banner and closes the log; nothing when not open.
void LogEnd();
// One line; "LogMsg file not open" (kind 18) when the log is closed.
void LogMsg(std::string_view text);
// One empty line, unless the last line written was already empty.
void LogMsgLF();
bool LogIsOpen();
// The file LogStart writes: CfgLogFileName, or program name + "-Log.txt"
// while that is empty, expanded to the home folder.
std::string LogFileName();

}  // namespace gleaner
