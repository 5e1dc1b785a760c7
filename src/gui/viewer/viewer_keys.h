// The viewer window's key table: what a key press asks for. The window
// previews every key before its controls see it.
#pragma once

#include <QString>
#include <Qt>

namespace gleaner {

enum class TViewerKeyAction {
  None,            // the control handles the key
  Swallow,         // a character key that is no command: the text is read-only
  Back,            // Backspace
  FindAgain,       // Enter (text focused), F3, Ctrl+L, Ctrl+R, "R", "r"
  StopOrClose,     // Esc: stop loading, else close
  PageDown,        // Space (text focused)
  ToggleTextify,   // B
  GoToLine,        // G
  Print,           // P, Ctrl+P
  ToggleWordWrap,  // W
  Help,            // F1
  Reload,          // F5: reload if changed
  Find,            // Ctrl+F, Ctrl+Q, "/", "\", "F", "f"
};

// Alt combinations are left to the buttons' mnemonics.
TViewerKeyAction ViewerKeyAction(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                                 bool textFocused);

}  // namespace gleaner
