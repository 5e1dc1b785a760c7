// Signals that ask a run to stop: SIGINT (Ctrl+C), SIGTERM (kill, timeout,
// service managers) and SIGHUP (the terminal went away) all act as Cancel, so
// finished records are written and the logs are completed. A second signal
// ends the program at once with the default action of that signal.
//
// Both front ends install the handlers once at start-up and poll the flag
// from their event pump during a run:
//
//   InstallCancelSignals();
//   ...
//   void PumpEvents() override { if (CancelSignalled()) Eng().CancelRequested = true; }
#pragma once

namespace gleaner {

// Installs the handlers for SIGINT, SIGTERM and SIGHUP. System calls the
// signal interrupts are restarted.
void InstallCancelSignals();

// True once any of the signals has arrived.
bool CancelSignalled();

// After the clean cancel: ends the program by the first of the signals, with
// its default action, so the parent sees the signal (a shell: 128 + its
// number) and a loop over files stops, as it does for any Unix filter.
// Returns only when no signal has arrived.
void EndByCancelSignal();

}  // namespace gleaner
