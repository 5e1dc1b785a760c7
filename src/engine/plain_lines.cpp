// Plain-line scan. One pass finds every CR and LF of the block, 32 bytes at
// a time where SSE2 is there (every x86-64), and a small state machine
// turns them into lines: a line is plain when its only CR, if any, sits
// just before its LF. The scan never reads past the block.
#include "engine/plain_lines.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gleaner {
namespace {

class TLineCutter {
 public:
  TLineCutter(const char* begin, std::size_t minLength, std::size_t maxLength, std::span<TPlainLine> out)
      : lineStart_(begin), minLength_(minLength), maxLength_(maxLength), out_(out) {}

  // Takes the next CR or LF of the block; false when the run ends here.
  bool Take(const char* at) {
    if (*at == '\r') {
      if (cr_ != nullptr) return false;  // a second CR is dropped inside the record
      cr_ = at;
      return true;
    }
    const char* textEnd = at;
    if (cr_ != nullptr) {
      if (cr_ + 1 != at) return false;  // a CR inside the line is dropped
      textEnd = cr_;
    }
    const auto length = static_cast<std::size_t>(textEnd - lineStart_);
    if (length < minLength_ || length > maxLength_) return false;
    out_[count_++] = {std::string_view(lineStart_, length),
                      std::string_view(lineStart_, static_cast<std::size_t>(at + 1 - lineStart_))};
    lineStart_ = at + 1;
    cr_ = nullptr;
    return count_ < out_.size();
  }

  std::size_t Count() const { return count_; }

 private:
  const char* lineStart_;
  const char* cr_ = nullptr;  // the CR met in the current line
  std::size_t minLength_;
  std::size_t maxLength_;
  std::span<TPlainLine> out_;
  std::size_t count_ = 0;
};

bool IsLineByte(char c) { return c == '\r' || c == '\n'; }

// Hands every CR and LF of [from, to) to the cutter, bit by bit of the
// chunk's mask; false when the cutter stopped.
bool TakeMask(TLineCutter& cutter, const char* chunk, std::uint32_t mask) {
  while (mask != 0) {
    if (!cutter.Take(chunk + __builtin_ctz(mask))) return false;
    mask &= mask - 1;
  }
  return true;
}

#if defined(__SSE2__)
std::uint32_t LineByteMask(const char* chunk) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk));
  const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16));
  const auto mask = [&](__m128i v) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
  };
  return mask(low) | (mask(high) << 16);
}
#else
std::uint32_t LineByteMask(const char* chunk) {
  std::uint32_t mask = 0;
  for (int i = 0; i < 32; ++i) mask |= static_cast<std::uint32_t>(IsLineByte(chunk[i])) << i;
  return mask;
}
#endif

}  // namespace

std::size_t ScanPlainLines(std::string_view bytes, std::size_t minLength, std::size_t maxLength,
                           std::span<TPlainLine> out) {
  if (out.empty()) return 0;
  TLineCutter cutter(bytes.data(), minLength, maxLength, out);
  const char* at = bytes.data();
  const char* end = at + bytes.size();
  for (; end - at >= 32; at += 32) {
    if (!TakeMask(cutter, at, LineByteMask(at))) return cutter.Count();
  }
  for (; at < end; ++at) {
    if (IsLineByte(*at) && !cutter.Take(at)) break;
  }
  return cutter.Count();
}

}  // namespace gleaner
