// Calc, CalcReal, Rounding, Inc and Dec. Both calculators strip their
// operands with KeepChar on their own behalf, check them, read the operation
// and only then compute, so every failure is reported before a result
// exists. CalcReal formats through std::to_chars, which is independent of
// the C locale the front end may install.
#include "engine/calc.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/char_commands.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/field_commands.h"
#include "foundation/numbers.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

bool gRounding = true;

enum class Operation { Add, Subtract, Multiply, Divide, Power, Higher, Lower };

// The operands after stripping and the trimmed operation: what every error shows.
struct CalcParms {
  std::string first;
  std::string operation;
  std::string second;

  [[noreturn]] void Fail(std::string_view message) const {
    RaiseCommandError(kErrIncorrectParameter, message, {first, operation, second});
  }
};

bool StartsWithWord(std::string_view text, std::string_view upperKey) {
  return text.size() >= 3 && AnsiUpperCase(text.substr(0, 3)) == upperKey;
}

CalcParms Prepare(std::string_view first, std::string_view operation, std::string_view second,
                  std::string_view keepSpec) {
  CalcParms parms{std::string(first), std::string(TrimBlanks(operation)), std::string(second)};
  InternalCallScope mark;
  KeepChar(parms.first, keepSpec);
  KeepChar(parms.second, keepSpec);
  return parms;
}

// oneCharOps: the single-character operations accepted.
Operation ReadOperation(const CalcParms& parms, std::string_view oneCharOps) {
  const std::string& op = parms.operation;
  if (op.empty()) parms.Fail("Operation may not be null");
  if (op.size() == 1) {
    if (oneCharOps.find(op[0]) == std::string_view::npos) parms.Fail("Unrecognized operation (" + op + ")");
    switch (op[0]) {
      case '+':
        return Operation::Add;
      case '-':
        return Operation::Subtract;
      case '*':
        return Operation::Multiply;
      case '/':
        return Operation::Divide;
      default:
        return Operation::Power;
    }
  }
  if (op.size() == 2) parms.Fail("Unrecognized operation: " + op);
  if (StartsWithWord(op, "HIG")) return Operation::Higher;
  if (StartsWithWord(op, "LOW")) return Operation::Lower;
  parms.Fail("Unknown operation: " + op);
}

std::int32_t ReadInteger(const CalcParms& parms, const std::string& text, std::string_view message) {
  std::int32_t value = 0;
  if (!text.empty() && !TryParseInt32(text, value)) parms.Fail(message);
  return value;
}

// Add, Subtract and Multiply work alike on integers and reals; nothing for the rest.
template <typename Number>
std::optional<Number> SumDifferenceOrProduct(Operation op, Number a, Number b) {
  switch (op) {
    case Operation::Add:
      return a + b;
    case Operation::Subtract:
      return a - b;
    case Operation::Multiply:
      return a * b;
    default:
      return std::nullopt;
  }
}

std::int64_t IntegerResult(const CalcParms& parms, Operation op, std::int64_t a, std::int64_t b) {
  if (const auto result = SumDifferenceOrProduct(op, a, b)) return *result;
  if (b == 0) parms.Fail("Division by zero");
  return a / b;
}

[[noreturn]] void FailPlaces(const CalcParms& parms, std::string_view places) {
  const std::string crLf(kCrLf);
  parms.Fail("Incorrect decimal places value:  '" + std::string(places) + "'" + crLf +
             "It must be 0, a positive integer or the word 'Float'" + crLf +
             "For example, specify '2' for results like '3.14' (2 decimal places)" + crLf +
             "'Float' means no fixed decimal places");
}

// The fixed number of decimal places, or none for Float.
std::optional<std::int32_t> ReadPlaces(const CalcParms& parms, std::string_view text) {
  const std::string_view places = TrimBlanks(text);
  if (StartsWithWord(places, "FLO")) return std::nullopt;
  std::int32_t n = 0;
  if (!TryParseInt32(places, n) || n < 0) FailPlaces(parms, places);
  if (n > kMaxPaddedSize) {
    parms.Fail("Incorrect decimal places value:  '" + std::string(places) + "'" + std::string(kCrLf) +
               "It may be at most " + std::to_string(kMaxPaddedSize));
  }
  return n;
}

[[noreturn]] void FailOverflow(const CalcParms& parms) {
  parms.Fail("Floating-point overflow: the result is too large");
}

long double ReadReal(const CalcParms& parms, const std::string& text, std::string_view message) {
  if (text.empty()) return 0;
  long double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (ec == std::errc::result_out_of_range && ptr == end) {
    // No exponent is possible here, so a number with a whole part is too large
    // and any other one is too small to tell from zero.
    if (text.find_first_of("123456789") < text.find('.')) FailOverflow(parms);
    return 0;
  }
  if (ec != std::errc() || ptr != end) parms.Fail(message);
  return value;
}

long double RealResult(const CalcParms& parms, Operation op, long double a, long double b) {
  if (const auto result = SumDifferenceOrProduct(op, a, b)) return *result;
  switch (op) {
    case Operation::Divide:
      if (b == 0) parms.Fail("Division by zero");
      return a / b;
    case Operation::Power:
      return std::pow(a, b);
    case Operation::Higher:
      return a <= b ? b : a;
    case Operation::Lower:
      return b <= a ? b : a;
    default:
      return 0;  // the sums and products were answered above
  }
}

// Fixed-point text with 20 digits after the point.
std::string FixedText(long double value) {
  // The largest long double has 4933 digits before the point.
  std::array<char, 5120> buffer;
  const auto [ptr, ec] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 20);
  if (ec != std::errc()) RaiseEngineError(kErrInternal, "PE-CR-FT", "CalcReal");
  return std::string(buffer.data(), ptr);
}

std::string FloatPlaces(std::string text) {
  {
    InternalCallScope mark;
    TrimChar(text, "R0");
  }
  if (text.back() == '.') text += '0';
  return text;
}

std::string FixedPlaces(std::string text, std::int32_t places) {
  const std::size_t length = text.find('.') + 1 + static_cast<std::size_t>(places);
  if (length < text.size()) {
    text.resize(length);
    return text;
  }
  return PadText(text, static_cast<std::int64_t>(length), 'R', '0');
}

}  // namespace

std::string Calc(std::string_view first, std::string_view operation, std::string_view second) {
  Eng().CurrentCommand = Cmd::Calc;
  const CalcParms parms = Prepare(first, operation, second, "/09/-");
  const std::int32_t a = ReadInteger(parms, parms.first, "Non-numeric or non-integer value for first number");
  const std::int32_t b =
      ReadInteger(parms, parms.second, "Non-numeric or non-integer value for second number");
  const Operation op = ReadOperation(parms, "+-/*");
  if (op == Operation::Higher) return b < a ? parms.first : parms.second;
  if (op == Operation::Lower) return b > a ? parms.first : parms.second;
  const std::int64_t result = IntegerResult(parms, op, a, b);
  if (result < std::numeric_limits<std::int32_t>::min() ||
      result > std::numeric_limits<std::int32_t>::max()) {
    parms.Fail("Integer overflow: the result is outside the range -2147483648 to 2147483647");
  }
  return std::to_string(result);
}

std::string CalcReal(std::string_view first, std::string_view operation, std::string_view second,
                     std::string_view places) {
  Eng().CurrentCommand = Cmd::CalcReal;
  const CalcParms parms = Prepare(first, operation, second, "/09/-/.");
  const std::optional<std::int32_t> fixed = ReadPlaces(parms, places);
  const long double a = ReadReal(parms, parms.first, "Non-numeric value for first number");
  const long double b = ReadReal(parms, parms.second, "Non-numeric value for second number");
  long double result = RealResult(parms, ReadOperation(parms, "+-/*^"), a, b);
  if (std::isnan(result)) parms.Fail("Invalid floating-point operation: the result is not a number");
  if (std::isinf(result)) FailOverflow(parms);
  if (result == 0) result = 0;  // no "-0.00"
  if (gRounding && fixed) result += (result >= 0 ? 5.0L : -5.0L) / std::pow(10.0L, *fixed + 1.0L);
  const std::string text = FixedText(result);
  return fixed ? FixedPlaces(text, *fixed) : FloatPlaces(text);
}

// "Yes" is what the executor passes at the start of every section, once per record.
void Rounding(std::string_view option) {
  ClaimCommand(Cmd::Rounding);
  gRounding = option == "Yes" || SingleOption(option, "YN", "Yes No") == 'Y';
}

bool RoundingFlag() { return gRounding; }

std::string IncDec(std::string_view value, char op, std::string_view amount) {
  Eng().CurrentCommand = op == '-' ? Cmd::Dec : Cmd::Inc;
  return AddIntText(value, op, amount);
}

void Inc(std::string& variable, std::string_view amount) { variable = IncDec(variable, '+', amount); }
void Dec(std::string& variable, std::string_view amount) { variable = IncDec(variable, '-', amount); }

}  // namespace gleaner
