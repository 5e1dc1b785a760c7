// Internal to the interface layer; callers use interface/gleaner_interface.h.
// The search path dialog's help page, "Search Path Help": how the search path
// works and how to edit it, with the program's name and home folder filled
// in, followed by the application's part (the boxes and files that never use
// the search path, and personal copies of lookup files).
#pragma once

#include <string>
#include <vector>

#include "engine/gleaner_engine.h"

namespace gleaner {

inline constexpr const char* kSearchPathHelpTitle = "Search Path Help";
inline constexpr const char* kSearchPathHelpSettings = "frmDSPHelp";

std::vector<std::string> SearchPathHelpPage(const TEngineInfo& info, const std::string& homeFolder);

}  // namespace gleaner
