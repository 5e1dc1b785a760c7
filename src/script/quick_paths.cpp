// quick_paths.h: the prepared If comparison and the integer Calc.
#include "script/quick_paths.h"

#include <charconv>

#include "commands/command_table.h"
#include "engine/engine_state.h"
#include "foundation/numbers.h"

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

// Blanks removed, a-z upper-cased, as the comparator table holds its words.
std::string ComparatorKey(std::string_view word) {
  std::string key;
  for (char c : word) {
    if (c != ' ') key += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return key;
}

// Digits with at most a leading minus, read as a 32-bit integer; empty is 0.
// Every such text reads the same under every numeric rule of the engine.
bool PlainInteger(std::string_view text, std::int32_t& value) {
  value = 0;
  if (text.empty()) return true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c < '0' || c > '9') && !(c == '-' && i == 0)) return false;
  }
  return TryParseInt32(text, value);
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Equal ignoring case, for ASCII text only (other letters fold by the text
// model); upperRight is already upper case.
bool AsciiEqualIgnoringCase(std::string_view left, std::string_view upperRight, bool& equal) {
  if (!IsAscii(left)) return false;
  equal = left.size() == upperRight.size();
  for (std::size_t i = 0; equal && i < left.size(); ++i) equal = AsciiUpper(left[i]) == upperRight[i];
  return true;
}

void ReadRight(TConditionPlan& plan, const std::string& right) {
  plan.Right = &right;
  plan.RightIsInteger = right.find('.') == std::string::npos && PlainInteger(right, plan.RightInteger);
  plan.RightIsAscii = IsAscii(right);
  plan.RightUpper.clear();
  for (char c : right) plan.RightUpper += AsciiUpper(c);
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

bool QuickTextEqual(TConditionPlan& plan, std::string_view left, std::string_view right, bool rightRead,
                    std::string_view caseControl, bool& equal) {
  if (caseControl == "MatchCase") {
    equal = left == right;
    return true;
  }
  if (caseControl != "IgnoreCase") return false;
  if (rightRead) return plan.RightIsAscii && AsciiEqualIgnoringCase(left, plan.RightUpper, equal);
  if (!IsAscii(right)) return false;
  plan.RightUpper.clear();
  for (char c : right) plan.RightUpper += AsciiUpper(c);
  return AsciiEqualIgnoringCase(left, plan.RightUpper, equal);
}

}  // namespace

bool QuickCondition(TConditionPlan& plan, std::string_view left, const std::string& word, std::string_view right,
                    const std::string* rightLiteral, std::string_view caseControl, bool& holds) {
  if (plan.Code < 0 || word != plan.Word) {
    plan.Word = word;
    const TComparisons* entry = FindComparator(ComparatorKey(word));
    plan.Code = entry != nullptr ? entry->Code : -1;
  }
  const int code = plan.Code;
  if (code < 0 || code >= kRelationalCodes) return false;
  if (rightLiteral != nullptr && plan.Right != rightLiteral) ReadRight(plan, *rightLiteral);
  const bool rightRead = rightLiteral != nullptr;
  const int relation = code / 3;
  bool decided = false;
  if (code % 3 == kNumeric) {
    decided = QuickNumeric(plan, left, right, rightRead, relation, holds);
  } else if (code % 3 == kText && (relation == kEqual || relation == kNotEqual)) {
    bool equal = false;
    decided = QuickTextEqual(plan, left, right, rightRead, caseControl, equal);
    holds = equal == (relation == kEqual);
  }
  if (decided && !Eng().InternalCall) Eng().CurrentCommand = Cmd::Que;
  return decided;
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
