// Cols, Padded, AlphaNumPatt and Len.
#include "engine/field_commands.h"

#include <array>
#include <cstdint>

#include "engine/char_commands.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "foundation/numbers.h"
#include "foundation/text_model.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

// The pattern character of each upper-cased byte: digits "N", the code page's
// upper-case letters "A", everything else itself.
constexpr std::array<char, 256> MakePatternTable() {
  std::array<char, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<char>(i);
  for (int c = '0'; c <= '9'; ++c) table[c] = 'N';
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = 'A';
  for (int c : {0x8A, 0x8E, 0x9F}) table[c] = 'A';
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) table[c] = 'A';  // 0xD7 is the multiplication sign
  }
  return table;
}

constexpr std::array<char, 256> kPatternTable = MakePatternTable();

// In UTF-8 an upper-case letter beyond ASCII is "A" too; other characters stay.
void ReduceUtf8Pattern(std::string& pattern) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < pattern.size();) {
    const std::size_t n = CharBytes(pattern, i);
    if (n == 1 && static_cast<unsigned char>(pattern[i]) < 0x80) {
      pattern[out++] = kPatternTable[static_cast<unsigned char>(pattern[i])];
    } else if (n > 1 && IsUpperCaseLetter(std::string_view(pattern).substr(i, n))) {
      pattern[out++] = 'A';
    } else {
      pattern.copy(&pattern[out], n, i);
      out += n;
    }
    i += n;
  }
  pattern.resize(out);
}

}  // namespace

std::string Cols(std::string_view value, std::string_view from, std::string_view to) {
  ClaimCommand(Cmd::Cols);
  std::int32_t first = 0;
  std::int32_t last = 0;
  if (!CheckedInt(from, first, true, true) || !CheckedInt(to, last, true, true)) {
    RaiseCommandError(kErrIncorrectParameter, "Non-integer or non-numeric parameter", {value, from, to});
  }
  return SubText(value, first, last);
}

std::string Padded(std::string_view value, std::string_view size, std::string_view edge,
                   std::string_view padChar) {
  ClaimCommand(Cmd::Padded);
  auto fail = [&](std::string_view message) {
    RaiseCommandError(kErrIncorrectParameter, message, {value, size, edge, padChar});
  };
  std::int32_t width = 0;
  if (!TryParseInt32(size, width)) fail("Size is not numeric");
  if (width < 1) fail("Size must be 1 or more");
  if (width > kMaxPaddedSize) fail("Size must be " + std::to_string(kMaxPaddedSize) + " or less");
  if (padChar.empty()) fail("No padding character specified");
  if (edge.empty()) fail("Edge specification is null");
  const char letter = SingleOption(edge, "LRC", "Left Right Center");
  if (letter != 'L' && letter != 'R' && letter != 'C') {
    fail("Edge specification (" + std::string(edge) + ") must be Left, Right or Center");
  }
  // The edge letters name the side the padding goes, as PadText's modes do.
  return PadText(value, width, letter, padChar);
}

std::string AlphaNumPatt(std::string_view value, std::optional<std::string_view> removeList) {
  ClaimCommand(Cmd::AlphaNumPatt);
  if (value.empty()) return {};
  std::string pattern = TextFolded(value);
  if (TextIsUtf8()) {
    ReduceUtf8Pattern(pattern);
  } else {
    for (char& c : pattern) c = kPatternTable[static_cast<unsigned char>(c)];
  }
  if (removeList) {
    InternalCallScope mark;
    TrimChar(pattern, *removeList);
  }
  return pattern;
}

std::string Len(std::string_view all) {
  ClaimCommand(Cmd::Len);
  return std::to_string(CharCount(all));
}

}  // namespace gleaner
