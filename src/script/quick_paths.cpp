// quick_paths.h: the prepared If comparison and the integer Calc.
#include "script/quick_paths.h"

#include <charconv>
#include <limits>

#include "commands/command_table.h"
#include "engine/comparisons.h"
#include "engine/engine_state.h"
#include "foundation/text_model.h"

namespace gleaner {
namespace {

// The comparison codes come in threes (length, numeric, text) over the
// relations in this order.
enum Relation { kEqual, kNotEqual, kGreater, kGreaterOrEqual, kLess, kLessOrEqual };
constexpr int kNumeric = 1;
constexpr int kText = 2;
constexpr int kRelationalCodes = 18;

template <typename T>
bool Holds(int relation, const T& a, const T& b) {
  switch (relation) {
    case kEqual: return a == b;
    case kNotEqual: return a != b;
    case kGreater: return a > b;
    case kGreaterOrEqual: return a >= b;
    case kLess: return a < b;
    default: return a <= b;
  }
}

// Digits with at most a leading minus, read as a 32-bit integer; empty is 0.
// Every such text reads the same under every numeric rule of the engine.
// One pass: a value past either edge is refused as soon as it is seen.
bool PlainInteger(std::string_view text, std::int32_t& value) {
  value = 0;
  if (text.empty()) return true;
  const bool negative = text.front() == '-';
  if (negative && text.size() == 1) return false;
  std::int64_t magnitude = 0;
  for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
    const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
    if (digit > 9) return false;
    magnitude = magnitude * 10 + digit;
    if (magnitude > (std::int64_t{1} << 31)) return false;
  }
  if (!negative && magnitude > std::numeric_limits<std::int32_t>::max()) return false;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

void ReadRight(TConditionPlan& plan, const std::string& right) {
  plan.Right = &right;
  plan.RightIsInteger = right.find('.') == std::string::npos && PlainInteger(right, plan.RightInteger);
}

bool QuickNumeric(const TConditionPlan& plan, std::string_view left, std::string_view right, bool rightRead,
                  int relation, bool& holds) {
  std::int32_t a = 0, b = plan.RightInteger;
  if (!PlainInteger(left, a)) return false;
  if (rightRead ? !plan.RightIsInteger : (right.find('.') != std::string_view::npos || !PlainInteger(right, b))) {
    return false;
  }
  holds = Holds(relation, a, b);
  return true;
}

// Equal as the general comparison finds it: ignoring case, both texts are
// folded by the text model and compared.
bool QuickTextEqual(std::string_view left, std::string_view right, std::string_view caseControl, bool& equal) {
  if (caseControl == "MatchCase") {
    equal = left == right;
  } else if (caseControl == "IgnoreCase") {
    equal = TextSameFolded(left, right);
  } else {
    return false;
  }
  return true;
}

bool QuickRelation(TConditionPlan& plan, int code, std::string_view left, std::string_view right,
                   const std::string* rightLiteral, std::string_view caseControl, bool& holds) {
  if (code >= kRelationalCodes) return false;
  if (rightLiteral != nullptr && plan.Right != rightLiteral) ReadRight(plan, *rightLiteral);
  const int relation = code / 3;
  if (code % 3 == kNumeric) return QuickNumeric(plan, left, right, rightLiteral != nullptr, relation, holds);
  if (code % 3 != kText || (relation != kEqual && relation != kNotEqual)) return false;
  bool equal = false;
  if (!QuickTextEqual(left, right, caseControl, equal)) return false;
  holds = equal == (relation == kEqual);
  return true;
}

}  // namespace

bool QuickCondition(TConditionPlan& plan, std::string_view left, const std::string& word, std::string_view right,
                    const std::string* rightLiteral, std::string_view caseControl, bool& holds) {
  if (plan.Code < 0 || word != plan.Word) {
    plan.Word = word;
    plan.Code = ComparatorCode(word);
  }
  if (plan.Code < 0) return false;
  if (QuickRelation(plan, plan.Code, left, right, rightLiteral, caseControl, holds)) {
    if (!Eng().InternalCall) Eng().CurrentCommand = Cmd::Que;
  } else {
    holds = CompareByCode(plan.Code, left, word, right, caseControl);
  }
  return true;
}

char QuickCalcOperation(std::string_view operation) {
  if (operation.size() != 1 || std::string_view("+-*/").find(operation[0]) == std::string_view::npos) return 0;
  return operation[0];
}

bool QuickCalc(char operation, std::string_view first, std::string_view second, std::string& result) {
  std::int32_t a = 0, b = 0;
  if (operation == 0 || !PlainInteger(first, a) || !PlainInteger(second, b)) return false;
  std::int64_t value = 0;
  switch (operation) {
    case '+': value = std::int64_t{a} + b; break;
    case '-': value = std::int64_t{a} - b; break;
    case '*': value = std::int64_t{a} * b; break;
    default:
      if (b == 0) return false;
      value = std::int64_t{a} / b;
  }
  if (value != static_cast<std::int32_t>(value)) return false;
  Eng().CurrentCommand = Cmd::Calc;
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  result.assign(digits, end);
  return true;
}

}  // namespace gleaner
