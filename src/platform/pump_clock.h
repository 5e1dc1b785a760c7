// When a desktop front end's event pump lets the window system run. The
// engine calls the pump once per record and once per script line, far more
// often than anyone can notice; processing the window system's events every
// time made a run from the form ten times slower than the same run in the
// console. The pump asks Due(), which reads the clock only every
// kCallsPerClockCheck calls and answers true once kInterval has passed since
// it last did, so a Cancel press and the form's 100 ms progress timer are
// served within about kInterval.
//
//   void PumpEvents() override { if (clock_.Due()) ProcessPendingEvents(); }
#pragma once

#include <chrono>

namespace gleaner {

class TPumpClock {
 public:
  using TTime = std::chrono::steady_clock::time_point;
  using TClock = TTime (*)();
  static constexpr int kCallsPerClockCheck = 16;
  static constexpr std::chrono::milliseconds kInterval{10};

  explicit TPumpClock(TClock clock = &std::chrono::steady_clock::now) : clock_(clock) {}

  bool Due() {
    if (--countdown_ > 0) return false;
    return DueByClock();
  }

 private:
  bool DueByClock();

  TClock clock_;
  int countdown_ = 1;  // the first call after a pause reads the clock
  TTime last_{};
};

}  // namespace gleaner
