// Case-blind term search. The wide test only narrows the places: a line byte
// passes when it equals the anchor with bit 0x20 forced on, which every byte
// that upper-cases to the anchor does for nearly all letters of the code page
// (they differ from their upper case in that bit alone), and some other bytes
// do too; the full comparison through the upper-case table decides. A term
// whose first or last letter has another lower-case form (the pair Š/š, for
// one) is searched place by place.
#include "culler/folded_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "foundation/text_model.h"
#include "foundation/utf8_chars.h"
#include "foundation/win1252.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gleaner {
namespace {

using ByteTable = std::array<std::uint8_t, 256>;

// The upper case of every byte: the code page's, or in UTF-8 that of ASCII
// alone (a character beyond ASCII never upper-cases to one within it).
const ByteTable& UpperTable() {
  static const ByteTable win1252 = [] {
    ByteTable built{};
    for (std::size_t c = 0; c < built.size(); ++c) {
      built[c] = static_cast<std::uint8_t>(AnsiUpper(static_cast<char>(c)));
    }
    return built;
  }();
  static const ByteTable ascii = [] {
    ByteTable built{};
    for (std::size_t c = 0; c < built.size(); ++c) {
      built[c] = static_cast<std::uint8_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return built;
  }();
  return TextIsUtf8() ? ascii : win1252;
}

// Whether offset k of a UTF-8 line falls inside a valid sequence, after its lead byte.
bool InsideCharacter(std::string_view line, std::size_t k) {
  if (k >= line.size() || (static_cast<unsigned char>(line[k]) & 0xC0) != 0x80) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  for (std::size_t d = 1; d <= 3 && d <= k; ++d) {
    if (Utf8SequenceLength(p + k - d, line.size() - (k - d)) > d) return true;
  }
  return false;
}

}  // namespace

TFoldedTerm::TFoldedTerm(std::string upperTerm)
    : term_(std::move(upperTerm)), table_(&UpperTable()), chars_(TextIsUtf8() && !IsAsciiText(term_)) {
  wide_ = !chars_ && AnchorFor(term_.front(), first_) && AnchorFor(term_.back(), last_);
}

// Every byte that upper-cases to upper must pass the anchor's test; the
// mask 0x20 is tried only when the plain equality test would miss one.
bool TFoldedTerm::AnchorFor(char upper, TAnchor& anchor) {
  const auto u = static_cast<std::uint8_t>(upper);
  const auto& table = UpperTable();
  for (const std::uint8_t mask : {std::uint8_t{0}, std::uint8_t{0x20}}) {
    bool all = true;
    for (std::size_t b = 0; b < table.size() && all; ++b) {
      if (table[b] == u) all = (b | mask) == (u | mask);
    }
    if (all) {
      anchor = {mask, static_cast<std::uint8_t>(u | mask)};
      return true;
    }
  }
  return false;
}

bool TFoldedTerm::MatchesAt(const char* at) const {
  if (chars_) return TextSameFolded(std::string_view(at, term_.size()), term_);
  const ByteTable& table = *table_;
  for (std::size_t k = 0; k < term_.size(); ++k) {
    if (table[static_cast<std::uint8_t>(at[k])] != static_cast<std::uint8_t>(term_[k])) return false;
  }
  return true;
}

// The plain search of every place from "from" on; a term compared by
// characters only matches whole characters of the line.
bool TFoldedTerm::ScanFrom(std::string_view line, std::size_t from) const {
  if (line.size() < term_.size()) return false;
  const std::size_t lastPlace = line.size() - term_.size();
  for (std::size_t i = from; i <= lastPlace; ++i) {
    if (chars_ && (InsideCharacter(line, i) || InsideCharacter(line, i + term_.size()))) continue;
    if (MatchesAt(line.data() + i)) return true;
  }
  return false;
}

// Tries 16 places at a time while both loads stay inside the line, the last
// 16 overlapping the ones before; returns the first place not tried.
std::size_t TFoldedTerm::WideScan(std::string_view line, bool& found) const {
  found = false;
#if defined(__SSE2__)
  const std::size_t span = term_.size() - 1;
  if (!wide_ || line.size() < span + 16) return 0;
  const __m128i firstMask = _mm_set1_epi8(static_cast<char>(first_.Mask));
  const __m128i firstValue = _mm_set1_epi8(static_cast<char>(first_.Value));
  const __m128i lastMask = _mm_set1_epi8(static_cast<char>(last_.Mask));
  const __m128i lastValue = _mm_set1_epi8(static_cast<char>(last_.Value));
  const std::size_t finalBlock = line.size() - span - 16;
  for (std::size_t i = 0;; i = std::min(i + 16, finalBlock)) {
    const char* at = line.data() + i;
    const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + span));
    const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(head, firstMask), firstValue),
                                       _mm_cmpeq_epi8(_mm_or_si128(tail, lastMask), lastValue));
    for (unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(both)); bits != 0; bits &= bits - 1) {
      if (MatchesAt(at + std::countr_zero(bits))) {
        found = true;
        return i;
      }
    }
    if (i == finalBlock) return line.size();
  }
#else
  (void)line;
  return 0;
#endif
}

bool TFoldedTerm::In(std::string_view line) const {
  bool found = false;
  const std::size_t rest = WideScan(line, found);
  return found || ScanFrom(line, rest);
}

}  // namespace gleaner
