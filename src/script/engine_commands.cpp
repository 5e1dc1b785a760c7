// The engine commands as the executor hands them over: which parameter values
// each operation receives, the defaults, the accepted parameter counts and
// where results go. The operations themselves live in the engine.
#include <array>
#include <span>
#include <functional>
#include <optional>

#include "engine/calc.h"
#include "engine/char_commands.h"
#include "engine/comparisons.h"
#include "engine/csv.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/field_commands.h"
#include "engine/file_commands.h"
#include "engine/lookup_files.h"
#include "engine/mass_change.h"
#include "engine/parse.h"
#include "engine/process_log.h"
#include "engine/scan_commands.h"
#include "engine/writer.h"
#include "script/compiler.h"
#include "script/detached_values.h"
#include "script/engine_commands.h"
#include "script/exec_state.h"
#include "script/executor.h"
#include "script/quick_paths.h"

namespace gleaner {

// Settings a line's command has read, kept from run to run of the line.
struct TCommandPlan {
  TParsePlan Parse;
  TCsvModePlan CsvMode;
  std::string Result;  // the command's result before it is stored
  bool CalcReady = false;
  char CalcOperation = 0;  // the literal operation QuickCalc takes, or 0
  TLookupPlan Lookup;
  TOptionMemo Option;  // the option word of ChangeCase or Change
};

namespace {

using THandler = void (*)(TScriptLine&);

struct TEngineCommand {
  Cmd Code;
  int MaxParms;  // more parameters: the operation is not called (0 = no limit)
  THandler Run;
  THandler Surplus = nullptr;  // what is stored instead when there are too many
  // Never makes a value longer than one it was handed (Parse takes a piece
  // of its source; OutCSV changes no parameter and no target, only its own
  // record, which has a limit of its own), so no length check follows it.
  bool Bounded = false;
};

std::optional<std::string_view> OptionalArg(TScriptLine& line, int n) {
  if (n > line.ParmCount) return std::nullopt;
  return Arg(line, n);
}

// Runs op(var, detached args...) for an operation that changes var.
template <typename Op, typename... Args>
auto OnVariable(std::string& var, Op op, Args... args) {
  TDetached detach(var);
  return op(var, detach(args)...);
}

// The same for an operation that also takes the line's memo of its option word.
template <typename Op, typename... Args>
auto OnVariableWithMemo(std::string& var, TOptionMemo& memo, Op op, Args... args) {
  TDetached detach(var);
  return op(var, detach(args)..., &memo);
}

void Odb(TScriptLine& line) {
  for (TParm* p = line.FirstParm; p != nullptr; p = p->Next) {
    const std::string_view parts[] = {"|", ParameterValue(*p)};
    Output(parts);
  }
  OutEnd("|");
}

TCommandPlan& PlanOf(TScriptLine& line) {
  if (!line.Plan) line.Plan = std::make_shared<TCommandPlan>();
  return *line.Plan;
}

// Whether the parameters from first on are all fixed (or none are given):
// a plan then reads their texts once and never compares them again.
bool FixedFrom(TScriptLine& line, int first) {
  for (TParm* p = ParmAt(line, first); p != nullptr; p = p->Next) {
    if (!p->Fixed()) return false;
  }
  return true;
}

// OutCSV, Que and ScanFollow only read their first parameter, so its range
// and step apply as for any value. A single value is handed over as it
// stands, unless it lies in the CSV record itself.
void OutCsvCommand(TScriptLine& line) {
  TCsvModePlan* plan = &PlanOf(line).CsvMode;
  if (!plan->Ready) plan->FixedMode = FixedFrom(line, 2);
  const std::string_view first = Arg(line, 1);
  const std::string& record = Eng().Csv.Record;
  const std::less_equal<const char*> notAfter;
  const bool inRecord = notAfter(record.data(), first.data()) && notAfter(first.data(), record.data() + record.size());
  if (line.ParmCount <= 2 && !inRecord) {
    OutCSV(first, Arg(line, 2, {}), plan);
    return;
  }
  std::string value(first);
  value += JoinArgs(line, 3);
  OutCSV(value, line.ParmCount >= 2 ? Arg(line, 2) : std::string_view(), plan);
}

// The first parameters of a line and whether any parameter reads the
// target's text, found in one walk of the list.
struct TParmsRead {
  std::array<TParm*, 4> At{};  // parameters 1 to 4, null past the last
  bool ReadsTarget = false;
};

TParmsRead ReadParms(TScriptLine& line) {
  TParmsRead read;
  const std::string* target = line.Target->Value->ValueRef;
  std::size_t n = 0;
  for (TParm* p = line.FirstParm; p != nullptr; p = p->Next) {
    read.ReadsTarget = read.ReadsTarget || p->Value->ValueRef == target;
    if (n < read.At.size()) read.At[n++] = p;
  }
  return read;
}

// The result is built straight in the target when no parameter of the line
// reads the target's text, else in the plan's buffer, copied to the target
// afterwards; the routine writes its result only once it has read
// everything else. The parameters are read last to first, as the general
// call always read them.
void ParseCommand(TScriptLine& line) {
  TCommandPlan& plan = PlanOf(line);
  if (!plan.Parse.Ready) plan.Parse.FixedTexts = FixedFrom(line, 2);
  const TParmsRead parms = ReadParms(line);
  if (parms.At[1] == nullptr) {  // raises the error of a missing parameter
    VarArg(line, 1);
    Arg(line, 2);
  }
  std::string& source = *parms.At[0]->Value->ValueRef;
  std::string& result = parms.ReadsTarget ? plan.Result : *line.Target->Value->ValueRef;
  TDetached detach(source);
  const std::string_view control = detach(parms.At[3] != nullptr ? ParameterValue(*parms.At[3]) : kParseDefaultControl);
  const std::string_view end = detach(parms.At[2] != nullptr ? ParameterValue(*parms.At[2]) : std::string_view());
  const std::string_view start = detach(ParameterValue(*parms.At[1]));
  ParseRoutine(source, start, end, result, control, &plan.Parse);
  if (&result == &plan.Result) SetTarget(line, result);
}

// A literal operation is read once; integer operands are computed straight
// into the target (they are read before it is written).
void CalcCommand(TScriptLine& line) {
  TCommandPlan& plan = PlanOf(line);
  if (!plan.CalcReady) {
    const std::string* operation = ParmAt(line, 2) != nullptr ? ParmAt(line, 2)->LiteralText() : nullptr;
    plan.CalcOperation = operation != nullptr ? QuickCalcOperation(*operation) : 0;
    plan.CalcReady = true;
  }
  // Read last to first, as the parameters of the general call always were.
  const std::string_view second = Arg(line, 3);
  const std::string_view operation = Arg(line, 2);
  const std::string_view first = Arg(line, 1);
  if (QuickCalc(plan.CalcOperation, first, second, *line.Target->Value->ValueRef)) return;
  SetTarget(line, Calc(first, operation, second));
}

// The values go to the writer as they stand, without the join buffer; a
// line of more values than the room here, or values longer than a value
// may be, takes the join, which raises the length error.
template <void (*Write)(std::span<const std::string_view>)>
void WriteValuesCommand(TScriptLine& line) {
  constexpr int kRoom = 24;
  // Kept from call to call: an array of the line's own would be cleared on
  // every call. Nothing the writer does runs another script line.
  static std::array<std::string_view, kRoom> values;
  std::size_t count = 0;
  std::size_t total = 0;
  for (TParm* p = line.FirstParm; p != nullptr && count < kRoom; p = p->Next) {
    values[count] = ParameterValue(*p);
    total += values[count++].size();
  }
  if (line.ParmCount > kRoom || total > kMaxValueLength) {
    const std::string_view all[] = {JoinArgs(line)};
    return Write(std::span<const std::string_view>(all));
  }
  Write(std::span<const std::string_view>(values.data(), count));
}

// Several values are joined straight into the target when none of them is
// read from it or stepped (reading a stepped value may raise an error, which
// must come at the same point of the join); with their total length checked
// first, the target is left as it was when the join is too long.
bool JoinIntoTarget(TScriptLine& line) {
  std::string& target = *line.Target->Value->ValueRef;
  std::size_t total = 0;
  for (TParm* p = line.FirstParm; p != nullptr; p = p->Next) {
    if (p->Step != 0 || p->Value->ValueRef == &target) return false;
    total += ParameterValue(*p).size();
  }
  if (total > kMaxValueLength) return false;
  target.clear();
  for (TParm* p = line.FirstParm; p != nullptr; p = p->Next) target.append(ParameterValue(*p));
  return true;
}

// One value is stored straight from where it lives, without the join
// buffer on the way; assign copes with a value that is part of the target.
void AssignCommand(TScriptLine& line) {
  if (line.ParmCount != 1) {
    if (!JoinIntoTarget(line)) SetTarget(line, JoinArgs(line));
    return;
  }
  const std::string_view value = ParameterValue(*line.FirstParm);
  CheckValueLength(value.size(), line.Command);
  SetTarget(line, value);
}

// The case change is written straight into the target, without a copy on
// the way: the routine reads its parameters before it writes.
void ChangeCaseCommand(TScriptLine& line) {
  TCommandPlan& plan = PlanOf(line);
  const std::string_view option = Arg(line, 2, "Uppercase");
  const std::string_view value = Arg(line, 1);
  ChangeCaseInto(*line.Target->Value->ValueRef, value, option, &plan.Option);
}

// Lookup reads every parameter before it writes the target, so none is
// detached from it.
void LookupCommand(TScriptLine& line) {
  TLookupPlan& plan = PlanOf(line).Lookup;
  const std::string_view options = Arg(line, 3, "MatchCase");
  const std::string_view shortName = Arg(line, 2);
  const std::string_view key = Arg(line, 1);
  SetSuccess(Lookup(*line.Target->Value->ValueRef, key, shortName, options, &plan));
}

void ScanPosnCommand(TScriptLine& line) {
  const TScanPosnResult r = ScanPosn(Arg(line, 3), Arg(line, 5, "Any IgnoreCase"), Arg(line, 4));
  SetSuccess(r.Found);
  VarArg(line, 1) = r.Start;
  VarArg(line, 2) = r.End;
}

void SetFromFileCommand(TScriptLine& line) {
  std::string& target = *line.Target->Value->ValueRef;
  const bool ok = OnVariable(target, SetFromFile, Arg(line, 1), Arg(line, 2, "Text Clean"));
  SetSuccess(ok);
  if (!ok) target.clear();
}


const std::array kCommands = {
    TEngineCommand{Cmd::Assign, 0, AssignCommand},
    TEngineCommand{Cmd::AlphaNumPatt, 2, [](TScriptLine& l) { SetTarget(l, AlphaNumPatt(Arg(l, 1), OptionalArg(l, 2))); }},
    TEngineCommand{Cmd::Calc, 0, CalcCommand},
    TEngineCommand{Cmd::CalcReal, 4,
                   [](TScriptLine& l) { SetTarget(l, CalcReal(Arg(l, 1), Arg(l, 2), Arg(l, 3), Arg(l, 4, "2"))); }},
    TEngineCommand{Cmd::Change, 0,
                   [](TScriptLine& l) {
                     OnVariableWithMemo(VarArg(l, 1), PlanOf(l).Option, Change, Arg(l, 2), Arg(l, 3),
                                        Arg(l, 4, "MultiPass"));
                   }},
    TEngineCommand{Cmd::ChangeCase, 2, ChangeCaseCommand},
    TEngineCommand{Cmd::Cols, 3, [](TScriptLine& l) { SetTarget(l, Cols(Arg(l, 1), Arg(l, 2), Arg(l, 3, Arg(l, 2)))); }},
    TEngineCommand{Cmd::Dec, 0, [](TScriptLine& l) { OnVariable(VarArg(l, 1), Dec, Arg(l, 2, "1")); }},
    TEngineCommand{Cmd::FindPosn, 3,
                   [](TScriptLine& l) {
                     OnVariable(*l.Target->Value->ValueRef, FindPosn, Arg(l, 1), Arg(l, 2), Arg(l, 3, kPlaceDefaultControl));
                   }},
    TEngineCommand{Cmd::Inc, 0, [](TScriptLine& l) { OnVariable(VarArg(l, 1), Inc, Arg(l, 2, "1")); }},
    TEngineCommand{Cmd::Insert, 4,
                   [](TScriptLine& l) {
                     SetSuccess(OnVariable(VarArg(l, 1), Insert, Arg(l, 2), Arg(l, 3), Arg(l, 4, kPlaceDefaultControl)));
                   }},
    TEngineCommand{Cmd::KeepChar, 0, [](TScriptLine& l) { OnVariable(VarArg(l, 1), KeepChar, Arg(l, 2)); }},
    TEngineCommand{Cmd::Len, 0, [](TScriptLine& l) { SetTarget(l, Len(JoinArgs(l))); }},
    TEngineCommand{Cmd::LogMsg, 0, [](TScriptLine& l) { LogMsg(JoinArgs(l)); }},
    TEngineCommand{Cmd::LogMsgLF, 0, [](TScriptLine&) { LogMsgLF(); }},
    TEngineCommand{Cmd::Lookup, 3, LookupCommand},
    TEngineCommand{Cmd::LookupFile, 4,
                   [](TScriptLine& l) { LookupFile(Arg(l, 1), Arg(l, 2), Arg(l, 3, "1"), Arg(l, 4, "2")); }},
    TEngineCommand{Cmd::MassChange, 3,
                   [](TScriptLine& l) { OnVariable(VarArg(l, 1), MassChange, Arg(l, 2), Arg(l, 3, "MatchCase")); }},
    TEngineCommand{Cmd::NextRecord, 0, [](TScriptLine&) { NextRecord(); }},
    TEngineCommand{Cmd::NextStep, 0, [](TScriptLine&) { NextStep(); }},
    TEngineCommand{Cmd::Odb, 0, Odb},
    TEngineCommand{Cmd::OutCSV, 0, OutCsvCommand, nullptr, true},
    TEngineCommand{Cmd::OutEnd, 0, WriteValuesCommand<OutEnd>},
    TEngineCommand{Cmd::OutNull, 0, [](TScriptLine&) { OutNull(); }},
    TEngineCommand{Cmd::Output, 0, WriteValuesCommand<Output>},
    TEngineCommand{Cmd::Outruler, 0, [](TScriptLine& l) { Outruler(JoinArgs(l)); }},
    TEngineCommand{Cmd::Overlay, 4,
                   [](TScriptLine& l) {
                     SetSuccess(OnVariable(VarArg(l, 1), Overlay, Arg(l, 2), Arg(l, 3), Arg(l, 4, kPlaceDefaultControl)));
                   }},
    TEngineCommand{Cmd::Padded, 4,
                   [](TScriptLine& l) {
                     SetTarget(l, Padded(Arg(l, 1), Arg(l, 2), Arg(l, 3, "Right"), Arg(l, 4, " ")));
                   }},
    TEngineCommand{Cmd::Parse, 4, ParseCommand, nullptr, true},
    TEngineCommand{Cmd::Que, 4,
                   [](TScriptLine& l) { SetTarget(l, Que(Arg(l, 1), Arg(l, 2), Arg(l, 3), Arg(l, 4, CompareCtrl()))); },
                   [](TScriptLine& l) { SetTarget(l, "Y"); }},
    TEngineCommand{Cmd::Rounding, 0, [](TScriptLine& l) { Rounding(VarArg(l, 1)); }},
    TEngineCommand{Cmd::ScanFollow, 4,
                   [](TScriptLine& l) {
                     SetTarget(l, ScanFollow(Arg(l, 1), Arg(l, 2), OptionalArg(l, 3), Arg(l, 4, "IgnoreCase")));
                   }},
    TEngineCommand{Cmd::ScanPosn, 5, ScanPosnCommand,
                   [](TScriptLine& l) {
                     VarArg(l, 1).clear();
                     VarArg(l, 2).clear();
                   }},
    TEngineCommand{Cmd::SetFromFile, 2, SetFromFileCommand,
                   [](TScriptLine& l) {
                     SetSuccess(false);
                     l.Target->Value->ValueRef->clear();
                   }},
    TEngineCommand{Cmd::ShowNote, 0, [](TScriptLine& l) { ShowNote(JoinArgs(l)); }},
    TEngineCommand{Cmd::SplitCSV, 3,
                   [](TScriptLine& l) { SetTarget(l, SplitCSV(Arg(l, 1), Arg(l, 2, "\r"), Arg(l, 3, ","))); }},
    TEngineCommand{Cmd::Stop, 0, [](TScriptLine& l) { Stop(JoinArgs(l)); }},
    TEngineCommand{Cmd::TrimChar, 2, [](TScriptLine& l) { OnVariable(VarArg(l, 1), TrimChar, Arg(l, 2, "B ")); }},
};

// Handlers indexed by command code.
const std::array<const TEngineCommand*, kCommandCount>& CommandIndex() {
  static const auto index = [] {
    std::array<const TEngineCommand*, kCommandCount> built{};
    for (const TEngineCommand& c : kCommands) built[static_cast<std::size_t>(c.Code)] = &c;
    return built;
  }();
  return index;
}

}  // namespace

bool DispatchEngineCommand(TScriptLine& line) {
  const TEngineCommand* command = CommandIndex()[static_cast<std::size_t>(line.Command)];
  if (command == nullptr) return false;
  if (command->MaxParms != 0 && line.ParmCount > command->MaxParms) {
    if (command->Surplus != nullptr) command->Surplus(line);
    return true;
  }
  command->Run(line);
  if (command->Bounded) return true;
  // What a command set grows at most once past the limit before it is caught.
  if (line.Target != nullptr) CheckValueLength(line.Target->Value->Value().size(), line.Command);
  if (line.FirstParm != nullptr) CheckValueLength(line.FirstParm->Value->Value().size(), line.Command);
  return true;
}

}  // namespace gleaner
