// TfrmTextBrowse's commands (text_browse_window.h): find, find again, go to line, options, width,
// print, help and links. Each asks the model and applies the position it
// returns to the text widget.
#include <QComboBox>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "gui/viewer/text_browse_find_dialog.h"
#include "gui/viewer/line_number_dialog.h"
#include "gui/viewer/options_dialog.h"
#include "gui/viewer/print_text.h"
#include "gui/common/qt_text.h"
#include "gui/viewer/text_browse_window.h"
#include "viewer/viewer_settings.h"

namespace gleaner {
namespace {

// The window opened for the last document link, closed when the next opens.
QPointer<TfrmTextBrowse>& LinkedWindow() {
  static QPointer<TfrmTextBrowse> window;
  return window;
}

// The new window opens first; the old one closes once the click is handled,
// since it may be the very window whose link was clicked.
void OpenLinkedWindow(const TViewerSetup& setup, QWidget* owner) {
  QPointer<TfrmTextBrowse> old = LinkedWindow();
  LinkedWindow() = ShowTextBrowse(setup, owner);
  if (!old.isNull()) QTimer::singleShot(0, old.data(), [window = old.data()] { window->close(); });
}

}  // namespace

void TfrmTextBrowse::Find() {
  TfrmTBFind dialog(this);
  if (const auto options = dialog.Ask()) Apply(browse_.Find(*options, redTextBrowse_->Position()));
}

void TfrmTextBrowse::FindAgain() { Apply(browse_.FindAgain(redTextBrowse_->Position())); }

void TfrmTextBrowse::GoToLine() {
  TfrmTBLineNum dialog(this, browse_.GotoLineLabel());
  if (const auto typed = dialog.Ask()) Apply(browse_.GoToLine(*typed));
}

void TfrmTextBrowse::ShowOptions() {
  const TViewerOptions current{browse_.Textify(), browse_.WordWrap(), ReadTooLarging(),
                               std::to_string(ReadMaxAddLines())};
  TfrmTBOpts dialog(this, browse_.OptionsTitle(), current);
  if (const auto chosen = dialog.Ask()) Load(browse_.ApplyOptions(*chosen));
}

void TfrmTextBrowse::ChangeWidth(int index) {
  const int width = cboWidth_->itemData(index).toInt();
  if (width != browse_.DisplayWidth()) Load(browse_.ChangeDisplayWidth(width));
}

void TfrmTextBrowse::Print() {
  const QString title = FromMixed(browse_.LabelText());
  QMessageBox ask(QMessageBox::Question, "Print", "Print \"" + title + "\"?    ",
                  QMessageBox::Ok | QMessageBox::Cancel, this);
  if (ask.exec() == QMessageBox::Ok) PrintViewerText(*redTextBrowse_->document(), title, this);
}

void TfrmTextBrowse::ShowHelp() {
  if (browse_.HelpAvailable()) ShowViewerHelp(parentWidget());
}

void TfrmTextBrowse::FollowLink() {
  const TLinkOutcome outcome = browse_.FollowLink(redTextBrowse_->Position());
  Apply(outcome.Position);
  if (outcome.OpenWindow) OpenLinkedWindow(*outcome.OpenWindow, parentWidget());
}

// Whether the character under a point of the text is link text (as a click
// there would find it: the character before the caret, or the first of a line).
bool TfrmTextBrowse::IsOverLink(const QPoint& point) const {
  if (!browse_.Setup().MarkupMode || browse_.IsLoading()) return false;
  const QTextCursor cursor = redTextBrowse_->cursorForPosition(point);
  const int probe = cursor.positionInBlock() > 0 ? cursor.position() - 1 : cursor.position();
  return browse_.Document().Display.AttributesAt(probe).Colour == kLinkColour;
}

bool TfrmTextBrowse::PreviewMouse(QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    redTextBrowse_->viewport()->setCursor(IsOverLink(move->position().toPoint()) ? Qt::PointingHandCursor
                                                                                 : Qt::IBeamCursor);
  } else if (event->type() == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    // After the text widget has placed the caret for this click.
    QTimer::singleShot(0, this, [this] { FollowLink(); });
  }
  return false;
}

}  // namespace gleaner
