// Columns of a display line as a text widget counts them (UTF-16 units) and
// back. A line of a UTF-8 document that is valid UTF-8 is shown as UTF-8,
// where a character of four bytes takes two units and one of two or three
// bytes one; any other line is shown as Windows-1252, one unit a byte.
#pragma once

#include <cstddef>
#include <string_view>

#include "viewer/text_display.h"

namespace gleaner {

// Whether the line is shown as UTF-8 (above).
bool ShownAsUtf8(const TTextDisplay& display, std::string_view line);

// The widget column of a byte column, and the byte column of a widget
// column; a column inside a character goes to the character's end.
//   Utf16Column("\xE6\x97\xA5x", true, 3) == 1
int Utf16Column(std::string_view line, bool utf8, std::size_t byteColumn);
std::size_t ByteColumn(std::string_view line, bool utf8, int utf16Column);

}  // namespace gleaner
