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
// command line) or when there is no display.
bool UseConsoleFrontEnd(const std::vector<std::string>& params, bool displayAvailable);

}  // namespace gleaner
