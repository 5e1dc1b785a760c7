// The desktop ports on Qt: the system clipboard, pending events processed
// during long loops (by the clock, see platform/pump_clock.h), and notices
// as message boxes that stay on top.
// TQtPorts installs all three for its lifetime (the program's main does it).
#pragma once

#include "platform/ports.h"
#include "platform/pump_clock.h"

namespace gleaner {

class TQtClipboard : public IClipboard {
 public:
  std::string ReadText() override;
  void WriteText(const std::string& text, const std::string& workFile) override;
};

class TQtEventPump : public IEventPump {
 public:
  void PumpEvents() override;

 private:
  TPumpClock clock_;
};

class TQtNotice : public INotice {
 public:
  void ShowNotice(const std::string& caption, const std::string& text) override;
};

class TQtPorts {
 public:
  TQtPorts();
  ~TQtPorts();
  TQtPorts(const TQtPorts&) = delete;
  TQtPorts& operator=(const TQtPorts&) = delete;

 private:
  TQtClipboard clipboard_;
  TQtEventPump pump_;
  TQtNotice notice_;
  TPorts saved_;
};

}  // namespace gleaner
