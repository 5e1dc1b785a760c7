// The viewer's text widget (redTextBrowse): a read-only plain text edit that
// shows the model's display lines one per block, without wrapping (the model
// wraps), with the attribute runs as character formats. One block per display
// line keeps the model's character positions and line numbers valid in the
// widget, and the vertical scroll value is the first visible line.
#pragma once

#include <QPlainTextEdit>

#include "viewer/back_history.h"
#include "viewer/text_display.h"

namespace gleaner {

class TTextView : public QPlainTextEdit {
 public:
  explicit TTextView(QWidget* parent);

  // Replaces the text by the display's lines.
  void ShowDisplay(const TTextDisplay& display);
  TViewPosition Position() const;
  // Selects from the caret and scrolls the given line to the top.
  void SetPosition(const TViewPosition& position);
  void SetBackground(std::uint32_t bbggrr);
  // The character format of a run; default attributes give an empty format.
  QTextCharFormat FormatOf(const TTextAttributes& attributes) const;
  int DefaultPointSize() const { return defaultPointSize_; }
  // A page down, as the Space key asks for.
  void PageDown();

 private:
  int defaultPointSize_;
};

}  // namespace gleaner
