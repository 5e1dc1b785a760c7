// "--open [FILE]" from the desktop entry as the /I switch.
#include "interface/menu_start.h"

namespace gleaner {

std::vector<std::string> ExpandMenuStart(const std::vector<std::string>& params) {
  std::vector<std::string> expanded;
  for (std::size_t i = 0; i < params.size(); ++i) {
    if (params[i] != kMenuStartOption) {
      expanded.push_back(params[i]);
    } else if (i + 1 < params.size()) {
      expanded.push_back("/I" + params[++i]);
    }
  }
  return expanded;
}

}  // namespace gleaner
