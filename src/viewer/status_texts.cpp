// Status panel texts.
#include "viewer/status_texts.h"

#include "foundation/text_utils.h"

namespace gleaner {

std::string CaretStatus(const TTextDisplay& display, std::int64_t caret, std::int64_t selectionLength) {
  const int line = display.LineFromPosition(caret);
  const std::int64_t column = caret - display.LineStart(line) + 1;
  std::string text = std::to_string(line + 1) + ":" + std::to_string(column);
  if (selectionLength > 0) text += "/" + std::to_string(selectionLength);
  return text;
}

std::string FlagsStatus(bool textify, bool wordWrap) {
  return std::string(textify ? "B" : "") + (wordWrap ? "W" : "");
}

std::string LinesStatus(const TViewerDocument& document, const std::optional<std::time_t>& saved) {
  if (!saved) return {};
  const int lines = document.LinesShown();
  std::string text = "  " + std::to_string(lines) + " line" + Plural(lines);
  if (document.Incomplete) text += " shown (incomplete)";
  return text + ", saved " + LocalDateTime(*saved);
}

std::string GotoLineLabel(const TViewerDocument& document) {
  return std::to_string(document.LinesShown()) + " lines " + (document.Incomplete ? "available" : "in file");
}

std::string LocalDateTime(std::time_t when) {
  const std::tm* local = std::localtime(&when);
  if (local == nullptr) return {};
  char text[128];
  const std::size_t length = std::strftime(text, sizeof text, "%x %X", local);
  return std::string(text, length);
}

}  // namespace gleaner
