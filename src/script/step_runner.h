// The order of the steps of one processing run, between OpenEngine/BeginRun
// and EndRun/CloseEngine: Config, TaskInit, then for every input file
// FileInit, Main once per record and FileDone, and finally TaskDone. The
// application's handlers run beside the script's sections: TaskInit and
// FileInit before the section of the same name, FileDone and TaskDone after
// it; Main decides what the script's Main step receives. A NextStep ends the
// block it was raised in (the Config section, a handler/section pair, or the
// record loop of one file); a NextRecord ends one record.
#pragma once

#include "engine/engine_state.h"
#include "script/executor.h"

namespace gleaner {

class TRunHandlers {
 public:
  virtual ~TRunHandlers() = default;
  virtual void AfterConfig() {}
  virtual void FileStarted() {}  // a new input file is open (its size is known)
  virtual void TaskInit() {}
  virtual void FileInit() {}
  // Once per record; without an application every record goes to the Main step.
  virtual void Main() { RunMainWithText(Eng().Record); }
  virtual void FileDone() {}
  virtual void TaskDone() {}
};

// Runs every step of an open engine. Engine errors and stops leave it.
void RunSteps(TRunHandlers& handlers);

}  // namespace gleaner
