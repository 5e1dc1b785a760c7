// Parameter fetch for the engine-command handlers.
#include "engine/engine_errors.h"
#include "commands/command_table.h"
#include "script/exec_state.h"
#include "script/values.h"

namespace gleaner {

TParm* ParmAt(TScriptLine& line, int n) {
  if (n > line.ParmCount) return nullptr;
  TParm* p = line.FirstParm;
  for (int i = 1; i < n && p != nullptr; ++i) p = p->Next;
  if (p == nullptr) RaiseEngineError(kErrInternal, "SC-ES-PD-NN", std::to_string(n));
  return p;
}

std::string_view Arg(TScriptLine& line, int n, std::optional<std::string_view> fallback) {
  TParm* p = ParmAt(line, n);
  if (p != nullptr) return ParameterValue(*p);
  if (!fallback) {
    RaiseEngineError(kErrInternal, "SC-ES-PD-NP", std::to_string(n) + ">" + std::to_string(line.ParmCount));
  }
  return *fallback;
}

std::string& VarArg(TScriptLine& line, int n) {
  TParm* p = ParmAt(line, n);
  if (p == nullptr) {
    RaiseEngineError(kErrInternal, "SC-ES-PD-NP", std::to_string(n) + ">" + std::to_string(line.ParmCount));
  }
  return *p->Value->ValueRef;
}

std::string_view JoinArgs(TScriptLine& line, int from) {
  std::string& joined = Exec().Joined;
  joined.clear();
  int n = 1;
  for (TParm* p = line.FirstParm; p != nullptr; p = p->Next, ++n) {
    if (n < from) continue;
    const std::string_view value = ParameterValue(*p);
    CheckValueLength(joined.size() + value.size(), line.Command);
    joined.append(value);
  }
  return joined;
}

void SetTarget(TScriptLine& line, std::string_view value) { line.Target->Value->ValueRef->assign(value); }

}  // namespace gleaner
