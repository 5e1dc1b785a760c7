// The desktop ports on Qt: the system clipboard, pending events processed
// during long loops, and notices as message boxes that stay on top.
// TQtPorts installs all three for its lifetime (the program's main does it).
#pragma once

#include "platform/ports.h"

namespace gleaner {

class TQtClipboard : public IClipboard {
 public:
  std::string ReadText() override;
  void WriteText(const std::string& text, const std::string& workFile) override;
};

class TQtEventPump : public IEventPump {
 public:
  void PumpEvents() override;
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
