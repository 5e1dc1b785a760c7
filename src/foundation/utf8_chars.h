// UTF-8 sequences as the text model steps through them: a valid sequence is
// one character, and any byte that does not start one is a character of its
// own, so every text splits into characters one way and back again.
//
//   Utf8SequenceLength("\xC3\xA9x", 3) is 2; Utf8SequenceLength("\xC3x", 2) is 0.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gleaner {

// Length of the valid sequence at p (1 to 4), or 0 when the byte starts none:
// overlong forms, surrogates and code points past U+10FFFF are not valid.
std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t available);

// Bytes of the character at text[at]: its sequence, or 1 for an invalid byte.
inline std::size_t Utf8CharBytes(std::string_view text, std::size_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + at;
  if (*p < 0x80) return 1;
  const std::size_t n = Utf8SequenceLength(p, text.size() - at);
  return n == 0 ? 1 : n;
}

// Start of the character that ends just before at (at > 0), as stepping
// forward from any earlier character start would find it.
std::size_t Utf8PreviousStart(std::string_view text, std::size_t at);

// The code point of a valid sequence of n bytes at p.
char32_t Utf8Decode(const unsigned char* p, std::size_t n);
// Bytes the code point takes in UTF-8 (1 to 4).
std::size_t Utf8EncodedLength(char32_t cp);
// Writes the code point's Utf8EncodedLength(cp) bytes at p.
void Utf8Encode(char32_t cp, unsigned char* p);
void AppendUtf8(std::string& out, char32_t cp);

// True when no byte is above 0x7F.
bool IsAsciiText(std::string_view text);

}  // namespace gleaner
