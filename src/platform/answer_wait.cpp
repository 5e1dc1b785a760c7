#include "platform/answer_wait.h"

#include <poll.h>

#include "platform/cancel_signals.h"

namespace gleaner {

bool WaitForInputOrCancel(int fd) {
  constexpr int kStepMs = 50;
  pollfd watched{fd, POLLIN, 0};
  while (!CancelSignalled()) {
    if (::poll(&watched, 1, kStepMs) > 0) return true;
  }
  return false;
}

}  // namespace gleaner
