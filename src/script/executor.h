// The script executor: runs one step of the compiled script -- a section
// (Config, TaskInit, FileInit, FileDone, TaskDone) or the Main step, which is
// every line outside the sections -- like a program counter over the compiled
// lines. It handles blocks, loops, If/Otherwise and procedure calls itself and
// hands every other command to the engine operation of the same name.
//
//   PrepareScript("ScrReport.txt");      // compile and activate
//
// The configuration-only run of a script's Config section belongs to the run
// controller, which reports its failures by their kind.
//   Execute(Cmd::TaskInit);              // a section
//   RunMainWithText(line);               // the Main step for one record
//
// The executor catches nothing: EParse, EParseStop, ENextRecord and ENextStep
// leave it at once for whoever started the step.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "commands/command_table.h"

namespace gleaner {

// Runs a section (its code) or, for Cmd::Undetermined, the Main step.
void Execute(Cmd section);

// The Main step for a record the application hands over ($OutData := text);
// without an active script the text goes straight to the output.
void RunMainWithText(std::string_view text);
// The same for an empty line; without a script, one record end is written.
void RunMainWithoutText();

// Shows an engine error (or a Stop with a message) to the user; the
// interface installs its error-report routine here. The text is the
// exception's message; Eng().ErrorKind tells the kind.
using TErrorReporter = std::function<void(const std::string& message)>;
void SetErrorReporter(TErrorReporter reporter);

// Validates, compiles and activates a script; "None", empty and the
// not-used marker mean no script. False (script inactive) when the name is
// refused or compilation fails; the error has been reported.
bool PrepareScript(const std::string& fileName);
bool ScriptActive();
void SetScriptActive(bool active);

// Stores the success flag and mirrors it into $Success.
void SetSuccess(bool success);

// The CompareCtrl of the compiled script ("IgnoreCase" or "MatchCase").
const std::string& CompareCtrl();

}  // namespace gleaner
