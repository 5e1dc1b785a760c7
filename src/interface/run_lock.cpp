// Taking the home folder's run lock for one start of a run.
#include "interface/run_lock.h"

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "platform/cancel_signals.h"
#include "platform/ports.h"

namespace gleaner {

bool HoldRunLock(THomeLock& lock, TMainForm& form, IMainView& view) {
  const std::string file = HomeFolder() + EngineInfo().CfgProgramName + ".lock";
  TControl& note = form[kLblShowNote];
  const TControl before = note;
  const auto tellWaiting = [&](long holder) {
    const std::string who = holder > 0 ? "process " + std::to_string(holder) : "another process";
    const std::string text = "Waiting for " + who + " to finish its run (" + file + ")";
    note.Caption = text;
    note.Visible = true;
    view.ShowStatus(text);
  };
  // Closing the form while it waits asks for a cancel, as it does in a run.
  Eng().CancelRequested = false;
  const auto keepWaiting = [] {
    Ports().EventPump->PumpEvents();
    return !CancelSignalled() && !Eng().CancelRequested;
  };
  const bool held = lock.Acquire(file, tellWaiting, keepWaiting);
  note = before;  // the note served the wait only
  return held;
}

}  // namespace gleaner
