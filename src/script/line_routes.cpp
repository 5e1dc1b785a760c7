// line_routes.h: the direct Parse and OutCSV routes.
#include "script/line_routes.h"

#include <functional>

#include "engine/csv.h"
#include "engine/engine_state.h"
#include "engine/parse.h"

namespace gleaner {

// The settings a routed line keeps from run to run.
struct TLineRouteState {
  TParsePlan Parse;
  TCsvModePlan Csv;
};

namespace {

bool Plain(const TParm* p) { return p != nullptr && p->Kind != ElemKind::Array; }

// Parameters from p on are whole literals: the same text on every run, never
// in the storage of a variable the command changes.
bool LiteralsFrom(const TParm* p) {
  for (; p != nullptr; p = p->Next) {
    if (p->LiteralText() == nullptr) return false;
  }
  return true;
}

std::string_view TextOf(const TParm* p, std::string_view absent) {
  return p != nullptr ? std::string_view(*p->LiteralText()) : absent;
}

// Target = Parse Source 'from' ['to' ['control']], target not the source:
// the result is written straight into the target.
bool ParseRoutable(const TScriptLine& line) {
  const TParm* source = line.FirstParm;
  return line.ParmCount <= 4 && Plain(line.Target) && Plain(source) &&
         source->Value->ValueRef != line.Target->Value->ValueRef && LiteralsFrom(source->Next);
}

// OutCSV value ['mode'].
bool OutCsvRoutable(const TScriptLine& line) {
  return line.ParmCount <= 2 && Plain(line.FirstParm) && LiteralsFrom(line.FirstParm->Next);
}

void RunParse(TScriptLine& line, TParsePlan& plan) {
  const TParm* from = line.FirstParm->Next;
  const TParm* to = from->Next;
  const TParm* control = to != nullptr ? to->Next : nullptr;
  ParseRoutine(*line.FirstParm->Value->ValueRef, TextOf(from, {}), TextOf(to, {}),
               *line.Target->Value->ValueRef, TextOf(control, kParseDefaultControl), &plan);
}

// A value in the record being built would move with it: the general path copies it.
bool RunOutCsv(TScriptLine& line, TCsvModePlan& plan) {
  const std::string_view value = ParameterValue(*line.FirstParm);
  const std::string& record = Eng().Csv.Record;
  const std::less_equal<const char*> notAfter;
  if (notAfter(record.data(), value.data()) && notAfter(value.data(), record.data() + record.size())) return false;
  OutCSV(value, TextOf(line.FirstParm->Next, {}), &plan);
  return true;
}

}  // namespace

void ChooseLineRoute(TScriptLine& line) {
  line.Route = TLineRoute::General;
  if (line.HasArrays || line.Condition != nullptr || !line.ParmsChecked) return;
  if (line.Command == Cmd::Parse && ParseRoutable(line)) line.Route = TLineRoute::Parse;
  if (line.Command == Cmd::OutCSV && OutCsvRoutable(line)) line.Route = TLineRoute::OutCsv;
  if (line.Route == TLineRoute::General) return;
  line.RouteState = std::make_shared<TLineRouteState>();
  line.RouteState->Parse.FixedTexts = true;
  line.RouteState->Csv.FixedMode = true;
}

bool RunLineRoute(TScriptLine& line) {
  TLineRouteState& state = *line.RouteState;
  if (line.Route == TLineRoute::OutCsv) return RunOutCsv(line, state.Csv);
  RunParse(line, state.Parse);
  return true;
}

}  // namespace gleaner
