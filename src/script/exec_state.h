// Internal to the executor: its state and the parameter fetch used by the
// engine-command handlers. The line loop allocates nothing of its own: "all"
// joins reuse one buffer, values are read through references. Implemented
// in exec_state.cpp, except ScriptError and ReportError, which stand with the
// line loop in executor.cpp.
#pragma once

#include <string>
#include <string_view>

#include "script/compiled_script.h"
#include "script/script_line.h"

namespace gleaner {

inline constexpr int kMaxCallDepth = 50;

struct TCallFrame {
  TScriptLine* CallLine = nullptr;
  int Depth = 0;
};

struct TExecState {
  TScriptLine* Current = nullptr;
  TScriptLine* SectionEnd = nullptr;
  bool NoAdvance = false;
  int Depth = 0;
  TCallFrame Calls[kMaxCallDepth];
  int CallDepth = 0;
  bool Active = false;
  std::string Joined;  // scratch for "all" parameter joins
};

// Constant-initialised, so the line loop reaches it without a guard or a call.
extern TExecState gExecState;
inline TExecState& Exec() { return gExecState; }

// Script error (kind 8) for the current line: "Line n of <script>".
[[noreturn]] void ScriptError(const std::string& message);

[[noreturn]] void RaiseMissingParm(int n);

// Parameter n (1-based) of a line, or null past ParmCount.
inline TParm* ParmAt(TScriptLine& line, int n) {
  if (n > line.ParmCount) return nullptr;
  TParm* p = line.FirstParm;
  for (int i = 1; i < n && p != nullptr; ++i) p = p->Next;
  if (p == nullptr) RaiseMissingParm(n);
  return p;
}
[[noreturn]] void RaiseAbsentParm(const TScriptLine& line, int n);

// The value of parameter n, which must be given. (The default is no
// optional: one handed through memory stalls the hot commands.)
inline std::string_view Arg(TScriptLine& line, int n) {
  TParm* p = ParmAt(line, n);
  if (p == nullptr) RaiseAbsentParm(line, n);
  return ParameterValue(*p);
}
// The value of parameter n, or fallback when it is absent.
inline std::string_view Arg(TScriptLine& line, int n, std::string_view fallback) {
  TParm* p = ParmAt(line, n);
  return p != nullptr ? ParameterValue(*p) : fallback;
}
// The variable text of parameter n itself, range and step not applied.
inline std::string& VarArg(TScriptLine& line, int n) {
  TParm* p = ParmAt(line, n);
  if (p == nullptr) RaiseAbsentParm(line, n);
  return *p->Value->ValueRef;
}
// The values of parameters from..ParmCount joined with nothing between.
std::string_view JoinArgs(TScriptLine& line, int from = 1);
// Stores a result into the line's target variable.
void SetTarget(TScriptLine& line, std::string_view value);

// Hands an error text to the reporter the interface installed, if any.
void ReportError(const std::string& message);

}  // namespace gleaner
