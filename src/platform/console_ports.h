// Console implementations of the desktop ports: no clipboard input, clipboard
// output left in its work file with a note, notices on standard error.
#pragma once

#include <atomic>

#include "platform/ports.h"

namespace gleaner {

class ConsoleClipboard : public IClipboard {
 public:
  std::string ReadText() override;
  void WriteText(const std::string& text, const std::string& workFile) override;
};

// Does no window work; Ctrl+C handling sets a flag that the front end reads.
class ConsoleEventPump : public IEventPump {
 public:
  void PumpEvents() override;
};

class ConsoleNotice : public INotice {
 public:
  void ShowNotice(const std::string& caption, const std::string& text) override;
};

}  // namespace gleaner
