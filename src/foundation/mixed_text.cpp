// Giving a text of either encoding in the one its data uses.
#include "foundation/mixed_text.h"

#include <algorithm>

#include "foundation/text_encoding.h"
#include "foundation/win1252.h"

namespace gleaner {

bool IsValidUtf8(std::string_view text) {
  TUtf8Scan scan;
  scan.Feed(text);
  return scan.IsValidText();
}

std::string InEncoding(std::string_view mixed, TextEncoding encoding) {
  const bool ascii = std::all_of(mixed.begin(), mixed.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return std::string(mixed);
  const bool utf8 = IsValidUtf8(mixed);
  if (encoding == TextEncoding::kUtf8) return utf8 ? std::string(mixed) : Win1252ToUtf8(mixed);
  return utf8 ? Utf8ToWin1252(mixed) : std::string(mixed);
}

}  // namespace gleaner
