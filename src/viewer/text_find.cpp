// Text search over the display, line by line. In a UTF-8 document letters
// are compared by character: a character the code page has compares by its
// Windows-1252 upper case, as in a Windows-1252 document, any other as it
// is; a character beyond ASCII counts as a letter for whole words.
#include "viewer/text_find.h"

#include <string_view>

#include "foundation/win1252.h"

namespace gleaner {
namespace {

bool IsWordCharacter(char c, bool utf8) {
  return IsAnsiAlpha(c) || (c >= '0' && c <= '9') || c == '_' || (utf8 && static_cast<unsigned char>(c) >= 0x80);
}

bool MatchesAt(std::string_view line, std::size_t at, std::string_view text, bool matchCase) {
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = line[at + k];
    if (matchCase ? c != text[k] : AnsiUpper(c) != AnsiUpper(text[k])) return false;
  }
  return true;
}

char32_t FoldedCodePoint(char32_t cp) {
  const char byte = FromCodePoint(cp);
  return byte == '?' ? cp : ToCodePoint(AnsiUpper(byte));
}

// Case-blind match of UTF-8 text at line[at]; invalid bytes compare as they are.
bool MatchesUtf8At(std::string_view line, std::size_t at, std::string_view text) {
  std::size_t i = at;
  std::size_t k = 0;
  while (k < text.size()) {
    if (i >= line.size()) return false;
    const std::size_t lineFrom = i;
    const std::size_t textFrom = k;
    const char32_t a = NextUtf8CodePoint(line, i);
    const char32_t b = NextUtf8CodePoint(text, k);
    const bool same = a == 0xFFFD || b == 0xFFFD ? line.substr(lineFrom, i - lineFrom) == text.substr(textFrom, k - textFrom)
                                                 : FoldedCodePoint(a) == FoldedCodePoint(b);
    if (!same) return false;
  }
  return i - at == text.size();
}

bool IsWholeWord(std::string_view line, std::size_t at, std::size_t length, bool utf8) {
  if (at > 0 && IsWordCharacter(line[at - 1], utf8)) return false;
  return at + length >= line.size() || !IsWordCharacter(line[at + length], utf8);
}

// Column of the first match in line at or after column, or npos.
std::size_t FindInLine(std::string_view line, std::size_t column, const TFindOptions& options, bool utf8) {
  const std::size_t length = options.Text.size();
  for (std::size_t at = column; at + length <= line.size(); ++at) {
    const bool match = utf8 && !options.MatchCase ? MatchesUtf8At(line, at, options.Text)
                                                  : MatchesAt(line, at, options.Text, options.MatchCase);
    if (!match) continue;
    if (!options.WholeWord || IsWholeWord(line, at, length, utf8)) return at;
  }
  return std::string_view::npos;
}

}  // namespace

std::int64_t FindText(const TTextDisplay& display, const TFindOptions& options, std::int64_t from) {
  if (options.Text.empty() || display.LineCount() == 0 || from < 0) return -1;
  if (from > display.TextLength()) return -1;
  int line = display.LineFromPosition(from);
  std::size_t column = static_cast<std::size_t>(from - display.LineStart(line));
  for (; line < display.LineCount(); ++line, column = 0) {
    const std::string& text = display.Line(line).Text;
    if (column > text.size()) continue;
    const std::size_t at = FindInLine(text, column, options, display.Utf8());
    if (at != std::string_view::npos) return display.LineStart(line) + static_cast<std::int64_t>(at);
  }
  return -1;
}

}  // namespace gleaner
