// Case mapping and case-blind keys of the text model. Windows-1252 uses the
// code page's tables; UTF-8 uses Unicode's simple case mappings from the
// Unicode library, keeping a character whose mapping would change its byte
// length (see text_model.h).
#include <utf8proc.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "foundation/text_model.h"
#include "foundation/utf8_chars.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

using AsciiTable = std::array<unsigned char, 128>;

constexpr AsciiTable MakeAsciiTable(int from, int shift) {
  AsciiTable t{};
  for (int c = 0; c < 128; ++c) t[c] = static_cast<unsigned char>(c);
  for (int c = from; c < from + 26; ++c) t[c] = static_cast<unsigned char>(c + shift);
  return t;
}

constexpr AsciiTable kAsciiUpper = MakeAsciiTable('a', 'A' - 'a');
constexpr AsciiTable kAsciiLower = MakeAsciiTable('A', 'a' - 'A');

using CodeMap = utf8proc_int32_t (*)(utf8proc_int32_t);

// The mapping of cp when it takes as many bytes as cp, else cp itself.
char32_t SameLength(CodeMap map, char32_t cp) {
  const auto mapped = static_cast<char32_t>(map(static_cast<utf8proc_int32_t>(cp)));
  return Utf8EncodedLength(mapped) == Utf8EncodedLength(cp) ? mapped : cp;
}

bool Utf8HasCase(char32_t cp) {
  const auto c = static_cast<utf8proc_int32_t>(cp);
  return utf8proc_toupper(c) != c || utf8proc_tolower(c) != c;
}

constexpr std::uint64_t kEveryByte = 0x0101010101010101u;

// Eight ASCII bytes at once: the letters from first to first + 25 have their
// 0x20 bit flipped (a-z raised or A-Z lowered, as the tables do). Adding to
// a byte below 0x80 never carries into the next, so each byte's top bit
// says whether it reached the bound.
std::uint64_t FlipAsciiLetters(std::uint64_t bytes, unsigned char first) {
  const std::uint64_t fromFirst = bytes + kEveryByte * (0x80u - first);
  const std::uint64_t pastLast = bytes + kEveryByte * (0x80u - (first + 26u));
  return bytes ^ (((fromFirst & ~pastLast) & (kEveryByte * 0x80u)) >> 2);
}

// Maps every character of text in place: ASCII as the table does (eight
// bytes at a time while they are all ASCII), other valid characters by map;
// invalid bytes stay. first is the first letter the table changes.
void MapUtf8(std::string& text, const AsciiTable& ascii, unsigned char first, CodeMap map) {
  auto* p = reinterpret_cast<unsigned char*>(text.data());
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size;) {
    // Eight bytes; a tail shorter than that is taken with bytes before it,
    // already mapped, which map to themselves.
    if (size >= 8) {
      const std::size_t at = std::min(i, size - 8);
      std::uint64_t bytes = 0;
      std::memcpy(&bytes, p + at, 8);
      if ((bytes & kEveryByte * 0x80u) == 0) {
        bytes = FlipAsciiLetters(bytes, first);
        std::memcpy(p + at, &bytes, 8);
        i = at + 8;
        continue;
      }
    }
    if (p[i] < 0x80) {
      p[i] = ascii[p[i]];
      ++i;
      continue;
    }
    const std::size_t n = Utf8SequenceLength(p + i, size - i);
    if (n == 0) {
      ++i;
      continue;
    }
    const char32_t cp = Utf8Decode(p + i, n);
    const char32_t mapped = SameLength(map, cp);
    if (mapped != cp) Utf8Encode(mapped, p + i);
    i += n;
  }
}

void Win1252Capitalize(std::string& text) {
  bool raiseNext = true;
  for (char& c : text) {
    if (raiseNext) c = AnsiUpper(c);
    raiseNext = !HasCase(c);
  }
}

// Title case for the raised characters (a digraph such as "ǆ" becomes "ǅ").
void Utf8Capitalize(std::string& text) {
  auto* p = reinterpret_cast<unsigned char*>(text.data());
  const std::size_t size = text.size();
  bool raiseNext = true;
  for (std::size_t i = 0; i < size;) {
    const std::size_t n = Utf8SequenceLength(p + i, size - i);
    if (n == 0) {
      raiseNext = true;
      ++i;
      continue;
    }
    char32_t cp = Utf8Decode(p + i, n);
    if (raiseNext) {
      cp = SameLength(utf8proc_totitle, cp);
      Utf8Encode(cp, p + i);
    }
    raiseNext = !Utf8HasCase(cp);
    i += n;
  }
}

bool Utf8SameFolded(std::string_view a, std::string_view b) {
  const auto* p = reinterpret_cast<const unsigned char*>(a.data());
  const auto* q = reinterpret_cast<const unsigned char*>(b.data());
  const std::size_t size = a.size();
  for (std::size_t i = 0; i < size;) {
    if (p[i] < 0x80 || q[i] < 0x80) {
      if (kAsciiUpper[p[i] & 0x7F] != kAsciiUpper[q[i] & 0x7F] || (p[i] ^ q[i]) & 0x80) return false;
      ++i;
      continue;
    }
    const std::size_t n = Utf8SequenceLength(p + i, size - i);
    if (n != Utf8SequenceLength(q + i, size - i)) return false;
    if (n == 0) {
      if (p[i] != q[i]) return false;
      ++i;
      continue;
    }
    if (SameLength(utf8proc_toupper, Utf8Decode(p + i, n)) != SameLength(utf8proc_toupper, Utf8Decode(q + i, n)))
      return false;
    i += n;
  }
  return true;
}

// The bytes of a text's case-blind key, read one after another.
class TFoldedBytes {
 public:
  explicit TFoldedBytes(std::string_view text) : text_(text) {}
  // The key's byte at offset k; k only grows from call to call.
  unsigned char At(std::size_t k) {
    if (k >= end_) Fold(k);
    return bytes_[k - start_];
  }

 private:
  void Fold(std::size_t k) {
    const auto* p = reinterpret_cast<const unsigned char*>(text_.data());
    start_ = k;
    const std::size_t n = Utf8SequenceLength(p + k, text_.size() - k);
    if (n <= 1) {
      bytes_[0] = p[k] < 0x80 ? kAsciiUpper[p[k]] : p[k];
      end_ = k + 1;
      return;
    }
    Utf8Encode(SameLength(utf8proc_toupper, Utf8Decode(p + k, n)), bytes_);
    end_ = k + n;
  }

  std::string_view text_;
  std::size_t start_ = 0, end_ = 0;
  unsigned char bytes_[4] = {};
};

}  // namespace

void TextUpperInPlace(std::string& text) {
  if (TextIsUtf8()) {
    MapUtf8(text, kAsciiUpper, 'a', utf8proc_toupper);
  } else {
    AnsiUpperInPlace(text);
  }
}

void TextLowerInPlace(std::string& text) {
  if (TextIsUtf8()) {
    MapUtf8(text, kAsciiLower, 'A', utf8proc_tolower);
  } else {
    AnsiLowerInPlace(text);
  }
}

void TextCapitalizeInPlace(std::string& text) {
  if (TextIsUtf8()) {
    Utf8Capitalize(text);
  } else {
    Win1252Capitalize(text);
  }
}

void TextFoldInto(std::string_view text, std::string& out) {
  out.assign(text);
  TextUpperInPlace(out);
}

std::string TextFolded(std::string_view text) {
  std::string out;
  TextFoldInto(text, out);
  return out;
}

int TextCompareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  if (TextIsUtf8()) {
    TFoldedBytes x(a), y(b);
    for (std::size_t k = 0; k < n; ++k) {
      const auto p = static_cast<unsigned char>(a[k]);
      const auto q = static_cast<unsigned char>(b[k]);
      // An ASCII byte is a character of its own, so the readers stay in step past it.
      const int d = (p | q) < 0x80 ? kAsciiUpper[p] - kAsciiUpper[q] : x.At(k) - y.At(k);
      if (d != 0) return d;
    }
  } else {
    for (std::size_t k = 0; k < n; ++k) {
      const int d = static_cast<unsigned char>(AnsiUpper(a[k])) - static_cast<unsigned char>(AnsiUpper(b[k]));
      if (d != 0) return d;
    }
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool IsUpperCaseLetter(std::string_view character) {
  if (!TextIsUtf8()) return character.size() == 1 && IsAnsiAlpha(character[0]) && AnsiLower(character[0]) != character[0];
  const auto* p = reinterpret_cast<const unsigned char*>(character.data());
  const std::size_t n = Utf8SequenceLength(p, character.size());
  if (n == 0) return false;
  const auto category = utf8proc_category(static_cast<utf8proc_int32_t>(Utf8Decode(p, n)));
  return category == UTF8PROC_CATEGORY_LU || category == UTF8PROC_CATEGORY_LT;
}

bool TextSameFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  return TextIsUtf8() ? Utf8SameFolded(a, b) : SameTextIgnoreCase(a, b);
}

}  // namespace gleaner
