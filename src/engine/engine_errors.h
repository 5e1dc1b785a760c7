// The engine's error model: four exception classes, the 19-row error table,
// and the one funnel every engine failure goes through (RaiseEngineError and
// RaiseCommandError), plus the shared parameter helpers that raise through it.
// The error kind is kept in the engine state (Eng().ErrorKind), not in the
// exception.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "commands/command_table.h"

namespace gleaner {

inline constexpr std::string_view kCrLf = "\r\n";

// Error kinds, indexes of ErrorTable.
enum ErrorKindCode : std::uint8_t {
  kErrSuccess = 0,
  kErrCancel = 1,
  kErrNumericExpected = 2,
  kErrReversedIndices = 3,
  kErrUnexpectedEof = 4,
  kErrUnexpectedEof2 = 5,
  kErrLookupDataNotFound = 6,
  kErrIncorrectParameter = 7,
  kErrScript = 8,
  kErrBookmarkNotFound = 9,
  kErrOutOfContext = 10,
  kErrDataBuffer = 11,
  kErrReadBuffer = 12,
  kErrNotSupported = 13,
  kErrLookupFileData = 14,
  kErrFileProblem = 15,
  kErrCompile = 16,
  kErrOpenEngine = 17,
  kErrInternal = 18,
};

struct TEngineErrorInfo {
  std::uint8_t Kind;
  std::string_view Category;
  std::string_view Description;
  std::int32_t Code;
};

inline constexpr int kErrorKindCount = 19;
extern const TEngineErrorInfo ErrorTable[kErrorKindCount];

// Every engine error: message + CR LF CR LF + detail.
class EParse : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// The Stop command; the message is the Stop text.
class EParseStop : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// The NextRecord command; the message is "NR".
class ENextRecord : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// The NextStep command; the message is the current step name.
class ENextStep : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The literal that stands for the variable a command sets in a parameter list.
inline constexpr std::string_view VariableBeingSet = "(<-(Variable)->)";

// One parameter of a command error, already turned into its text.
class ErrParm {
 public:
  ErrParm(std::string_view s) : text_(s) {}
  ErrParm(const std::string& s) : text_(s) {}
  ErrParm(const char* s) : text_(s) {}
  ErrParm(char c) : text_(1, c) {}
  ErrParm(bool b) : text_(b ? "Y" : "N") {}
  template <std::integral T>
  ErrParm(T n) : text_(std::to_string(n)) {}
  ErrParm(double d);
  ErrParm(long double d);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Sets ErrorOccurred and ErrorKind, then throws EParse.
[[noreturn]] void RaiseEngineError(std::uint8_t kind, std::string_view message, std::string_view detail);

// "Error in <command> command", the message, and the numbered parameter list.
[[noreturn]] void RaiseCommandError(std::uint8_t kind, std::string_view message,
                                    std::initializer_list<ErrParm> parms);

// Quotes a value for a message, shortening texts over 70 characters.
std::string DisplayValue(std::string_view value);

// The name of the command in progress (Eng().CurrentCommand).
std::string CurrentCommandName();

// Empty is 0; otherwise a decimal integer with optional sign, else kind 2.
std::int32_t IntParam(std::string_view text);

// Decimal text of a + b or a - b; empty counts as "0"; overflow is an error.
std::string AddIntText(std::string_view a, char op, std::string_view b);

// Marks that a command runs another command's routine on its own behalf.
void SetInternalCallMark(bool on);

// Makes code the command in progress, unless the internal-call mark says
// another command is running this routine on its own behalf.
void ClaimCommand(Cmd code);

// Holds the engine's internal-call mark for the lifetime of the scope (set
// on entry, refused with "PE-IC" when already set; cleared on exit, also
// when an error unwinds through it).
class InternalCallScope {
 public:
  InternalCallScope();
  ~InternalCallScope();
  InternalCallScope(const InternalCallScope&) = delete;
  InternalCallScope& operator=(const InternalCallScope&) = delete;
};

void SetTestMode(bool on);

// Script flow commands that end a record, a step or the run.
[[noreturn]] void NextRecord();
[[noreturn]] void NextStep();
[[noreturn]] void Stop(std::string_view text);

// Control-setting words: the letters of the words the user wrote.
std::string OptionLetters(std::string_view setting, std::string_view letters, std::string_view words);
// The same, requiring exactly one word.
char SingleOption(std::string_view setting, std::string_view letters, std::string_view words);

}  // namespace gleaner
