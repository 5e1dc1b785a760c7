// Which front end culler runs: the console one for batch use (/R with /CA)
// and wherever no display is available, the desktop main form otherwise.
//
//   if (UseConsoleFrontEnd(params, DisplayAvailable())) ...
#pragma once

#include <string>
#include <vector>

namespace gleaner {

// True when DISPLAY or WAYLAND_DISPLAY is set and not empty.
bool DisplayAvailable();
// True for a batch run (the switches /R and /CA, any case, anywhere on the
// command line), for "--console", or when there is no display.
bool UseConsoleFrontEnd(const std::vector<std::string>& params, bool displayAvailable);

// True when the output switch names standard output ("/O-", "/O/dev/stdout",
// "/O/dev/fd/1"): then nothing else may be written there.
bool OutputIsStandardOutput(const std::vector<std::string>& params);

}  // namespace gleaner
