// The Gleaner script layer: what a caller outside it may use. Include this
// header, never the layer's own headers (scripts/check-includes.sh holds
// every layer to it). A script file is compiled once into lines the executor
// runs; a processing run is the engine's run with the script's sections and
// the application's handlers in a fixed step order.
//
// Preparing a script. PrepareScript checks the name, compiles the file and
// activates it; a failure has been reported through the error reporter and
// leaves no script active ("None" means no script) (executor.h, compiler.h):
//
//   SetErrorReporter([](const std::string& message) { std::cerr << message; });
//   if (!PrepareScript("ScrReport.txt")) return;
//
// Running the steps. With the engine open, RunSteps runs Config, TaskInit,
// every file's FileInit, Main per record and FileDone, then TaskDone, the
// application's handlers beside the sections of the same name; engine errors
// and stops leave it as exceptions (step_runner.h):
//
//   class TMyHandlers : public TRunHandlers {
//     void Main() override { RunMainWithText(Eng().Record); }
//   };
//   TMyHandlers handlers;
//   RunSteps(handlers);
//
// One section on its own, as the configuration-only run does:
//
//   Execute(Cmd::Config);
//
// Afterwards FreeCompiledScript releases the compiled lines and
// SetScriptActive(false) turns the script off; OnceOnlyWarning names the
// variables written only once. Values the script layer exposes as special
// variables ($AppParms, $Success, ...) are in ScriptTexts() (values.h).
#pragma once

#include "script/compiler.h"
#include "script/executor.h"
#include "script/step_runner.h"
#include "script/values.h"
