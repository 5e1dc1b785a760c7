#include "gui/viewer/viewer_keys.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

using Action = TViewerKeyAction;

TEST(ViewerKeys, KeyTable) {
  struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool textFocused;
    Action expected;
  } const cases[] = {
      {Qt::Key_Backspace, Qt::NoModifier, "\b", true, Action::Back},
      {Qt::Key_Return, Qt::NoModifier, "\r", true, Action::FindAgain},
      {Qt::Key_Return, Qt::NoModifier, "\r", false, Action::None},  // a focused control's own Enter
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", false, Action::StopOrClose},
      {Qt::Key_Space, Qt::NoModifier, " ", true, Action::PageDown},
      {Qt::Key_Space, Qt::NoModifier, " ", false, Action::None},
      {Qt::Key_B, Qt::ShiftModifier, "B", true, Action::ToggleTextify},
      {Qt::Key_B, Qt::NoModifier, "b", true, Action::ToggleTextify},
      {Qt::Key_G, Qt::NoModifier, "g", true, Action::GoToLine},
      {Qt::Key_P, Qt::NoModifier, "p", true, Action::Print},
      {Qt::Key_P, Qt::ControlModifier, "\x10", true, Action::Print},
      {Qt::Key_W, Qt::ShiftModifier, "W", false, Action::ToggleWordWrap},
      {Qt::Key_F1, Qt::NoModifier, "", true, Action::Help},
      {Qt::Key_F3, Qt::NoModifier, "", true, Action::FindAgain},
      {Qt::Key_F5, Qt::NoModifier, "", true, Action::Reload},
      {Qt::Key_F, Qt::ControlModifier, "\x06", true, Action::Find},
      {Qt::Key_Q, Qt::ControlModifier, "\x11", true, Action::Find},
      {Qt::Key_Slash, Qt::NoModifier, "/", true, Action::Find},
      {Qt::Key_Backslash, Qt::NoModifier, "\\", true, Action::Find},
      {Qt::Key_F, Qt::NoModifier, "f", true, Action::Find},
      {Qt::Key_L, Qt::ControlModifier, "\x0c", true, Action::FindAgain},
      {Qt::Key_R, Qt::ControlModifier, "\x12", true, Action::FindAgain},
      {Qt::Key_R, Qt::ShiftModifier, "R", true, Action::FindAgain},
      // Typing is swallowed; navigation and the edit's own shortcuts are not.
      {Qt::Key_X, Qt::NoModifier, "x", true, Action::Swallow},
      {Qt::Key_1, Qt::NoModifier, "1", true, Action::Swallow},
      {Qt::Key_Down, Qt::NoModifier, "", true, Action::None},
      {Qt::Key_C, Qt::ControlModifier, "\x03", true, Action::None},
      // Alt belongs to the buttons' mnemonics.
      {Qt::Key_F, Qt::AltModifier, "f", true, Action::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ViewerKeyAction(c.key, c.modifiers, QString::fromLatin1(c.text), c.textFocused), c.expected)
        << "key " << c.key << " text '" << c.text << "'";
  }
}

}  // namespace
}  // namespace gleaner
