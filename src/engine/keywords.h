// Keywords that stand in file boxes and names throughout the programs.
#pragma once

#include <string_view>

namespace gleaner {

inline constexpr std::string_view kNone = "None";            // no file, no script
inline constexpr std::string_view kClipboard = "Clipboard";  // clipboard input or output
inline constexpr std::string_view kAutoName = "(File name generated automatically)";
// A parameter or script the application does not use.
inline constexpr std::string_view kNotUsedMarker = "(Not used by this application)";

}  // namespace gleaner
