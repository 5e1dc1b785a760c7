// Internal to the script layer; callers use script/gleaner_script.h.
// Compiled script lines and their parameters. A compiled script is a doubly
// linked list of TScriptLine in source order; every name has been resolved to
// a TValue at compile time, so the executor only follows references.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "commands/command_table.h"
#include "script/quick_paths.h"
#include "script/values.h"

namespace gleaner {

struct TCommandPlan;
struct TLineRouteState;

// How the executor runs a line after its first run (line_routes.h).
enum class TLineRoute : std::uint8_t { Undecided, General, Parse, OutCsv };

// Element kinds shared by the lexer and the compiled parameters.
enum class ElemKind : char {
  Array = 'A',       // X(I): element chosen at run time by the index variable
  Command = 'C',     // a word of the command table
  Comparator = 'K',  // a comparator word, held as a literal value
  Literal = 'L',     // quoted, hex, decimal pieces or a number
  Variable = 'V',    // a script or special variable (literal index folded in)
};

// One parameter, target or If value.
struct TParm {
  ElemKind Kind = ElemKind::Literal;
  TValue* Value = nullptr;      // for Array: the element chosen by the latest resolution
  TValue* ArrayBase = nullptr;  // Array only: the base variable
  TValue* ArrayIndex = nullptr; // Array only: the variable holding the index
  std::int8_t Step = 0;         // +1 for a trailing "+", -1 for "-"
  std::int32_t RangeStart = 0;  // 1-based inclusive range; both 0 when none
  std::int32_t RangeEnd = 0;
  TParm* Next = nullptr;
  std::string Scratch;          // holds a stepped value between reads (no allocation per line)

  // A literal without a step reads as the same text on every run of its
  // line: each literal is a value of its own, which only a command that
  // writes its own first parameter could change.
  bool Fixed() const { return Kind == ElemKind::Literal && Step == 0; }
  // A fixed literal read whole: its text is the value's own, never changing.
  const std::string* LiteralText() const {
    return Fixed() && RangeStart == 0 && RangeEnd == 0 ? &Value->Value() : nullptr;
  }
};

struct TScriptLine {
  std::int32_t LineNumber = 0;     // first physical line of the statement
  TValue* Condition = nullptr;     // If: its comparator value; Otherwise: the OTHERWISE marker
  TParm* IfLeft = nullptr;
  TParm* IfRight = nullptr;
  bool IfResult = false;           // latest evaluation of this line's condition
  TConditionPlan IfPlan;           // what the condition keeps from run to run
  TParm* Target = nullptr;         // variable written before "=" or a function
  Cmd Command = Cmd::Undetermined;
  std::int32_t ParmCount = 0;
  TParm* FirstParm = nullptr;
  TScriptLine* LoopStart = nullptr;  // Again: the Begin it closes
  TScriptLine* ElseLine = nullptr;   // block opener: its Else line
  TScriptLine* BlockEnd = nullptr;   // opener: its End/Again; Else: the End; Break/Continue: the Again
  std::int32_t InnerBlocks = 0;      // Break/Continue: blocks open inside the loop, closed before leaving
  bool HasArrays = false;            // some parameter, target or If value is an Array element
  bool ParmsChecked = false;         // the parameter count passed its check on a run
  TScriptLine* Prev = nullptr;
  TScriptLine* Next = nullptr;
  // What the line's engine command read from its settings on its last run
  // (engine_commands.cpp), made on the first run of a command that keeps one.
  std::shared_ptr<TCommandPlan> Plan;

  // --- Direct routes (line_routes.h): chosen after the line's first run ---
  TLineRoute Route = TLineRoute::Undecided;
  std::shared_ptr<TLineRouteState> RouteState;  // the settings a routed line keeps
};

// Chooses the element an Array parameter refers to, creating it with the
// value of $NotDefined when it does not exist yet.
void ResolveArrayElement(TParm& parm, TValueStore& store);

// The text of a parameter with a range or a step (see ParameterValue).
std::string_view ShapedParameterValue(TParm& parm);

// The text a command receives for a parameter: range and step applied. The
// view stays valid until the parameter or its variable changes.
inline std::string_view ParameterValue(TParm& parm) {
  if (parm.RangeStart == 0 && parm.RangeEnd == 0 && parm.Step == 0) return parm.Value->Value();
  return ShapedParameterValue(parm);
}

}  // namespace gleaner
