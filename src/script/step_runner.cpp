// The step order of a processing run.
#include "script/step_runner.h"

#include "engine/engine_errors.h"
#include "engine/lifecycle.h"

namespace gleaner {
namespace {

// Runs one block; a NextStep raised inside ends it quietly.
template <typename Block>
void Guarded(Block block) {
  try {
    block();
  } catch (const ENextStep&) {
  }
}

void Section(Cmd code) {
  if (ScriptActive()) Execute(code);
}

void RecordLoop(TRunHandlers& handlers) {
  Eng().StepName = "Main";
  Guarded([&] {
    while (ReadNextRecord()) {
      try {
        handlers.Main();
      } catch (const ENextRecord&) {
      }
    }
  });
}

}  // namespace

void RunSteps(TRunHandlers& handlers) {
  TEngineState& eng = Eng();
  if (ScriptActive()) {
    eng.StepName = "Config";
    Guarded([] { Execute(Cmd::Config); });
    handlers.AfterConfig();
  }
  eng.StepName = "TaskInit";
  Guarded([&] {
    handlers.TaskInit();
    Section(Cmd::TaskInit);
  });
  do {
    handlers.FileStarted();
    eng.StepName = "FileInit";
    eng.RecordCount = "0";
    Guarded([&] {
      handlers.FileInit();
      Section(Cmd::FileInit);
    });
    RecordLoop(handlers);
    eng.StepName = "FileDone";
    Guarded([&] {
      Section(Cmd::FileDone);
      handlers.FileDone();
    });
  } while (NextInputFile());
  eng.StepName = "TaskDone";
  Guarded([&] {
    Section(Cmd::TaskDone);
    handlers.TaskDone();
  });
}

}  // namespace gleaner
