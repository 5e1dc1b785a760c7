// The exit status of a culler run, the same from both front ends: 0 when
// nothing was reported, 1 for a plain message (a check failure, a stop with
// a message, a command-line mistake, an unknown switch, a question answered
// Cancel), 2 for an engine error. A run cancelled by a signal ends by that
// signal instead (EndByCancelSignal), so a shell sees 130, 143 or 129.
//
//   return RunExitStatus(commandLine, view.Declined());
#pragma once

#include "interface/command_line.h"

namespace gleaner {

int RunExitStatus(const TCommandLineResult& commandLine, bool declined);

}  // namespace gleaner
