// Internal to the executor: fast paths for the commonest script lines. Each
// reads what never changes on its line once (a literal operation, a literal
// operand), answers only the values it can answer exactly as the general
// routine would, and otherwise returns false, so that the general routine
// runs and raises every error with its own text at the same record.
//
//   bool holds;
//   if (!QuickCondition(line, compareCtrl, holds)) holds = Compare(...);
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gleaner {

struct TScriptLine;

// What an If line's condition keeps from run to run.
struct TConditionPlan {
  std::string Word;          // the comparator word Code was found for
  int Code = -1;             // its comparison code; -1: none found
  const std::string* Right = nullptr;  // the literal second value the fields below were read from
  bool RightIsInteger = false;         // a plain decimal 32-bit integer (or empty: 0)
  std::int32_t RightInteger = 0;
};

// The If condition "left word right" under the script's case rule, the
// comparator word looked up once; rightLiteral is the right value when it
// is a literal, whose text never changes. Plain integers and text equality
// are decided here, everything else by the general comparison for the code
// found (which raises its errors). False only for a comparator word that is
// not recognised: the general comparison then raises its error.
bool QuickCondition(TConditionPlan& plan, std::string_view left, const std::string& word, std::string_view right,
                    const std::string* rightLiteral, std::string_view caseControl, bool& holds);

// Calc with a + - * / operation on operands that are plain decimal 32-bit
// integers (or empty), the result written into result; false when the
// general Calc must run (other operands, an operation of a word, overflow,
// division by zero).
bool QuickCalc(char operation, std::string_view first, std::string_view second, std::string& result);

// The operation letter QuickCalc takes for an operation parameter, or 0.
char QuickCalcOperation(std::string_view operation);

}  // namespace gleaner
