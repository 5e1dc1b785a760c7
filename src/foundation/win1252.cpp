// Windows-1252 case tables and the mapping to and from Unicode.
#include "foundation/win1252.h"

#include <array>

#include "foundation/utf8_chars.h"

namespace gleaner {
namespace {

// Code points of 0x80..0x9F; the others equal their byte value.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
  std::array<bool, 256> alpha{};
};

constexpr CaseTables MakeTables() {
  CaseTables t;
  for (int i = 0; i < 256; ++i) t.upper[i] = t.lower[i] = static_cast<unsigned char>(i);
  auto pair = [&t](int up, int low) {
    t.upper[low] = static_cast<unsigned char>(up);
    t.lower[up] = static_cast<unsigned char>(low);
    t.alpha[up] = t.alpha[low] = true;
  };
  for (int c = 'a'; c <= 'z'; ++c) pair(c - 32, c);
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) pair(c - 32, c);  // 0xF7 is the division sign
  }
  pair(0x8A, 0x9A);  // S caron
  pair(0x8C, 0x9C);  // OE ligature
  pair(0x8E, 0x9E);  // Z caron
  pair(0x9F, 0xFF);  // Y diaeresis
  for (int c : {0x83, 0xAA, 0xB5, 0xBA, 0xDF}) t.alpha[c] = true;  // letters without case
  return t;
}

constexpr CaseTables kTables = MakeTables();

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

}  // namespace

char AnsiUpper(char c) { return static_cast<char>(kTables.upper[Byte(c)]); }
char AnsiLower(char c) { return static_cast<char>(kTables.lower[Byte(c)]); }

void AnsiUpperInPlace(std::string& text) {
  for (char& c : text) c = AnsiUpper(c);
}
void AnsiLowerInPlace(std::string& text) {
  for (char& c : text) c = AnsiLower(c);
}

std::string AnsiUpperCase(std::string_view text) {
  std::string out(text);
  AnsiUpperInPlace(out);
  return out;
}

std::string AnsiLowerCase(std::string_view text) {
  std::string out(text);
  AnsiLowerInPlace(out);
  return out;
}

bool HasCase(char c) { return AnsiUpper(c) != c || AnsiLower(c) != c; }
bool IsAnsiAlpha(char c) { return kTables.alpha[Byte(c)]; }

bool SameTextIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AnsiUpper(a[i]) != AnsiUpper(b[i])) return false;
  }
  return true;
}

// Decodes one UTF-8 sequence at text[i]; invalid bytes decode as U+FFFD.
char32_t NextUtf8CodePoint(std::string_view text, std::size_t& i) {
  const unsigned char lead = Byte(text[i++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0) return 0xFFFD;
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (Byte(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (Byte(text[i++]) & 0x3F);
  }
  return cp;
}

char32_t ToCodePoint(char c) {
  const unsigned char b = Byte(c);
  return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : b;
}

char FromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

std::string Win1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, ToCodePoint(c));
  return out;
}

std::string Utf8ToWin1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) out += FromCodePoint(NextUtf8CodePoint(text, i));
  return out;
}

}  // namespace gleaner
