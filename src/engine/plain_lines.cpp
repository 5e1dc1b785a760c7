// Plain-line scan. One pass builds, 64 bytes at a time, the masks of the CR
// and LF bytes (with SSE2 where it is there, as on every x86-64). A CR that
// is not just before an LF makes its line not plain, so the scan stops at
// the first such CR; every LF before it ends a line, without its CR when
// one stands before it. The scan never reads past the block.
#include "engine/plain_lines.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gleaner {
namespace {

constexpr std::size_t kChunk = 64;

struct TMasks {
  std::uint64_t Cr = 0;
  std::uint64_t Lf = 0;
};

#if defined(__SSE2__)
TMasks LineByteMasks(const char* chunk) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  TMasks masks;
  for (int part = 0; part < 4; ++part) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part));
    const auto bits = [&v](__m128i c) {
      return static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, c))));
    };
    masks.Cr |= bits(cr) << (16 * part);
    masks.Lf |= bits(lf) << (16 * part);
  }
  return masks;
}
#else
TMasks LineByteMasks(const char* chunk) {
  TMasks masks;
  for (std::size_t i = 0; i < kChunk; ++i) {
    masks.Cr |= static_cast<std::uint64_t>(chunk[i] == '\r') << i;
    masks.Lf |= static_cast<std::uint64_t>(chunk[i] == '\n') << i;
  }
  return masks;
}
#endif

class TLineCutter {
 public:
  TLineCutter(std::string_view bytes, std::size_t minLength, std::size_t maxLength, std::span<TPlainLine> out)
      : lineStart_(bytes.data()), end_(bytes.data() + bytes.size()), minLength_(minLength),
        maxLength_(maxLength), out_(out) {}

  // Cuts the lines of the chunk at; false when the run of plain lines ends in it.
  bool TakeChunk(const char* at) {
    const TMasks masks = Masks(at);
    // A CR is harmless only just before an LF; the one at the chunk's last byte looks ahead.
    std::uint64_t followed = masks.Lf >> 1;
    if (at + kChunk < end_ && at[kChunk] == '\n') followed |= std::uint64_t{1} << 63;
    const std::uint64_t strayCr = masks.Cr & ~followed;
    std::uint64_t ends = masks.Lf;
    if (strayCr != 0) ends &= (strayCr & (0 - strayCr)) - 1;  // the LFs before the first stray CR
    const std::uint64_t crBefore = masks.Cr << 1 | crAtEnd_;
    crAtEnd_ = masks.Cr >> 63;
    for (; ends != 0; ends &= ends - 1) {
      const int bit = __builtin_ctzll(ends);
      if (!TakeLine(at + bit, (crBefore >> bit) & 1)) return false;
    }
    return strayCr == 0;
  }

  std::size_t Count() const { return count_; }

 private:
  // The masks of a whole chunk, or of the block's last bytes padded with zeros.
  TMasks Masks(const char* at) const {
    if (end_ - at >= static_cast<std::ptrdiff_t>(kChunk)) return LineByteMasks(at);
    char padded[kChunk] = {};
    std::memcpy(padded, at, static_cast<std::size_t>(end_ - at));
    return LineByteMasks(padded);
  }

  // The line ending at lf; a CR just before lf is never before the line's
  // start, as the byte before a line is an LF or outside the block.
  bool TakeLine(const char* lf, std::uint64_t crBefore) {
    const char* textEnd = lf - crBefore;
    const auto length = static_cast<std::size_t>(textEnd - lineStart_);
    if (length < minLength_ || length > maxLength_) return false;
    out_[count_++] = {std::string_view(lineStart_, length),
                      std::string_view(lineStart_, static_cast<std::size_t>(lf + 1 - lineStart_))};
    lineStart_ = lf + 1;
    return count_ < out_.size();
  }

  const char* lineStart_;
  const char* end_;
  std::uint64_t crAtEnd_ = 0;  // the last chunk ended with a CR
  std::size_t minLength_;
  std::size_t maxLength_;
  std::span<TPlainLine> out_;
  std::size_t count_ = 0;
};

}  // namespace

std::size_t ScanPlainLines(std::string_view bytes, std::size_t minLength, std::size_t maxLength,
                           std::span<TPlainLine> out) {
  if (out.empty()) return 0;
  TLineCutter cutter(bytes, minLength, maxLength, out);
  for (const char* at = bytes.data(); at < bytes.data() + bytes.size(); at += kChunk) {
    if (!cutter.TakeChunk(at)) break;
  }
  return cutter.Count();
}

}  // namespace gleaner
