// The choice of culler's front end.
#include "interface/front_end.h"

#include <cstdlib>

#include <algorithm>

#include "engine/gleaner_engine.h"
#include "foundation/win1252.h"
#include "interface/command_line.h"
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
  if (!displayAvailable || std::find(params.begin(), params.end(), kConsoleSwitch) != params.end()) return true;
  return HasSwitch(params, 'R', true) && HasSwitch(params, 'C', false, "A");
}

// The last /O wins, as the command line reads them in order.
bool OutputIsStandardOutput(const std::vector<std::string>& params) {
  bool standardOutput = false;
  for (const std::string& param : params) {
    if (param.size() < 2 || param[0] != '/' || AnsiUpper(param[1]) != 'O') continue;
    std::string_view value = std::string_view(param).substr(2);
    if (value.starts_with('+')) value.remove_prefix(1);
    standardOutput = StreamDescriptor(value, true) == 1;
  }
  return standardOutput;
}

}  // namespace gleaner
