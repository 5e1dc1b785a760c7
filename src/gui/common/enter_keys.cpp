// Enter on the buttons and check boxes of a plain window (enter_keys.h).
#include "gui/common/enter_keys.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QWidget>

namespace gleaner {
namespace {

bool IsEnter(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

class TEnterKeys final : public QObject {
 public:
  TEnterKeys(QWidget& window, std::function<void()> defaultButton)
      : QObject(&window), defaultButton_(std::move(defaultButton)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !IsEnter(static_cast<QKeyEvent&>(*event))) return false;
    auto* button = static_cast<QAbstractButton*>(watched);
    if (static_cast<QKeyEvent&>(*event).isAutoRepeat()) return true;
    if (qobject_cast<QCheckBox*>(button) != nullptr || qobject_cast<QRadioButton*>(button) != nullptr) {
      defaultButton_();
    } else if (button->isEnabled()) {
      button->click();
    }
    return true;
  }

 private:
  std::function<void()> defaultButton_;
};

}  // namespace

void InstallEnterKeys(QWidget& window, std::function<void()> defaultButton) {
  auto* keys = new TEnterKeys(window, std::move(defaultButton));
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) button->installEventFilter(keys);
}

}  // namespace gleaner
