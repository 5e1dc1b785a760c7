// pump_clock.h: the clock check behind the call count.
#include "platform/pump_clock.h"

namespace gleaner {

bool TPumpClock::DueByClock() {
  countdown_ = kCallsPerClockCheck;
  const TTime now = clock_();
  if (now - last_ < kInterval) return false;
  last_ = now;
  return true;
}

}  // namespace gleaner
