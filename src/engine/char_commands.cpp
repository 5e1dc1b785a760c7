// Change, ChangeCase, KeepChar and TrimChar. KeepChar and TrimChar read
// their specification into a per-byte table first (raising on a bad item
// before anything changes), then filter the variable in place in one pass.
#include "engine/char_commands.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "foundation/text_model.h"
#include "foundation/utf8_chars.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

[[noreturn]] void RaiseBadKeepItem(std::string_view item, std::string_view keepSpec) {
  RaiseCommandError(kErrIncorrectParameter,
                    "The keep specification (" + std::string(item) + ") is not valid" + std::string(kCrLf) +
                        "It must be a single character (meaning that specific character)"
                        "or two characters (meaning an inclusive range of characters)",
                    {VariableBeingSet, keepSpec});
}

// A character's place in the order of keep ranges: its byte in Windows-1252,
// its code point in UTF-8, where an invalid byte sorts past every code point.
char32_t CharCode(std::string_view text, std::size_t at, std::size_t n) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + at;
  if (!TextIsUtf8()) return *p;
  return n == 1 && *p >= 0x80 ? 0x110000 + *p : Utf8Decode(p, n);
}

struct CodeRange {
  char32_t Low, High;
};

// Calls add(low, high) for each item of the keep specification, whose
// separator and items are characters of the text model.
template <typename Add>
void ReadKeepSpec(std::string_view keepSpec, Add add) {
  const std::string_view separator = keepSpec.substr(0, CharBytes(keepSpec, 0));
  std::size_t start = separator.size();
  while (start <= keepSpec.size()) {
    std::size_t end = keepSpec.find(separator, start);
    if (end == std::string_view::npos) end = keepSpec.size();
    const std::string_view item = keepSpec.substr(start, end - start);
    start = end + separator.size();
    if (CharCount(item) > 2) RaiseBadKeepItem(item, keepSpec);
    if (item.empty()) continue;
    const char32_t a = CharCode(item, 0, CharBytes(item, 0));
    const std::size_t lastAt = PreviousCharStart(item, item.size());
    const char32_t b = CharCode(item, lastAt, item.size() - lastAt);
    add(std::min(a, b), std::max(a, b));
  }
}

// A specification of bytes below 0x80 selects whole characters in either
// model; one beyond them in UTF-8 is read as characters.
bool ByBytes(std::string_view spec) { return !TextIsUtf8() || IsAsciiText(spec); }

void KeepBytes(std::string& variable, std::string_view keepSpec) {
  std::bitset<256> keep;
  ReadKeepSpec(keepSpec, [&](char32_t low, char32_t high) {
    for (char32_t c = low; c <= high; ++c) keep.set(c);
  });
  std::size_t out = 0;
  for (char c : variable) {
    if (keep.test(Byte(c))) variable[out++] = c;
  }
  variable.resize(out);
}

// Moves the characters of variable that keep(at, n) accepts to its front.
template <typename Keep>
void KeepCharacters(std::string& variable, Keep keep) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < variable.size();) {
    const std::size_t n = CharBytes(variable, i);
    if (keep(i, n)) {
      // Leftwards within one buffer: the ranges may overlap.
      if (out != i) std::memmove(variable.data() + out, variable.data() + i, n);
      out += n;
    }
    i += n;
  }
  variable.resize(out);
}

void KeepUtf8(std::string& variable, std::string_view keepSpec) {
  thread_local std::vector<CodeRange> ranges;  // kept from call to call
  ranges.clear();
  ReadKeepSpec(keepSpec, [&](char32_t low, char32_t high) { ranges.push_back({low, high}); });
  KeepCharacters(variable, [&](std::size_t at, std::size_t n) {
    const char32_t code = CharCode(variable, at, n);
    return std::any_of(ranges.begin(), ranges.end(), [&](CodeRange r) { return r.Low <= code && code <= r.High; });
  });
}

// TrimChar actions per character, as bits.
enum TrimAction : std::uint8_t { kAll = 1, kLeading = 2, kTrailing = 4, kRepeats = 8 };
using TrimTable = std::array<std::uint8_t, 256>;

std::uint8_t TrimBits(char letter) {
  switch (letter) {
    case 'A':
      return kAll;
    case 'B':
      return kLeading | kTrailing;
    case 'L':
      return kLeading;
    case 'R':
      return kTrailing;
    case 'M':
      return kRepeats;
    default:
      return 0;
  }
}

// Calls add(character, bits) for each pair of the remove list, after the checks.
template <typename Add>
void ReadRemoveList(std::string_view removeList, Add add) {
  if (CharCount(removeList) % 2 != 0) {
    RaiseCommandError(kErrIncorrectParameter,
                      "The remove list should have one or more pairs of characters" + std::string(kCrLf) +
                          "Example:  'B A,' means \"Spaces on both sides, and all commas\"",
                      {VariableBeingSet, removeList});
  }
  for (std::size_t i = 0; i < removeList.size();) {
    const std::size_t letterBytes = CharBytes(removeList, i);
    const std::uint8_t bits = letterBytes == 1 ? TrimBits(AnsiUpper(removeList[i])) : 0;
    if (bits == 0) {
      RaiseCommandError(
          kErrIncorrectParameter,
          "Unrecognized TrimChar specification" + std::string(kCrLf) + "Valid options are: ABLRM",
          {VariableBeingSet, removeList});
    }
    i += letterBytes;
    const std::size_t n = CharBytes(removeList, i);
    add(removeList.substr(i, n), bits);
    i += n;
  }
}

TrimTable ReadRemoveTable(std::string_view removeList) {
  TrimTable table{};
  ReadRemoveList(removeList, [&](std::string_view c, std::uint8_t bits) { table[Byte(c.front())] |= bits; });
  return table;
}

// Length of the run of text's first (or last) character at that end.
std::size_t EndRun(std::string_view text, bool leading) {
  const char c = leading ? text.front() : text.back();
  const std::size_t other = leading ? text.find_first_not_of(c) : text.find_last_not_of(c);
  if (other == std::string_view::npos) return text.size();
  return leading ? other : text.size() - 1 - other;
}

// TrimChar on whole characters, for a remove list beyond ASCII in UTF-8.
void TrimUtf8(std::string& variable, std::string_view removeList) {
  struct Entry {
    std::string_view Char;
    std::uint8_t Bits;
  };
  thread_local std::vector<Entry> entries;  // kept from call to call
  entries.clear();
  ReadRemoveList(removeList, [&](std::string_view c, std::uint8_t bits) { entries.push_back({c, bits}); });
  const std::string_view text = variable;
  const auto charAt = [&](std::size_t at) { return text.substr(at, CharBytes(text, at)); };
  const std::string_view first = charAt(0);
  const std::string_view last = charAt(PreviousCharStart(text, text.size()));
  std::size_t leadingEnd = 0;
  while (leadingEnd < text.size() && charAt(leadingEnd) == first) leadingEnd += first.size();
  std::size_t trailingStart = text.size();
  while (trailingStart > 0 && charAt(PreviousCharStart(text, trailingStart)) == last) trailingStart -= last.size();
  // The previous character is copied: kept characters move over the bytes behind the one read.
  char previous[4];
  std::size_t previousBytes = 0;
  KeepCharacters(variable, [&](std::size_t at, std::size_t n) {
    const std::string_view c = text.substr(at, n);
    std::uint8_t bits = 0;
    for (const Entry& e : entries) bits |= e.Char == c ? e.Bits : 0;
    const bool repeated = std::string_view(previous, previousBytes) == c;
    const bool drop = (bits & kAll) || ((bits & kLeading) && at < leadingEnd) ||
                      ((bits & kTrailing) && at >= trailingStart) || ((bits & kRepeats) && repeated);
    previousBytes = c.copy(previous, n);
    return !drop;
  });
}

}  // namespace

void Change(std::string& variable, std::string_view find, std::string_view replacement, std::string_view passMode,
            TOptionMemo* memo) {
  ClaimCommand(Cmd::Change);
  const char mode = SingleOptionMemo(memo, passMode, "MO", "MultiPass OnePass");
  try {
    ReplaceAll(variable, find, replacement, mode);
  } catch (const ETextTooLong&) {
    RaiseCommandError(kErrDataBuffer,
                      "The changed text would exceed the maximum length of " +
                          std::to_string(kMaxReplaceLength) + " characters",
                      {VariableBeingSet, find, replacement, passMode});
  }
}

void ChangeCaseInto(std::string& result, std::string_view value, std::string_view caseOption, TOptionMemo* memo) {
  ClaimCommand(Cmd::ChangeCase);
  if (caseOption.empty())
    RaiseCommandError(kErrIncorrectParameter, "Option list is empty", {value, caseOption});
  const char mode =
      SingleOptionMemo(memo, caseOption, "HULCN", "HardCaps Uppercase Lowercase Capitalize NoChange");
  // From here on the parameters are not read again, so result may be the
  // very text of value (assign copes with a value inside result).
  if (value.data() != result.data() || value.size() != result.size()) result.assign(value);
  switch (mode) {
    case 'H':
      TextLowerInPlace(result);
      TextCapitalizeInPlace(result);
      break;
    case 'U':
      TextUpperInPlace(result);
      break;
    case 'L':
      TextLowerInPlace(result);
      break;
    case 'C':
      TextCapitalizeInPlace(result);
      break;
    default:
      break;
  }
}

std::string ChangeCase(std::string_view value, std::string_view caseOption) {
  std::string result;
  ChangeCaseInto(result, value, caseOption);
  return result;
}

void KeepChar(std::string& variable, std::string_view keepSpec) {
  ClaimCommand(Cmd::KeepChar);
  if (variable.empty() || keepSpec.empty()) return;
  if (ByBytes(keepSpec)) {
    KeepBytes(variable, keepSpec);
  } else {
    KeepUtf8(variable, keepSpec);
  }
}

void TrimChar(std::string& variable, std::string_view removeList) {
  ClaimCommand(Cmd::TrimChar);
  if (variable.empty() || removeList.empty()) return;
  if (!ByBytes(removeList)) return TrimUtf8(variable, removeList);
  const TrimTable table = ReadRemoveTable(removeList);
  const std::size_t size = variable.size();
  const std::size_t leadingEnd = EndRun(variable, true);
  const std::size_t trailingStart = size - EndRun(variable, false);
  std::size_t out = 0;
  char previous = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = variable[i];
    const std::uint8_t bits = table[Byte(c)];
    const bool drop = (bits & kAll) || ((bits & kLeading) && i < leadingEnd) ||
                      ((bits & kTrailing) && i >= trailingStart) ||
                      ((bits & kRepeats) && i > 0 && previous == c);
    previous = c;
    if (!drop) variable[out++] = c;
  }
  variable.resize(out);
}

}  // namespace gleaner
