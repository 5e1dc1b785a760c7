// The cancel signals: a counter the handler bumps, read by the event pumps.
#include "platform/cancel_signals.h"

#include <signal.h>

#include <csignal>

namespace gleaner {
namespace {

constexpr int kCancelSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t signalCount = 0;
volatile std::sig_atomic_t firstSignal = 0;

// Only async-signal-safe calls: the first signal is remembered, the second
// one is delivered again with its default action.
void OnCancelSignal(int number) {
  signalCount = signalCount + 1;
  if (firstSignal == 0) firstSignal = number;
  if (signalCount < 2) return;
  ::signal(number, SIG_DFL);
  ::raise(number);
}

}  // namespace

void InstallCancelSignals() {
  struct sigaction action {};
  action.sa_handler = OnCancelSignal;
  sigemptyset(&action.sa_mask);
  for (int number : kCancelSignals) sigaddset(&action.sa_mask, number);
  action.sa_flags = SA_RESTART;
  for (int number : kCancelSignals) sigaction(number, &action, nullptr);
}

bool CancelSignalled() { return signalCount > 0; }

void EndByCancelSignal() {
  const int number = firstSignal;
  if (number == 0) return;
  ::signal(number, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, number);
  ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(number);
}

}  // namespace gleaner
