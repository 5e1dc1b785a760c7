// Console ports and the port registry.
#include "platform/console_ports.h"

#include <cstdio>

namespace gleaner {

std::string ConsoleClipboard::ReadText() { return {}; }

void ConsoleClipboard::WriteText(const std::string&, const std::string& workFile) {
  std::fprintf(stderr, "Clipboard output is in %s\n", workFile.c_str());
}

void ConsoleEventPump::PumpEvents() {}

void ConsoleNotice::ShowNotice(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

void INotice::ShowStatus(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

TPorts& Ports() {
  static ConsoleClipboard clipboard;
  static ConsoleEventPump pump;
  static ConsoleNotice notice;
  static TPorts ports{&clipboard, &pump, &notice};
  return ports;
}

}  // namespace gleaner
