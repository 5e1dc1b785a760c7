// Model positions and widget positions of the viewer's text widget. They are
// the same for a Windows-1252 document; in a UTF-8 document the model counts
// bytes and the widget UTF-16 units, so a position is mapped within its line.
#include <QTextBlock>
#include <algorithm>
#include <limits>

#include "gui/viewer/text_view.h"
#include "viewer/utf8_columns.h"

namespace gleaner {

int TTextView::WidgetPosition(std::int64_t position) const {
  constexpr std::int64_t kMax = std::numeric_limits<int>::max();
  if (display_ == nullptr || !display_->Utf8() || position <= 0 || position > display_->TextLength()) {
    return static_cast<int>(std::clamp<std::int64_t>(position, 0, kMax));
  }
  const int line = display_->LineFromPosition(position);
  const QTextBlock block = document()->findBlockByNumber(line);
  if (!block.isValid()) return static_cast<int>(std::min(position, kMax));
  const std::string& text = display_->Line(line).Text;
  const auto column = static_cast<std::size_t>(position - display_->LineStart(line));
  return block.position() + Utf16Column(text, ShownAsUtf8(*display_, text), column);
}

std::int64_t TTextView::ModelPosition(int position) const {
  if (display_ == nullptr || !display_->Utf8()) return position;
  const QTextBlock block = document()->findBlock(position);
  const int line = block.blockNumber();
  if (!block.isValid() || line >= display_->LineCount()) return position;
  const std::string& text = display_->Line(line).Text;
  const std::size_t column = ByteColumn(text, ShownAsUtf8(*display_, text), position - block.position());
  return display_->LineStart(line) + static_cast<std::int64_t>(column);
}

}  // namespace gleaner
