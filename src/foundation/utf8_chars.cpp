// Stepping through UTF-8 text character by character.
#include "foundation/utf8_chars.h"

#include <cstdint>
#include <cstring>

namespace gleaner {

std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t available) {
  const unsigned char lead = p[0];
  if (lead < 0x80) return 1;
  std::size_t n = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    // The second byte's bounds exclude overlong forms and surrogates.
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (available < n || p[1] < low || p[1] > high) return 0;
  for (std::size_t k = 2; k < n; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
  }
  return n;
}

std::size_t Utf8PreviousStart(std::string_view text, std::size_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  // A valid sequence ending at at is the previous character; its lead byte
  // cannot belong to anything before it, so the answer is unique.
  for (std::size_t k = 2; k <= 4 && k <= at; ++k) {
    if ((p[at - k] & 0xC0) == 0x80) continue;
    if (Utf8SequenceLength(p + at - k, k) == k) return at - k;
    break;
  }
  return at - 1;
}

char32_t Utf8Decode(const unsigned char* p, std::size_t n) {
  if (n == 1) return p[0];
  char32_t cp = p[0] & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (p[k] & 0x3F);
  return cp;
}

std::size_t Utf8EncodedLength(char32_t cp) {
  if (cp < 0x80) return 1;
  if (cp < 0x800) return 2;
  return cp < 0x10000 ? 3 : 4;
}

void Utf8Encode(char32_t cp, unsigned char* p) {
  const std::size_t n = Utf8EncodedLength(cp);
  if (n == 1) {
    p[0] = static_cast<unsigned char>(cp);
    return;
  }
  static constexpr unsigned char kLeadBits[5] = {0, 0, 0xC0, 0xE0, 0xF0};
  for (std::size_t k = n - 1; k > 0; --k) {
    p[k] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
    cp >>= 6;
  }
  p[0] = static_cast<unsigned char>(kLeadBits[n] | cp);
}

void AppendUtf8(std::string& out, char32_t cp) {
  unsigned char bytes[4];
  Utf8Encode(cp, bytes);
  out.append(reinterpret_cast<const char*>(bytes), Utf8EncodedLength(cp));
}

bool IsAsciiText(std::string_view text) {
  const char* p = text.data();
  std::size_t n = text.size();
  // Eight bytes at a time: the high bits of all of them at once.
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    if (word & 0x8080808080808080ULL) return false;
  }
  for (; n > 0; ++p, --n) {
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  }
  return true;
}

}  // namespace gleaner
