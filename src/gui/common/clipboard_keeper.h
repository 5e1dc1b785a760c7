// Who keeps the clipboard's content once the program has ended. On X11 the
// text lives in the program that set it: when that program ends it goes,
// unless a clipboard manager has taken a copy. Qt hands the content to the
// manager, and waits for it, as the application object is destroyed, where
// a manager runs; where none does, the program says so on standard error,
// so a batch caller knows why the clipboard is empty.
//
//   const int status = QApplication::exec();
//   WarnIfClipboardGoes(std::cerr, "culler");
#pragma once

#include <iosfwd>
#include <string>

namespace gleaner {

enum class TClipboardKeeper {
  NotOurs,  // the program holds no clipboard content
  Manager,  // a clipboard manager takes it over at the end
  None,     // the content goes with the program
  Unknown,  // a platform that keeps it its own way (Wayland)
};

TClipboardKeeper ClipboardKeeper();

// A note on err when the clipboard's content goes with the program.
void WarnIfClipboardGoes(std::ostream& err, const std::string& program);

}  // namespace gleaner
