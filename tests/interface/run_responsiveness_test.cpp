// The form stays responsive during a long run: a Cancel press ends the run
// within 100 ms, and the progress display keeps moving on its 100 ms timer.
// The window system is simulated behind the desktop pump's clock; time is
// the thread's CPU time, so a busy machine cannot make the test fail.
#include <gtest/gtest.h>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "interface/controller_fixture.h"
#include "platform/pump_clock.h"

namespace gleaner::testing {
namespace {

using namespace std::chrono_literals;
using TTime = TPumpClock::TTime;

TTime CpuNow() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return TTime(std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec));
}

// What the window system does whenever the desktop pump lets it run: the
// progress timer fires 100 ms after it was last started (the form starts it
// again after each tick), and a Cancel pressed at cancelAt is delivered.
class TSimulatedDesktop final : public IEventPump {
 public:
  TSimulatedDesktop(TRunController& controller, TTime cancelAt) : controller_(controller), cancelAt_(cancelAt) {}

  void PumpEvents() override {
    if (!clock_.Due()) return;
    const TTime now = CpuNow();
    TMainForm& form = controller_.Form();
    if (!form.TimerOn(TTimer::Progress)) {
      timerStarted_.reset();
    } else if (!timerStarted_) {
      timerStarted_ = now;
    } else if (now - *timerStarted_ >= kProgressPeriod) {
      lateness.push_back(now - *timerStarted_ - kProgressPeriod);
      controller_.OnTimer(TTimer::Progress);
      shownBytes.push_back(form[kLblBytesIn].Caption);
      timerStarted_ = CpuNow();
    }
    if (!cancelled && now >= cancelAt_) {
      controller_.Cancel();
      cancelled = true;
    }
  }

  static constexpr std::chrono::milliseconds kProgressPeriod{100};
  std::vector<std::chrono::nanoseconds> lateness;  // of each progress tick
  std::vector<std::string> shownBytes;             // lblBytesIn after each tick
  bool cancelled = false;

 private:
  TRunController& controller_;
  TTime cancelAt_;
  TPumpClock clock_{&CpuNow};
  std::optional<TTime> timerStarted_;
};

using RunResponsiveness = ControllerTest;

TEST_F(RunResponsiveness, CancelEndsALongRunWithin100MsAndTheProgressKeepsMoving) {
  // Each record runs a loop of a few hundred lines: far longer than the test waits.
  std::string input;
  for (int i = 0; i < 20000; ++i) input += "record " + std::to_string(i) + "\r\n";
  WriteFile(folder.File("Big.txt"), input);
  WriteFile(folder.File("ScrLoop.txt"), "I = 0\nBegin\n  Inc I\nAgain I #< 200\nOutEnd $Data\n");
  StartUp();
  SetBoxes("Big.txt", "Out.txt", "ScrLoop.txt");
  RunTimers();  // the Config run of the new script

  const TTime cancelAt = CpuNow() + 450ms;
  TSimulatedDesktop desktop(controller, cancelAt);
  Ports().EventPump = &desktop;
  StartAndRun();
  const TTime ended = CpuNow();

  ASSERT_TRUE(desktop.cancelled) << "the run ended before Cancel was pressed";
  EXPECT_EQ(Eng().ErrorKind, kErrCancel);
  EXPECT_LE(ended - cancelAt, 100ms);
  ASSERT_GE(desktop.shownBytes.size(), 3u);
  for (std::size_t i = 0; i < desktop.lateness.size(); ++i) {
    EXPECT_LE(desktop.lateness[i], TPumpClock::kInterval + 5ms) << "tick " << i;
    if (i > 0) {
      EXPECT_GT(std::stoll(desktop.shownBytes[i]), std::stoll(desktop.shownBytes[i - 1])) << "tick " << i;
    }
  }
}

}  // namespace
}  // namespace gleaner::testing
