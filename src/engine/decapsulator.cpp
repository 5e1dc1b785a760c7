// Reading decapsulators and control settings, and finding the place a
// decapsulator names. Find strings are never empty here: an empty decapsulator
// has no find string and names the default place instead.
#include "engine/decapsulator.h"

#include <string>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/find_text.h"
#include "foundation/numbers.h"
#include "foundation/text_model.h"

namespace gleaner {
namespace {

constexpr std::string_view kOptionWords = "Include Exclude IgnoreCase MatchCase Cut Relaxed";
constexpr std::string_view kOptionLetters = "IEGMCR";

bool StartsOccurrenceOrPosition(char c) {
  return c == '-' || (c >= '0' && c <= '9') || c == '<' || c == '>' || c == '@';
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

[[noreturn]] void RaiseInvalid(const TParseCall& call, std::string_view text, std::string_view reason) {
  std::string message = "Invalid decapsulator: ";
  message.append(text).append(kCrLf).append(reason);
  RaiseParseError(call, kErrIncorrectParameter, message);
}

void SetFindString(TDecapsulator& out, std::int32_t number, std::string_view findString) {
  out.Number = number;
  out.FindString.assign(findString);
}

// The occurrence number before the "*": "<" means 1, ">" and "@" mean 0 (last,
// next). The marker replaces the first digit, so "<5" reads as 15.
std::int32_t ReadOccurrenceCount(std::string_view text, std::string_view prefix, DecapSide side,
                                 const TParseCall& call, TDecapsulator& out) {
  std::string digits(prefix);
  switch (prefix.front()) {
    case '-':
      RaiseInvalid(call, text, "A negative number cannot be used as an occurrence number");
    case '0':
      RaiseInvalid(call, text, "0 (zero) cannot be used as an occurrence number");
    case '<':
      digits.front() = '1';
      break;
    case '>':
      digits.front() = '0';
      break;
    case '@':
      if (side == DecapSide::From) {
        RaiseInvalid(call, text,
                     "The @ (next occurrence) symbol can only be used in the second (\"To\") decapsulator");
      }
      digits.front() = '0';
      out.NextOccurrence = true;
      break;
    default:
      break;
  }
  std::int32_t count = 0;
  const bool numeric = TryParseInt32(digits, count);
  // A count too long for 32 bits is still a number: it is reported as too large.
  if (!numeric && !AllDigits(digits)) {
    RaiseInvalid(call, text, "Non-numeric occurrence count \"From\" or \"To\" in decapsulator");
  }
  if (!numeric || count > kMaxOccurrence) {
    RaiseInvalid(call, text, "Occurrence number exceeds maximum of " + std::to_string(kMaxOccurrence));
  }
  return count;
}

void ReadOccurrence(std::string_view text, std::size_t star, DecapSide side, const TParseCall& call,
                    TDecapsulator& out) {
  if (star + 1 == text.size()) {
    RaiseInvalid(call, text, "A find string must be specified after the * in a decapsulator");
  }
  // Not reached from ReadDecapsulator (a leading "*" makes a plain find string); kept as a guard.
  if (star == 0) RaiseInvalid(call, text, "No occurrence number found before the * character");
  const std::int32_t count = ReadOccurrenceCount(text, text.substr(0, star), side, call, out);
  SetFindString(out, count, text.substr(star + 1));
}

void ReadWithoutStar(std::string_view text, const TParseCall& call, TDecapsulator& out) {
  const char c = text.front();
  if (c == '<' || c == '>' || c == '@') {
    RaiseInvalid(call, text,
                 "A decapsulator that starts with < or > or @ requires a * afterwards, then a find string");
  }
  std::int32_t position = 0;
  if (TryParseInt32(text, position)) {
    SetFindString(out, position, "?");
    out.Positional = true;
    return;
  }
  SetFindString(out, 1, text);
}

bool HasLetter(const std::string& letters, char letter) { return letters.find(letter) != std::string::npos; }

void CheckLetters(std::string_view setting, bool parseMode, const TParseCall& call,
                  const std::string& letters) {
  const std::string_view allowed = parseMode ? "IEGMRC" : "IEGM";
  for (char letter : letters) {
    if (allowed.find(letter) == std::string_view::npos) {
      RaiseParseError(call, kErrIncorrectParameter, "Unrecognized option: " + std::string(setting));
    }
  }
  if (HasLetter(letters, 'I') && HasLetter(letters, 'E')) {
    RaiseParseError(call, kErrIncorrectParameter,
                    "Ambiguous control setting\r\nYou must specify either Exclude or Include");
  }
  if (HasLetter(letters, 'G') && HasLetter(letters, 'M')) {
    RaiseParseError(call, kErrIncorrectParameter,
                    "Ambiguous control setting\r\nYou must specify either IgnoreCase or MatchCase");
  }
}

std::int64_t PositionalPlace(std::int32_t n, std::int64_t length, bool relaxed, std::int64_t defaultPlace,
                             const TParseCall& call) {
  constexpr std::string_view kHint = " In some cases this can be solved by using Relaxed mode.";
  if (n == 0) {
    if (relaxed) return defaultPlace;
    RaiseParseError(call, kErrIncorrectParameter,
                    "A positional decapsulator of zero (0) is supported only in Relaxed mode");
  }
  if (n > 0) {
    if (n <= length) return n;
    if (relaxed) return defaultPlace;
    RaiseParseError(call, kErrIncorrectParameter,
                    "The positional decapsulator (" + std::to_string(n) +
                        ") points to a position after the end of the source string." + std::string(kHint));
  }
  const std::int64_t place = length + n + 1;
  if (place > 0) return place;
  if (relaxed) return defaultPlace;
  RaiseParseError(call, kErrIncorrectParameter,
                  "The negative positional decapsulator (" + std::to_string(n) +
                      ") points back to before the beginning of the source string." + std::string(kHint));
}

// A position counts characters; the place is the character's first byte for
// From and its last byte for To, so a range between them takes it whole.
std::int64_t PositionalByte(std::int32_t n, DecapSide side, std::string_view text, bool relaxed,
                            const TParseCall& call) {
  const auto chars = static_cast<std::int64_t>(CharCount(text));
  const bool from = side == DecapSide::From;
  const std::int64_t place = PositionalPlace(n, chars, relaxed, from ? 1 : chars, call);
  const auto offset = CharOffset(text, static_cast<std::size_t>(from ? place - 1 : place));
  return static_cast<std::int64_t>(offset) + (from ? 1 : 0);
}

std::int64_t OneBased(std::size_t offset) {
  return offset == std::string_view::npos ? 0 : static_cast<std::int64_t>(offset) + 1;
}

// The m-th match, each search starting after the end of the previous match.
std::int64_t NthPlace(std::string_view text, std::string_view find, std::int32_t m) {
  std::size_t offset = 0;
  for (std::int32_t i = 1;; ++i) {
    offset = FindText(text, find, offset);
    if (offset == std::string_view::npos || i == m) return OneBased(offset);
    offset += find.size();
  }
}

}  // namespace

void RaiseParseError(const TParseCall& call, std::uint8_t kind, std::string_view message) {
  std::string text(message);
  if (Eng().CurrentCommand != Cmd::Parse) {
    text.append(kCrLf).append(kCrLf).append("Parameters shown are those passed to Parse routine");
  }
  RaiseCommandError(kind, text, {call.Source, call.From, call.To, call.Control});
}

void ReadDecapsulator(std::string_view text, DecapSide side, const TParseCall& call, TDecapsulator& out) {
  out.Positional = false;
  out.NextOccurrence = false;
  if (text.empty()) {
    SetFindString(out, kMaxOccurrence, {});
    return;
  }
  if (!StartsOccurrenceOrPosition(text.front())) {
    SetFindString(out, 1, text);
    return;
  }
  const std::size_t star = text.find('*');
  if (star == std::string_view::npos) {
    ReadWithoutStar(text, call, out);
  } else {
    ReadOccurrence(text, star, side, call, out);
  }
}

void ReadControlSetting(std::string_view setting, bool parseMode, const TParseCall& call,
                        TParseOptions& out) {
  if (setting.empty()) {
    out.Letters = parseMode ? "EM" : "IM";
  } else {
    out.Letters = OptionLetters(setting, kOptionLetters, kOptionWords);
    if (!HasLetter(out.Letters, 'I') && !HasLetter(out.Letters, 'E')) out.Letters += parseMode ? 'E' : 'I';
    if (!HasLetter(out.Letters, 'G') && !HasLetter(out.Letters, 'M')) out.Letters += 'M';
    CheckLetters(setting, parseMode, call, out.Letters);
  }
  out.Include = HasLetter(out.Letters, 'I');
  out.IgnoreCase = HasLetter(out.Letters, 'G');
  out.Cut = HasLetter(out.Letters, 'C');
  out.Relaxed = HasLetter(out.Letters, 'R');
}

std::int64_t FindPlace(const TDecapsulator& d, DecapSide side, std::string_view searchText, bool relaxed,
                       std::int64_t nextStart, const TParseCall& call) {
  const auto length = static_cast<std::int64_t>(searchText.size());
  const std::int64_t defaultPlace = side == DecapSide::From ? 1 : length;
  if (d.Positional) return PositionalByte(d.Number, side, searchText, relaxed, call);
  if (d.FindString.empty()) return defaultPlace;
  if (d.Number != 0) return NthPlace(searchText, d.FindString, d.Number);
  // "@" belongs to To alone: a last-occurrence From is never a next search.
  if (d.NextOccurrence && side == DecapSide::To) {
    if (nextStart > length + 1) return 0;
    return OneBased(FindText(searchText, d.FindString, static_cast<std::size_t>(nextStart - 1)));
  }
  // The last match, overlaps counted: the rightmost place where the find string starts.
  return OneBased(searchText.rfind(d.FindString));
}

}  // namespace gleaner
