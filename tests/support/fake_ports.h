// Fakes of the desktop ports. Installing a FakePorts replaces the ports in
// force for its lifetime and restores the previous ones afterwards.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace gleaner::testing {

class FakeClipboard : public IClipboard {
 public:
  std::string ReadText() override { return text; }
  void WriteText(const std::string& value, const std::string&) override {
    text = value;
    ++writes;
  }
  std::string text;
  int writes = 0;
};

class FakeEventPump : public IEventPump {
 public:
  void PumpEvents() override {
    ++calls;
    if (onPump) onPump(calls);
  }
  std::function<void(int)> onPump;  // called with the number of calls so far
  int calls = 0;
};

class FakeNotice : public INotice {
 public:
  void ShowNotice(const std::string& caption, const std::string& text) override {
    captions.push_back(caption);
    texts.push_back(text);
  }
  std::vector<std::string> captions;
  std::vector<std::string> texts;
};

class FakePorts {
 public:
  FakePorts();
  ~FakePorts();
  FakePorts(const FakePorts&) = delete;
  FakePorts& operator=(const FakePorts&) = delete;

  FakeClipboard clipboard;
  FakeEventPump pump;
  FakeNotice notice;

 private:
  TPorts saved_;
};

}  // namespace gleaner::testing
