// The viewer's key table.
#include "gui/viewer/viewer_keys.h"

namespace gleaner {
namespace {

using Action = TViewerKeyAction;

Action ControlKey(int key) {
  switch (key) {
    case Qt::Key_F:
    case Qt::Key_Q:
      return Action::Find;
    case Qt::Key_L:
    case Qt::Key_R:
      return Action::FindAgain;
    case Qt::Key_P:
      return Action::Print;
    default:
      return Action::None;
  }
}

Action FunctionKey(int key, bool textFocused) {
  switch (key) {
    case Qt::Key_Backspace:
      return Action::Back;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return textFocused ? Action::FindAgain : Action::None;
    case Qt::Key_Escape:
      return Action::StopOrClose;
    case Qt::Key_F1:
      return Action::Help;
    case Qt::Key_F3:
      return Action::FindAgain;
    case Qt::Key_F5:
      return Action::Reload;
    default:
      return Action::None;
  }
}

Action CharacterKey(QChar c, bool textFocused) {
  switch (c.toUpper().unicode()) {
    case ' ':
      return textFocused ? Action::PageDown : Action::None;
    case 'B':
      return Action::ToggleTextify;
    case 'G':
      return Action::GoToLine;
    case 'P':
      return Action::Print;
    case 'W':
      return Action::ToggleWordWrap;
    case 'F':
    case '/':
    case '\\':
      return Action::Find;
    case 'R':
      return Action::FindAgain;
    default:
      return c.isPrint() ? Action::Swallow : Action::None;
  }
}

}  // namespace

TViewerKeyAction ViewerKeyAction(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                                 bool textFocused) {
  if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return Action::None;
  if (modifiers & Qt::ControlModifier) return ControlKey(key);
  const Action action = FunctionKey(key, textFocused);
  if (action != Action::None || text.size() != 1) return action;
  return CharacterKey(text[0], textFocused);
}

}  // namespace gleaner
