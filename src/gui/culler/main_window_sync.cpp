// Culler's main form: showing TMainForm's data in the widgets, and handing
// the user's edits, clicks and focus changes to the run controller.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <climits>

#include "gui/common/qt_text.h"
#include "gui/culler/main_window.h"
#include "interface/gleaner_interface.h"

namespace gleaner::culler {
namespace {

// Box texts: file names in the local encoding, parameters in UTF-8, which
// the run gives in its own encoding when it starts.
std::string BoxText(const QComboBox& box, const QString& text) {
  return box.objectName().startsWith("cboParameter") ? text.toStdString() : ToFileName(text);
}

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

// The built-in banner: the program's name on a dark blue band.
QPixmap DrawnBanner(const QWidget& form) {
  const QFontMetrics metrics(form.font());
  const QSize size(metrics.horizontalAdvance('M') * 30, metrics.height() * 4);
  const qreal ratio = form.devicePixelRatioF();
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient band(0, 0, size.width(), 0);
  band.setColorAt(0, QColor(0, 0, 0x70));
  band.setColorAt(1, QColor(0x30, 0x60, 0xB0));
  painter.fillRect(QRect(QPoint(0, 0), size), band);
  QFont title = form.font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 2.2);
  painter.setFont(title);
  painter.setPen(Qt::white);
  const QRect text = QRect(QPoint(0, 0), size).adjusted(metrics.height(), 0, -metrics.height(), 0);
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, "Culler");
  QFont note = form.font();
  note.setItalic(true);
  painter.setFont(note);
  painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, "Gleaner text processing");
  return pixmap;
}

}  // namespace

void TfrmStartUp::Refresh() {
  if (refreshing_) return;
  refreshing_ = true;
  setWindowTitle(FromMixed(form_.Caption));
  for (const auto& [name, control] : form_.Controls()) SyncControl(name, control);
  SyncTimers();
  refreshing_ = false;
}

void TfrmStartUp::SyncControl(const std::string& name, const TControl& control) {
  QWidget* widget = widgets_.at(name);
  const QSignalBlocker blocker(widget);
  if (widget->isEnabled() != control.Enabled) widget->setEnabled(control.Enabled);
  if (widget->isVisibleTo(this) != control.Visible) widget->setVisible(control.Visible);
  const QString hint = FromMixed(control.Hint);
  if (widget->toolTip() != hint) widget->setToolTip(hint);
  const QString caption = FromMixed(control.Caption);
  if (auto* box = qobject_cast<QComboBox*>(widget)) {
    SyncBox(*box, control);
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    if (check->text() != caption) check->setText(caption);
    check->setChecked(control.Checked);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    if (button->text() != caption) button->setText(caption);
  } else if (name == kImgBanner) {
    SyncBanner(control);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text() != caption) label->setText(caption);
  } else if (name == kBarProgress) {
    SyncProgress(control);
  }
}

void TfrmStartUp::SyncBox(QComboBox& box, const TControl& control) {
  if (!box.isEditable()) return SyncChoice(box, control);
  QStringList items;
  for (const std::string& item : control.Items) items << FromMixed(item);
  if (Items(box) != items) {
    box.clear();
    box.addItems(items);
  }
  QLineEdit& edit = *box.lineEdit();
  const QString text = FromMixed(control.Text);
  if (edit.text() != text) {
    edit.setText(text);
    if (control.SelLength > 0) {
      const QString before = FromMixed(control.Text.substr(0, control.SelStart));
      const QString selected = FromMixed(control.Text.substr(control.SelStart, control.SelLength));
      edit.setSelection(static_cast<int>(before.size()), static_cast<int>(selected.size()));
    }
  }
  // The button face marks a box the application does not use; otherwise the
  // box keeps the style's own colours, disabled ones included.
  const bool face = box.property("buttonFace").toBool();
  if (face != control.ButtonFace) {
    box.setProperty("buttonFace", control.ButtonFace);
    QPalette palette = QApplication::palette(&box);
    if (control.ButtonFace) palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box.setPalette(palette);
  }
}

// The logo file beside the program replaces the drawn banner.
void TfrmStartUp::SyncBanner(const TControl& control) {
  if (bannerFile_ == control.Text) return;
  bannerFile_ = control.Text;
  auto& banner = static_cast<QLabel&>(*widgets_.at(kImgBanner));
  const QPixmap logo(FromFileName(control.Text));
  banner.setPixmap(control.Text.empty() || logo.isNull() ? DrawnBanner(*this) : logo);
}

// Qt's bar counts in int; sizes past that are scaled down together.
void TfrmStartUp::SyncProgress(const TControl& control) {
  auto& bar = static_cast<QProgressBar&>(*widgets_.at(kBarProgress));
  long long maximum = control.Maximum;
  long long position = control.Position;
  while (maximum > INT_MAX) {
    maximum /= 1024;
    position /= 1024;
  }
  bar.setMaximum(static_cast<int>(maximum));
  bar.setValue(static_cast<int>(std::min(position, maximum)));
}

void TfrmStartUp::SyncTimers() {
  for (int i = 0; i < 3; ++i) {
    const bool on = form_.TimerOn(static_cast<TTimer>(i));
    if (on && !timers_[i]->isActive()) timers_[i]->start();
    if (!on && timers_[i]->isActive()) timers_[i]->stop();
  }
}

void TfrmStartUp::ConnectBox(QComboBox& box) {
  box.installEventFilter(this);
  connect(box.lineEdit(), &QLineEdit::textEdited, this, [this, &box](const QString& text) { BoxEdited(box, text); });
  connect(&box, &QComboBox::activated, this, [this, &box](int) { BoxChosen(box); });
  connect(box.lineEdit(), &QLineEdit::returnPressed, this,
          [this] { Call([](TRunController& c) { c.DefaultButton(); }); });
}

void TfrmStartUp::BoxEdited(QComboBox& box, const QString& text) {
  const std::string name = box.objectName().toStdString();
  form_[name].Text = BoxText(box, text);
  Call([&name](TRunController& c) {
    if (name == kCboOutputFile) c.OutputChanged();
    c.UpdateButtonStates();
  });
}

// A pick from the drop-down list is the box's click.
void TfrmStartUp::BoxChosen(QComboBox& box) {
  const std::string name = box.objectName().toStdString();
  form_[name].Text = BoxText(box, box.currentText());
  Call([&name](TRunController& c) {
    if (name == kCboScriptFile) c.ScriptBoxClick();
    c.UpdateButtonStates();
  });
}

// Entering and leaving a box count only for moves inside the form: a
// message box or the box's own drop-down taking the focus is neither.
bool TfrmStartUp::FocusChanged(QComboBox& box, QEvent* event) {
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
  const std::string name = box.objectName().toStdString();
  if (event->type() == QEvent::FocusIn) {
    if (name == kCboScriptFile) Call([](TRunController& c) { c.ScriptBoxEnter(); });
  } else {
    Call([&name](TRunController& c) { c.BoxExit(name); });
  }
  return false;
}

bool TfrmStartUp::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (auto* box = qobject_cast<QComboBox*>(watched); box != nullptr && (type == QEvent::FocusIn || type == QEvent::FocusOut)) {
    return FocusChanged(*box, event);
  }
  if (type == QEvent::MouseButtonPress && watched == widgets_.at(kLblOutputFile)) {
    Call([](TRunController& c) { c.OutputLabelClick(); });
  } else if (type == QEvent::MouseButtonPress && watched == widgets_.at(kImgBanner)) {
    OpenBanner();
  }
  return QWidget::eventFilter(watched, event);
}

bool TfrmStartUp::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !closed_) {
    // After the handlers that activated the window have returned.
    QTimer::singleShot(0, this, [this] { Call([](TRunController& c) { c.FormActivate(); }); });
  }
  return QWidget::event(event);
}

void TfrmStartUp::closeEvent(QCloseEvent* event) {
  if (closed_) return;
  if (controller_ != nullptr && !controller_->CloseQuery()) {
    event->ignore();  // the run is cancelled first; the form closes when it has ended
    return;
  }
  closed_ = true;
  for (QTimer* timer : timers_) timer->stop();
  if (controller_ != nullptr) MainFormClosed(*controller_);
  event->accept();
  if (OnClosed) OnClosed();
}

}  // namespace gleaner::culler
