#include "platform/pump_clock.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TPumpClock::TTime gNow{};
int gReads = 0;

TPumpClock::TTime FakeNow() {
  ++gReads;
  return gNow;
}

// Calls Due() until it answers true (at most limit calls); the number of calls.
int CallsUntilDue(TPumpClock& clock, int limit) {
  for (int calls = 1; calls <= limit; ++calls) {
    if (clock.Due()) return calls;
  }
  return 0;
}

TEST(PumpClock, DueWhenTheIntervalHasPassedReadingTheClockOnlyEverySoManyCalls) {
  gNow = TPumpClock::TTime(std::chrono::hours(1));
  gReads = 0;
  TPumpClock clock(&FakeNow);
  constexpr int kCheck = TPumpClock::kCallsPerClockCheck;
  EXPECT_EQ(CallsUntilDue(clock, 1), 1);  // the first call after a pause
  EXPECT_EQ(CallsUntilDue(clock, 100 * kCheck), 0);
  EXPECT_EQ(gReads, 101);
  gNow += TPumpClock::kInterval - std::chrono::microseconds(1);
  EXPECT_EQ(CallsUntilDue(clock, kCheck), 0);
  gNow += std::chrono::microseconds(1);
  EXPECT_EQ(CallsUntilDue(clock, kCheck), kCheck);
  gNow += 10 * TPumpClock::kInterval;  // a long pause still pumps only once
  EXPECT_EQ(CallsUntilDue(clock, kCheck), kCheck);
  EXPECT_EQ(CallsUntilDue(clock, 10 * kCheck), 0);
}

}  // namespace
}  // namespace gleaner
