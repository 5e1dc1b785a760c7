// Byte and widget columns of display lines.
#include "viewer/utf8_columns.h"

#include "foundation/mixed_text.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

int UnitsOf(char32_t cp) { return cp > 0xFFFF ? 2 : 1; }

}  // namespace

bool ShownAsUtf8(const TTextDisplay& display, std::string_view line) { return display.Utf8() && IsValidUtf8(line); }

int Utf16Column(std::string_view line, bool utf8, std::size_t byteColumn) {
  if (!utf8) return static_cast<int>(byteColumn);
  int units = 0;
  for (std::size_t i = 0; i < byteColumn && i < line.size();) units += UnitsOf(NextUtf8CodePoint(line, i));
  return units;
}

std::size_t ByteColumn(std::string_view line, bool utf8, int utf16Column) {
  if (!utf8) return static_cast<std::size_t>(utf16Column);
  std::size_t i = 0;
  for (int units = 0; units < utf16Column && i < line.size();) units += UnitsOf(NextUtf8CodePoint(line, i));
  return i;
}

}  // namespace gleaner
