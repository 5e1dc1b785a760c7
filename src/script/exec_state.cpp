// exec_state.h: the executor's state and the parameter fetch for the
// engine-command handlers.
#include "engine/engine_errors.h"
#include "commands/command_table.h"
#include "script/exec_state.h"
#include "script/values.h"

namespace gleaner {

constinit TExecState gExecState;

void RaiseMissingParm(int n) { RaiseEngineError(kErrInternal, "SC-ES-PD-NN", std::to_string(n)); }

void RaiseAbsentParm(const TScriptLine& line, int n) {
  RaiseEngineError(kErrInternal, "SC-ES-PD-NP", std::to_string(n) + ">" + std::to_string(line.ParmCount));
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
