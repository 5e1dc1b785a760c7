// Small interfaces through which the layers below the front end reach the
// desktop: the clipboard, pending-event processing during long loops, and modal
// notices. The console front end and the Qt front end each implement them; the
// tests install fakes. Ports() holds the ones in force (console ones at start).
#pragma once

#include <string>

namespace gleaner {

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  // Plain text on the clipboard up to its first zero byte; empty when none.
  virtual std::string ReadText() = 0;
  // Puts text on the clipboard (empty text clears it). workFile names the
  // file the text came from, for front ends that cannot reach a clipboard.
  virtual void WriteText(const std::string& text, const std::string& workFile) = 0;
};

class IEventPump {
 public:
  virtual ~IEventPump() = default;
  // Lets the user interface handle pending events (a Cancel press, a repaint).
  virtual void PumpEvents() = 0;
};

class INotice {
 public:
  virtual ~INotice() = default;
  // A modal message box with an OK button.
  virtual void ShowNotice(const std::string& caption, const std::string& text) = 0;
  // A passing status that needs no answer (a run waiting for another):
  // "caption: text" on standard error unless a front end shows it otherwise.
  virtual void ShowStatus(const std::string& caption, const std::string& text);
};

struct TPorts {
  IClipboard* Clipboard;
  IEventPump* EventPump;
  INotice* Notice;
};

// The ports in force; never null.
TPorts& Ports();

}  // namespace gleaner
