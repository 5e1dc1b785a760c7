// UTF-8 detection and decoding into Windows-1252.
#include "foundation/text_encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "foundation/win1252.h"

namespace gleaner {
namespace {

// Length of the sequence a lead byte starts (0 when it cannot start one).
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Where a text ends that holds only whole sequences (or invalid bytes).
std::size_t WholeSequencesEnd(std::string_view bytes) {
  const std::size_t size = bytes.size();
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const auto c = static_cast<unsigned char>(bytes[size - back]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const int length = SequenceLength(c);
    return length > static_cast<int>(back) ? size - back : size;
  }
  return size;
}

// Where the first byte with the high bit set stands at or after from (size
// when none): ASCII, most of most texts, is passed over eight bytes at a time.
std::size_t NextNonAscii(std::string_view bytes, std::size_t from) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  while (from + 8 <= bytes.size()) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + from, 8);
    if ((word & kHighBits) != 0) break;
    from += 8;
  }
  while (from < bytes.size() && static_cast<unsigned char>(bytes[from]) < 0x80) ++from;
  return from;
}

}  // namespace

void TUtf8Scan::Feed(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (!valid_) return;
    if (pending_ == 0) {
      at = NextNonAscii(bytes, at);
      if (at == bytes.size()) return;
    }
    const auto c = static_cast<unsigned char>(bytes[at]);
    if (pending_ > 0) {
      valid_ = c >= low_ && c <= high_;
      --pending_;
      low_ = 0x80;
      high_ = 0xBF;
      continue;
    }
    if (c < 0x80) continue;
    nonAscii_ = true;
    pending_ = SequenceLength(c) - 1;
    valid_ = pending_ > 0;
    // The second byte's bounds exclude overlong forms, surrogates and code points past U+10FFFF.
    if (c == 0xE0) low_ = 0xA0;
    if (c == 0xED) high_ = 0x9F;
    if (c == 0xF0) low_ = 0x90;
    if (c == 0xF4) high_ = 0x8F;
  }
}

std::int64_t ScanFileStart(const std::string& systemName, TUtf8Scan& scan, bool wholeAtLimit) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(systemName.c_str(), "rb"), std::fclose);
  if (!file) return -1;
  constexpr std::size_t kBlock = 256 * 1024;
  const std::unique_ptr<char[]> block(new char[kBlock]);
  std::int64_t read = 0;
  while (read < kEncodingScanLimit && !scan.Failed()) {
    const std::size_t size = std::fread(block.get(), 1, kBlock, file.get());
    if (size == 0) break;
    const std::string_view got(block.get(), size);
    read += static_cast<std::int64_t>(size);
    scan.Feed(wholeAtLimit && read >= kEncodingScanLimit ? got.substr(0, WholeSequencesEnd(got)) : got);
  }
  return read;
}

bool FileIsUtf8(const std::string& systemName) {
  TUtf8Scan scan;
  return ScanFileStart(systemName, scan, true) >= 0 && scan.IsUtf8();
}

void TUtf8Decoder::Decode(std::string_view bytes, std::string& out) {
  std::string_view text = bytes;
  if (!carry_.empty()) {
    carry_.append(bytes);
    text = carry_;
  }
  const std::size_t end = WholeSequencesEnd(text);
  out.reserve(out.size() + end);
  const std::string_view whole = text.substr(0, end);
  for (std::size_t i = 0; i < whole.size();) out += FromCodePoint(NextUtf8CodePoint(whole, i));
  std::string rest(text.substr(end));
  carry_.swap(rest);
}

void TUtf8Decoder::Finish(std::string& out) {
  if (!carry_.empty()) out += '?';
  carry_.clear();
}

}  // namespace gleaner
