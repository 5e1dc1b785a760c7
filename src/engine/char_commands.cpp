// Change, ChangeCase, KeepChar and TrimChar. KeepChar and TrimChar read
// their specification into a per-byte table first (raising on a bad item
// before anything changes), then filter the variable in place in one pass.
#include "engine/char_commands.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "foundation/text_model.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

using KeepSet = std::bitset<256>;

KeepSet ReadKeepSpec(std::string_view keepSpec) {
  KeepSet keep;
  const char separator = keepSpec.front();
  std::size_t start = 1;
  while (start <= keepSpec.size()) {
    std::size_t end = keepSpec.find(separator, start);
    if (end == std::string_view::npos) end = keepSpec.size();
    const std::string_view item = keepSpec.substr(start, end - start);
    start = end + 1;
    if (item.size() > 2) {
      RaiseCommandError(kErrIncorrectParameter,
                        "The keep specification (" + std::string(item) + ") is not valid" +
                            std::string(kCrLf) +
                            "It must be a single character (meaning that specific character)"
                            "or two characters (meaning an inclusive range of characters)",
                        {VariableBeingSet, keepSpec});
    }
    if (item.empty()) continue;
    const unsigned a = Byte(item.front());
    const unsigned b = Byte(item.back());
    for (unsigned c = std::min(a, b); c <= std::max(a, b); ++c) keep.set(c);
  }
  return keep;
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

TrimTable ReadRemoveList(std::string_view removeList) {
  if (removeList.size() % 2 != 0) {
    RaiseCommandError(kErrIncorrectParameter,
                      "The remove list should have one or more pairs of characters" + std::string(kCrLf) +
                          "Example:  'B A,' means \"Spaces on both sides, and all commas\"",
                      {VariableBeingSet, removeList});
  }
  TrimTable table{};
  for (std::size_t i = 0; i < removeList.size(); i += 2) {
    const std::uint8_t bits = TrimBits(AnsiUpper(removeList[i]));
    if (bits == 0) {
      RaiseCommandError(
          kErrIncorrectParameter,
          "Unrecognized TrimChar specification" + std::string(kCrLf) + "Valid options are: ABLRM",
          {VariableBeingSet, removeList});
    }
    table[Byte(removeList[i + 1])] |= bits;
  }
  return table;
}

// Length of the run of text's first (or last) character at that end.
std::size_t EndRun(std::string_view text, bool leading) {
  const char c = leading ? text.front() : text.back();
  const std::size_t other = leading ? text.find_first_not_of(c) : text.find_last_not_of(c);
  if (other == std::string_view::npos) return text.size();
  return leading ? other : text.size() - 1 - other;
}

}  // namespace

void Change(std::string& variable, std::string_view find, std::string_view replacement,
            std::string_view passMode) {
  ClaimCommand(Cmd::Change);
  const char mode = SingleOption(passMode, "MO", "MultiPass OnePass");
  try {
    ReplaceAll(variable, find, replacement, mode);
  } catch (const ETextTooLong&) {
    RaiseCommandError(kErrDataBuffer,
                      "The changed text would exceed the maximum length of " +
                          std::to_string(kMaxReplaceLength) + " characters",
                      {VariableBeingSet, find, replacement, passMode});
  }
}

void ChangeCaseInto(std::string& result, std::string_view value, std::string_view caseOption) {
  ClaimCommand(Cmd::ChangeCase);
  if (caseOption.empty())
    RaiseCommandError(kErrIncorrectParameter, "Option list is empty", {value, caseOption});
  const char mode = SingleOption(caseOption, "HULCN", "HardCaps Uppercase Lowercase Capitalize NoChange");
  result.assign(value);
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
  const KeepSet keep = ReadKeepSpec(keepSpec);
  std::size_t out = 0;
  for (char c : variable) {
    if (keep.test(Byte(c))) variable[out++] = c;
  }
  variable.resize(out);
}

void TrimChar(std::string& variable, std::string_view removeList) {
  ClaimCommand(Cmd::TrimChar);
  if (variable.empty() || removeList.empty()) return;
  const TrimTable table = ReadRemoveList(removeList);
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
