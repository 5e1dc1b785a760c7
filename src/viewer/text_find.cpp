// Text search over the display, line by line.
#include "viewer/text_find.h"

#include <string_view>

#include "foundation/win1252.h"

namespace gleaner {
namespace {

bool IsWordCharacter(char c) { return IsAnsiAlpha(c) || (c >= '0' && c <= '9') || c == '_'; }

bool MatchesAt(std::string_view line, std::size_t at, std::string_view text, bool matchCase) {
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = line[at + k];
    if (matchCase ? c != text[k] : AnsiUpper(c) != AnsiUpper(text[k])) return false;
  }
  return true;
}

bool IsWholeWord(std::string_view line, std::size_t at, std::size_t length) {
  if (at > 0 && IsWordCharacter(line[at - 1])) return false;
  return at + length >= line.size() || !IsWordCharacter(line[at + length]);
}

// Column of the first match in line at or after column, or npos.
std::size_t FindInLine(std::string_view line, std::size_t column, const TFindOptions& options) {
  const std::size_t length = options.Text.size();
  for (std::size_t at = column; at + length <= line.size(); ++at) {
    if (!MatchesAt(line, at, options.Text, options.MatchCase)) continue;
    if (!options.WholeWord || IsWholeWord(line, at, length)) return at;
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
    const std::size_t at = FindInLine(text, column, options);
    if (at != std::string_view::npos) return display.LineStart(line) + static_cast<std::int64_t>(at);
  }
  return -1;
}

}  // namespace gleaner
