// The executor's line loop and the flow commands it handles itself.
#include "script/executor.h"

#include <functional>

#include "engine/calc.h"
#include "engine/comparisons.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/find_text.h"
#include "engine/lifecycle.h"
#include "engine/writer.h"
#include "platform/ports.h"
#include "script/compiler.h"
#include "script/engine_commands.h"
#include "script/exec_state.h"
#include "script/line_routes.h"
#include "script/quick_paths.h"
#include "script/values.h"

namespace gleaner {
namespace {

TErrorReporter& Reporter() {
  static TErrorReporter reporter;
  return reporter;
}

void LowerDepth(TScriptLine& line, int by = 1) {
  Exec().Depth -= by;
  if (Exec().Depth < 0) RaiseEngineError(kErrInternal, "SC-ES-SB", CommandName(line.Command));
}

void JumpTo(TScriptLine* line, bool noAdvance) {
  Exec().Current = line;
  Exec().NoAdvance = noAdvance;
}

bool CompareArgs(TScriptLine& line) {
  return Compare(Arg(line, 1), Arg(line, 2), Arg(line, 3), CompiledScript().CompareCtrl);
}

// The optional condition of Begin and Again: none, or three parameters.
bool BlockCondition(TScriptLine& line) {
  if (line.ParmCount == 0) return true;
  if (line.ParmCount != 3) {
    ScriptError("The " + std::string(CommandName(line.Command)) +
                " command must have either three parameters or none");
  }
  return CompareArgs(line);
}

void DoBegin(TScriptLine& line) {
  if (line.BlockEnd == nullptr) ScriptError("ES-DB-ELN");
  ++Exec().Depth;
  if (BlockCondition(line)) return;
  if (line.ElseLine != nullptr) {
    JumpTo(line.ElseLine, false);
  } else {
    JumpTo(line.BlockEnd, false);
    LowerDepth(line);
  }
}

void DoEnd(TScriptLine& line) {
  TExecState& x = Exec();
  LowerDepth(line);
  if (&line == x.SectionEnd) {
    JumpTo(nullptr, false);
  } else if (x.CallDepth > 0 && x.Depth == x.Calls[x.CallDepth - 1].Depth) {
    JumpTo(x.Calls[--x.CallDepth].CallLine, false);
  }
}

void DoAgain(TScriptLine& line) {
  LowerDepth(line);
  if (BlockCondition(line)) JumpTo(line.LoopStart, true);
}

void DoCall(TScriptLine& line) {
  TExecState& x = Exec();
  if (x.CallDepth == kMaxCallDepth) ScriptError("Exceeded maximum nesting of 50 Calls");
  x.Calls[x.CallDepth++] = {&line, x.Depth};
  TValue* proc = line.FirstParm->Value;
  *proc->ValueRef = JoinArgs(line, 2);
  JumpTo(proc->ProcLine, true);
}

void DoExit() {
  TExecState& x = Exec();
  if (x.CallDepth == 0) RaiseEngineError(kErrInternal, "SC-ES-DE-CL", std::to_string(x.CallDepth));
  const TCallFrame frame = x.Calls[--x.CallDepth];
  x.Depth = frame.Depth;
  JumpTo(frame.CallLine, false);
}

void DoCompareCtrl(TScriptLine& line) {
  const std::string_view text = Arg(line, 1);
  const std::string choice = CompareCtrlChoice(text);
  if (choice.empty()) ScriptError(CompareCtrlErrorText(text));
  CompiledScript().CompareCtrl = choice;
}

// Flow commands; false for commands the engine carries out.
bool DispatchFlow(TScriptLine& line) {
  TExecState& x = Exec();
  switch (line.Command) {
    case Cmd::Begin: DoBegin(line); return true;
    case Cmd::Else: JumpTo(line.BlockEnd, true); return true;
    case Cmd::End: DoEnd(line); return true;
    case Cmd::Again: DoAgain(line); return true;
    case Cmd::Break:  // blocks opened inside the loop close with it
      LowerDepth(line, line.InnerBlocks + 1);
      JumpTo(line.BlockEnd, false);
      return true;
    case Cmd::Continue:
      LowerDepth(line, line.InnerBlocks);
      JumpTo(line.BlockEnd, true);
      return true;
    case Cmd::Call: DoCall(line); return true;
    case Cmd::Procedure:
      if (x.CallDepth == 0) {
        JumpTo(line.BlockEnd, false);
      } else {
        ++x.Depth;
      }
      return true;
    case Cmd::Exit: DoExit(); return true;
    case Cmd::Config:
    case Cmd::TaskInit:
    case Cmd::FileInit:
    case Cmd::FileDone:
    case Cmd::TaskDone: JumpTo(line.BlockEnd, false); return true;
    case Cmd::Done: JumpTo(nullptr, false); return true;
    case Cmd::CompareCtrl: DoCompareCtrl(line); return true;
    default: return false;
  }
}

// Chooses the elements of the line's array parameters.
void ResolveArrays(TScriptLine& line) {
  TValueStore* store = nullptr;
  const auto resolve = [&store](TParm* p) {
    if (p == nullptr || p->Kind != ElemKind::Array) return;
    if (store == nullptr) store = &CompiledScript().Store;
    ResolveArrayElement(*p, *store);
  };
  for (TParm* p : {line.Target, line.IfLeft, line.IfRight}) resolve(p);
  for (TParm* p = line.FirstParm; p != nullptr; p = p->Next) resolve(p);
}

// If: compare the two values; Otherwise: follow the line before it.
bool ConditionHolds(TScriptLine& line) {
  if (line.Condition == nullptr) return true;
  if (line.Condition == CompiledScript().OtherwiseMarker) {
    line.IfResult = line.Prev->IfResult;
    return !line.IfResult;
  }
  const std::string_view left = ParameterValue(*line.IfLeft);
  const std::string_view right = ParameterValue(*line.IfRight);
  const std::string& caseControl = CompiledScript().CompareCtrl;
  bool holds = false;
  if (!QuickCondition(line.IfPlan, left, line.Condition->Value(), right, line.IfRight->LiteralText(), caseControl,
                      holds)) {
    holds = Compare(left, line.Condition->Value(), right, caseControl);
  }
  line.IfResult = holds;
  return holds;
}

// A line's parameter count never changes, so one check at its first run holds.
void CheckParmCount(TScriptLine& line) {
  if (line.ParmCount < MinParms(line.Command)) {
    RaiseEngineError(kErrInternal,
                     "Parm Count: " + std::to_string(line.ParmCount) + " < " +
                         std::to_string(MinParms(line.Command)),
                     "[" + std::to_string(line.LineNumber) + "] " + std::string(CommandName(line.Command)));
  }
  line.ParmsChecked = true;
}

void RunLine(TScriptLine& line) {
  Eng().ScriptLineNumber = line.LineNumber;
  if (line.Route > TLineRoute::General && RunLineRoute(line)) return;
  if (!line.ParmsChecked) CheckParmCount(line);
  if (line.HasArrays) ResolveArrays(line);
  if (!ConditionHolds(line)) return;
  if (DispatchFlow(line)) return;
  if (kNotSupported.Has(line.Command)) {
    RaiseEngineError(kErrNotSupported, "Command not yet supported", CommandName(line.Command));
  }
  if (!DispatchEngineCommand(line)) {
    RaiseEngineError(kErrInternal, "SC-ES-UC", CommandName(line.Command));
  }
  if (line.Route == TLineRoute::Undecided) ChooseLineRoute(line);
}

// Positions the executor on the first line of the step; false when the section is missing.
bool EnterStep(Cmd section) {
  TExecState& x = Exec();
  x.Current = CompiledScript().First();
  x.SectionEnd = nullptr;
  if (section == Cmd::Undetermined) return true;
  while (x.Current != nullptr && x.Current->Command != section) x.Current = x.Current->Next;
  if (x.Current == nullptr) return false;
  x.SectionEnd = x.Current->BlockEnd;
  x.Depth = 1;
  x.Current = x.Current->Next;
  return true;
}

}  // namespace

void ScriptError(const std::string& message) {
  if (Exec().Current == nullptr) RaiseEngineError(kErrInternal, "SC-ES-EC-Nil", message);
  RaiseEngineError(kErrScript,
                   "Script error\r\n\r\nLine " + std::to_string(Exec().Current->LineNumber) + " of " +
                       CompiledScript().FileName,
                   message);
}

void Execute(Cmd section) {
  Rounding("Yes");
  TExecState& x = Exec();
  // Compared first: the same phase for every record, and assigning costs more.
  if (!SameShortText(Eng().ScriptPhase, Eng().StepName)) Eng().ScriptPhase = Eng().StepName;
  x.Depth = 0;
  x.CallDepth = 0;
  x.NoAdvance = false;
  Eng().ScriptLineNumber = 0;
  if (!EnterStep(section)) return;
  IEventPump& pump = *Ports().EventPump;  // the front end sets it before any run
  // The interface acts as the step starts and after every jump that does not
  // advance (Again, Continue, Call, Else): only those can repeat lines without
  // end. Straight lines run on, as each record gives it a turn anyway.
  bool pumpDue = true;
  while (x.Current != nullptr) {
    if (pumpDue) {
      pump.PumpEvents();
      if (Eng().CancelRequested) break;
    }
    RunLine(*x.Current);
    if (x.Current == nullptr) break;
    pumpDue = x.NoAdvance;
    if (x.NoAdvance) {
      x.NoAdvance = false;
    } else {
      x.Current = x.Current->Next;
    }
  }
  if (Eng().CancelRequested) CancelProcessing();
}

void RunMainWithText(std::string_view text) {
  if (!Exec().Active) {
    OutEnd(text);
    return;
  }
  if (CompiledScript().Empty()) RaiseEngineError(kErrInternal, "SC-ASOE-NFSL", "Script not initialized");
  // Appended after a clear, cheaper than the general assign, unless text lies in $OutData itself.
  std::string& outData = ScriptTexts().OutData;
  const std::less<const char*> before;
  if (!text.empty() && !before(text.data(), outData.data()) &&
      before(text.data(), outData.data() + outData.capacity())) {
    outData.assign(text);
  } else {
    outData.clear();
    outData.append(text);
  }
  Execute(Cmd::Undetermined);
}

void RunMainWithoutText() {
  if (!Exec().Active) {
    OutNull();
    return;
  }
  if (CompiledScript().Empty()) RaiseEngineError(kErrInternal, "SC-ASON-NFSL", "Script not initialized");
  ScriptTexts().OutData.clear();
  Execute(Cmd::Undetermined);
}

void SetErrorReporter(TErrorReporter reporter) { Reporter() = std::move(reporter); }

void ReportError(const std::string& message) {
  if (Reporter()) Reporter()(message);
}

bool ScriptActive() { return Exec().Active; }
void SetScriptActive(bool active) { Exec().Active = active; }

void SetSuccess(bool success) { ScriptTexts().Success = success ? "Y" : "N"; }

const std::string& CompareCtrl() { return CompiledScript().CompareCtrl; }

}  // namespace gleaner
