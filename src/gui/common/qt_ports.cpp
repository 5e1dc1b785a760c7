// Qt implementations of the desktop ports.
#include "gui/common/qt_ports.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include "gui/common/modal_hook.h"
#include "engine/gleaner_engine.h"
#include "gui/common/message_text.h"
#include "gui/common/qt_text.h"
#include "platform/cancel_signals.h"

namespace gleaner {

std::string TQtClipboard::ReadText() {
  std::string text = ToRunText(QApplication::clipboard()->text());
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

void TQtClipboard::WriteText(const std::string& text, const std::string&) {
  if (text.empty()) {
    QApplication::clipboard()->clear();
  } else {
    QApplication::clipboard()->setText(FromRunText(text));
  }
}

void TQtEventPump::PumpEvents() {
  if (clock_.Due()) QCoreApplication::processEvents();
  if (CancelSignalled()) Eng().CancelRequested = true;
}

void TQtNotice::ShowNotice(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, FromMixed(caption), MessageText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  RunModal(box);
}

TQtPorts::TQtPorts() : saved_(Ports()) { Ports() = {&clipboard_, &pump_, &notice_}; }

TQtPorts::~TQtPorts() { Ports() = saved_; }

}  // namespace gleaner
