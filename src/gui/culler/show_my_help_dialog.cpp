// The help chooser dialog.
#include "gui/culler/show_my_help_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "gui/common/modal_hook.h"
#include "gui/common/qt_text.h"

namespace gleaner {
namespace {

constexpr int kButtonLeft = 30;
constexpr int kButtonWidth = 260;
constexpr int kFormWidth = 320;
constexpr int kFormHeight = 230;

}  // namespace

TfrmShowMyHelp::TfrmShowMyHelp(const THelpChooserLayout& layout, QWidget* parent)
    : QDialog(parent), layout_(layout), placement_(*this, "frmShowMyHelp") {
  setObjectName("frmShowMyHelp");
  setWindowTitle("Help Options");
  setFixedSize(kFormWidth, kFormHeight);
  auto* label = new QLabel("Select a help topic", this);
  label->setObjectName("lblSelect");
  label->setGeometry(kButtonLeft, 24, kButtonWidth, 24);
  btnProject_ = AddTopic("btnProject", layout.Project, THelpTopic::Application);
  btnScript_ = AddTopic("btnScript", layout.Script, THelpTopic::Script);
  btnHelpIndex_ = AddTopic("btnHelpIndex", layout.Index, THelpTopic::HelpIndex);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelBtn");
  cancel->setGeometry(kFormWidth - 110, 186, 80, 25);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ButtonOf(layout.Default)->setDefault(true);
  tmrAutoClose_ = new QTimer(this);
  tmrAutoClose_->setObjectName("tmrAutoClose");
  tmrAutoClose_->setSingleShot(true);
  tmrAutoClose_->setInterval(kHelpChooserAutoCloseMs);
  connect(tmrAutoClose_, &QTimer::timeout, this, &QDialog::reject);
}

QPushButton* TfrmShowMyHelp::AddTopic(const char* name, const THelpButton& button, THelpTopic topic) {
  auto* widget = new QPushButton(FromAnsi(button.Caption), this);
  widget->setObjectName(name);
  widget->setEnabled(button.Enabled);
  widget->setVisible(button.Visible);
  widget->setGeometry(kButtonLeft, button.Top, kButtonWidth, button.Height);
  widget->setAutoDefault(true);  // Enter presses the focused topic, as Space does
  connect(widget, &QPushButton::clicked, this, [this, topic] {
    chosen_ = topic;
    accept();
  });
  return widget;
}

QPushButton* TfrmShowMyHelp::ButtonOf(THelpTopic topic) const {
  switch (topic) {
    case THelpTopic::Script:
      return btnScript_;
    case THelpTopic::HelpIndex:
      return btnHelpIndex_;
    case THelpTopic::Application:
      break;
  }
  return btnProject_;
}

void TfrmShowMyHelp::showEvent(QShowEvent* event) {
  RestoreWindow(placement_);
  ButtonOf(layout_.Focus)->setFocus();
  tmrAutoClose_->start();
  QDialog::showEvent(event);
}

void TfrmShowMyHelp::done(int result) {
  tmrAutoClose_->stop();
  if (result != QDialog::Accepted) chosen_.reset();
  SaveWindow(placement_);
  QDialog::done(result);
}

std::optional<THelpTopic> TfrmShowMyHelp::Ask(const THelpChooserLayout& layout, QWidget* parent) {
  TfrmShowMyHelp chooser(layout, parent);
  RunModal(chooser);
  return chooser.Chosen();
}

}  // namespace gleaner
