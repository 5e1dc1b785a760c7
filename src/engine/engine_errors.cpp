// The error table, the raise funnel and the parameter helpers.
#include "engine/engine_errors.h"

#include <array>
#include <charconv>
#include <limits>

#include "engine/engine_state.h"
#include "foundation/numbers.h"

namespace gleaner {

constexpr TEngineErrorInfo ErrorTable[kErrorKindCount] = {
    {0, "Success", "No errors", 0},
    {1, "User action", "Cancel", 1},
    {2, "Parsing", "Numeric expected", 80},
    {3, "Parsing", "Reversed indices", 100},
    {4, "Parsing", "Unexpected EOF", 110},
    {5, "Parsing", "Unexpected EOF", 120},
    {6, "Parsing", "Lookup data not found", 130},
    {7, "Parameter", "Incorrect parameter", 140},
    {8, "Script", "Script error", 145},
    {9, "Coding", "Bookmark not found", 150},
    {10, "Coding", "Command out of context", 160},
    {11, "Parsing engine constraints", "Data buffer exceeded", 170},
    {12, "Parsing engine constraints", "Read buffer exceeded", 171},
    {13, "Parsing engine constraints", "Function not supported", 200},
    {14, "External errors", "Lookup file data not usable", 210},
    {15, "External errors", "File problem", 220},
    {16, "Compilation errors", "Could not compile script", 240},
    {17, "Parsing engine self-check", "Internal error during OpenEngine", 254},
    {18, "Parsing engine self-check", "Internal error", 255},
};

// Each row stands at the index of its kind, and the last kind is the last row.
static_assert(kErrInternal + 1 == kErrorKindCount);
static_assert([] {
  for (int i = 0; i < kErrorKindCount; ++i) {
    if (ErrorTable[i].Kind != i || ErrorTable[i].Category.empty()) return false;
  }
  return true;
}());

namespace {

template <typename F>
std::string ShortestText(F value) {
  std::array<char, 64> buf{};
  auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  return ec == std::errc() ? std::string(buf.data(), ptr) : std::string("?");
}

}  // namespace

ErrParm::ErrParm(double d) : text_(ShortestText(d)) {}
ErrParm::ErrParm(long double d) : text_(ShortestText(d)) {}

void RaiseEngineError(std::uint8_t kind, std::string_view message, std::string_view detail) {
  TEngineState& eng = Eng();
  eng.ErrorOccurred = true;
  eng.ErrorKind = kind;
  std::string text;
  text.reserve(message.size() + detail.size() + 4);
  text.append(message).append(kCrLf).append(kCrLf).append(detail);
  throw EParse(text);
}

void RaiseCommandError(std::uint8_t kind, std::string_view message, std::initializer_list<ErrParm> parms) {
  std::string detail = "Parameters:";
  int number = 0;
  for (const ErrParm& parm : parms) {
    detail.append(kCrLf).append("Parm").append(std::to_string(++number)).append(": ");
    detail.append(DisplayValue(parm.Text()));
  }
  std::string full = "Error in " + CurrentCommandName() + " command";
  full.append(kCrLf).append(kCrLf).append(message);
  RaiseEngineError(kind, full, detail);
}

std::string DisplayValue(std::string_view value) {
  if (value == VariableBeingSet) return "(Variable being set)";
  if (value.size() > 70) {
    return "'" + std::string(value.substr(0, 52)) + "...' (" + std::to_string(value.size()) + " bytes)  ";
  }
  return "'" + std::string(value) + "'";
}

std::string CurrentCommandName() { return std::string(CommandName(Eng().CurrentCommand)); }

std::int32_t IntParam(std::string_view text) {
  if (text.empty()) return 0;
  std::int32_t value = 0;
  if (!TryParseInt32(text, value)) {
    std::string message = "Error in " + CurrentCommandName() + " command";
    message.append(kCrLf).append(kCrLf).append("Non-numeric value (").append(text).append(") specified");
    RaiseEngineError(kErrNumericExpected, message, "An integer numeric value was expected");
  }
  return value;
}

std::string AddIntText(std::string_view a, char op, std::string_view b) {
  std::int32_t x = 0;
  std::int32_t y = 0;
  const bool okA = a.empty() || TryParseInt32(a, x);
  const bool okB = b.empty() || TryParseInt32(b, y);
  if (!okA || !okB) {
    RaiseCommandError(kErrIncorrectParameter, "Non-integer or non-numeric parameter", {a, b});
  }
  const std::int64_t result = op == '-' ? std::int64_t{x} - y : std::int64_t{x} + y;
  if (result < std::numeric_limits<std::int32_t>::min() || result > std::numeric_limits<std::int32_t>::max()) {
    RaiseCommandError(kErrIncorrectParameter,
                      "Integer overflow: the result is outside the range -2147483648 to 2147483647", {a, b});
  }
  return std::to_string(result);
}

void SetInternalCallMark(bool on) {
  TEngineState& eng = Eng();
  if (on && eng.InternalCall) RaiseEngineError(kErrInternal, "PE-IC", CurrentCommandName());
  eng.InternalCall = on;
}

InternalCallScope::InternalCallScope() { SetInternalCallMark(true); }
InternalCallScope::~InternalCallScope() { SetInternalCallMark(false); }

void ClaimCommand(Cmd code) {
  if (!Eng().InternalCall) Eng().CurrentCommand = code;
}

void SetTestMode(bool on) {
  Eng().TestModeOn = on;
  Eng().TestMode = on ? "Y" : "N";
}

void NextRecord() {
  TEngineState& eng = Eng();
  eng.CurrentCommand = Cmd::NextRecord;
  if (eng.StepName != "Main") {
    RaiseEngineError(kErrOutOfContext, "Command out of context",
                     "The NextRecord command may appear only in the Main step");
  }
  throw ENextRecord("NR");
}

void NextStep() {
  Eng().CurrentCommand = Cmd::NextStep;
  throw ENextStep(Eng().StepName);
}

void Stop(std::string_view text) {
  Eng().CurrentCommand = Cmd::Stop;
  Eng().ErrorOccurred = !text.empty();
  throw EParseStop(std::string(text));
}

}  // namespace gleaner
