// The choice of culler's front end.
#include "interface/front_end.h"

#include <cstdlib>

#include "foundation/win1252.h"
#include "platform/environment.h"

namespace gleaner {
namespace {

// A switch as the command line reads it: "/", the letter in any case, and
// the value after it (its case ignored too, as /CA and /ca are the same).
bool HasSwitch(const std::vector<std::string>& params, char letter, bool anyValue, std::string_view value = {}) {
  for (const std::string& param : params) {
    if (param.size() < 2 || param[0] != '/' || AnsiUpper(param[1]) != letter) continue;
    if (anyValue || AnsiUpperCase(std::string_view(param).substr(2)) == value) return true;
  }
  return false;
}

bool Set(const char* variable) { return !EnvironmentValue(variable).empty(); }

}  // namespace

bool DisplayAvailable() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

bool UseConsoleFrontEnd(const std::vector<std::string>& params, bool displayAvailable) {
  if (!displayAvailable) return true;
  return HasSwitch(params, 'R', true) && HasSwitch(params, 'C', false, "A");
}

}  // namespace gleaner
