// Mirroring the viewer model's display into the text widget.
#include "gui/viewer/text_view.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "gui/common/qt_text.h"
#include "viewer/utf8_columns.h"

namespace gleaner {

TTextView::TTextView(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("redTextBrowse");
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  setFont(font);
  defaultPointSize_ = font.pointSize();
}

QTextCharFormat TTextView::FormatOf(const TTextAttributes& attributes) const {
  QTextCharFormat format;
  if (attributes.Bold) format.setFontWeight(QFont::Bold);
  if (attributes.Italic) format.setFontItalic(true);
  if (attributes.Underline) format.setFontUnderline(true);
  if (attributes.SizeFactor != 1.0f) format.setFontPointSize(attributes.FontSize(defaultPointSize_));
  if (attributes.Colour != kDefaultColour) format.setForeground(ColourOf(attributes.Colour));
  if (!attributes.FontName.empty()) {
    format.setFontFamilies({FromAnsi(attributes.FontName)});
    // A machine without the named font gets a proportional one, not the text's fixed font.
    format.setFontStyleHint(QFont::SansSerif);
  }
  return format;
}

void TTextView::ShowDisplay(const TTextDisplay& display) {
  display_ = &display;
  QString text;
  text.reserve(static_cast<qsizetype>(display.TextLength()));
  for (int i = 0; i < display.LineCount(); ++i) {
    if (i > 0) text += QChar('\n');
    const std::string& line = display.Line(i).Text;
    text += ShownAsUtf8(display, line) ? QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))
                                       : FromAnsi(line);
  }
  setPlainText(text);
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  for (int i = 0; i < display.LineCount(); ++i) {
    const TDisplayLine& line = display.Line(i);
    const std::int64_t lineStart = display.LineStart(i);
    for (const TTextRun& run : line.Runs) {
      if (run.Length <= 0 || run.Attributes.IsDefault()) continue;
      cursor.setPosition(WidgetPosition(lineStart + run.Start));
      cursor.setPosition(WidgetPosition(lineStart + run.Start + run.Length), QTextCursor::KeepAnchor);
      cursor.setCharFormat(FormatOf(run.Attributes));
    }
  }
  cursor.endEditBlock();
}

TViewPosition TTextView::Position() const {
  const QTextCursor cursor = textCursor();
  const std::int64_t start = ModelPosition(cursor.selectionStart());
  return {verticalScrollBar()->value(), start, ModelPosition(cursor.selectionEnd()) - start};
}

void TTextView::SetPosition(const TViewPosition& position) {
  const int last = std::max(0, document()->characterCount() - 1);
  const int caret = std::clamp(WidgetPosition(position.Caret), 0, last);
  const int end = std::clamp(WidgetPosition(position.Caret + position.SelectionLength), 0, last);
  QTextCursor cursor(document());
  cursor.setPosition(caret);
  if (end != caret) cursor.setPosition(end, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  verticalScrollBar()->setValue(position.FirstVisibleLine);
}

void TTextView::SetBackground(std::uint32_t bbggrr) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, ColourOf(bbggrr));
  setPalette(colours);
}

void TTextView::PageDown() {
  QTextCursor cursor = textCursor();
  const int lines = std::max(1, verticalScrollBar()->pageStep());
  cursor.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, lines);
  setTextCursor(cursor);
  verticalScrollBar()->setValue(verticalScrollBar()->value() + lines);
}

}  // namespace gleaner
