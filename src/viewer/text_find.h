// Finding a text in the display lines, with the options match case and whole
// word. Matches never span a line break.
#pragma once

#include <cstdint>
#include <string>

#include "viewer/text_display.h"

namespace gleaner {

struct TFindOptions {
  std::string Text;
  bool MatchCase = false;
  bool WholeWord = false;
};

// The character position of the first match at or after from, or -1.
// Without MatchCase letters compare by their Windows-1252 upper case; with
// WholeWord a match must not touch a letter, digit or "_" on either side.
// The text is in the display's encoding (see TTextDisplay::Utf8, and
// text_find.cpp for the UTF-8 rules).
std::int64_t FindText(const TTextDisplay& display, const TFindOptions& options, std::int64_t from);

}  // namespace gleaner
