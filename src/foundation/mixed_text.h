// Texts that may be in either encoding: what the user typed into a box or a
// find dialog (UTF-8 from the widgets), what an older settings file or a
// command line holds (Windows-1252 or UTF-8). Each is given in the encoding
// of the data it meets when it meets it: a text that is valid UTF-8 is taken
// as UTF-8, anything else as Windows-1252, the same rule the widget edge
// reads such texts by.
#pragma once

#include <string>
#include <string_view>

#include "foundation/text_model.h"

namespace gleaner {

// True when the text is valid UTF-8 (ASCII counts).
bool IsValidUtf8(std::string_view text);

// The text in the encoding given. Characters Windows-1252 lacks become "?".
//   InEncoding("caf\xC3\xA9", TextEncoding::kWindows1252) == "caf\xE9"
//   InEncoding("caf\xE9", TextEncoding::kUtf8) == "caf\xC3\xA9"
std::string InEncoding(std::string_view mixed, TextEncoding encoding);

}  // namespace gleaner
