// The viewer's text widget (redTextBrowse): a read-only plain text edit that
// shows the model's display lines one per block, without wrapping (the model
// wraps), with the attribute runs as character formats. One block per display
// line keeps the model's line numbers valid in the widget, and the vertical
// scroll value is the first visible line. Positions are the model's: in a
// UTF-8 document they count bytes, and are mapped to the widget's units here.
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
  // A model position and a widget position (text_view_positions.cpp).
  int WidgetPosition(std::int64_t position) const;
  std::int64_t ModelPosition(int position) const;

  int defaultPointSize_;
  const TTextDisplay* display_ = nullptr;  // the display shown, for the UTF-8 mapping
};

}  // namespace gleaner
