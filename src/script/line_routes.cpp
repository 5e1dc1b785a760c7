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
  // The literal settings after the first parameter, absent ones as their
  // defaults; a literal is never written, so a view of it stays valid.
  std::string_view Texts[3];
  // Where the variables' texts live, which never changes while the script
  // does: Parse's source and target, OutCSV's value when read whole (else null).
  std::string* Source = nullptr;
  std::string* Target = nullptr;
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

void RunParse(TLineRouteState& state) {
  ParseRoutine(*state.Source, state.Texts[0], state.Texts[1], *state.Target, state.Texts[2], &state.Parse);
}

// A value in the record being built would move with it: the general path copies it.
bool RunOutCsv(TScriptLine& line, TLineRouteState& state) {
  const std::string_view value = state.Source != nullptr ? *state.Source : ParameterValue(*line.FirstParm);
  const std::string& record = Eng().Csv.Record;
  const std::less_equal<const char*> notAfter;
  if (notAfter(record.data(), value.data()) && notAfter(value.data(), record.data() + record.size())) return false;
  OutCSV(value, state.Texts[0], &state.Csv);
  return true;
}

}  // namespace

void ChooseLineRoute(TScriptLine& line) {
  line.Route = TLineRoute::General;
  if (line.HasArrays || line.Condition != nullptr || !line.ParmsChecked) return;
  if (line.Command == Cmd::Parse && ParseRoutable(line)) line.Route = TLineRoute::Parse;
  if (line.Command == Cmd::OutCSV && OutCsvRoutable(line)) line.Route = TLineRoute::OutCsv;
  if (line.Route == TLineRoute::General) return;
  auto state = std::make_shared<TLineRouteState>();
  state->Parse.FixedTexts = true;
  state->Csv.FixedMode = true;
  state->Texts[2] = kParseDefaultControl;
  int n = 0;
  for (const TParm* p = line.FirstParm->Next; p != nullptr; p = p->Next) state->Texts[n++] = *p->LiteralText();
  const TParm& first = *line.FirstParm;
  const bool whole = first.RangeStart == 0 && first.RangeEnd == 0 && first.Step == 0;
  if (line.Route == TLineRoute::Parse || whole) state->Source = first.Value->ValueRef;
  if (line.Route == TLineRoute::Parse) state->Target = line.Target->Value->ValueRef;
  line.RouteState = std::move(state);
}

bool RunLineRoute(TScriptLine& line) {
  TLineRouteState& state = *line.RouteState;
  if (line.Route == TLineRoute::OutCsv) return RunOutCsv(line, state);
  RunParse(state);
  return true;
}

}  // namespace gleaner
