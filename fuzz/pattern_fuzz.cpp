// Fuzzes the pattern compiler and matcher. Input: a flag byte, a pattern
// length byte, the pattern, then the subject. Flags: bit 0 exact case, bits
// 1-2 the start position offset, bit 3 run the pattern bytes as a raw program
// (which may be malformed). Short inputs are also checked against the naive
// reference matcher.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/gleaner_engine.h"
#include "support/reference_matcher.h"

namespace {

using gleaner::TPatternMatch;

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckShape(const TPatternMatch& m, std::string_view subject, std::int64_t start) {
  const auto size = static_cast<std::int64_t>(subject.size());
  if (m.Position == 0) return Check(m.Length == 0);
  Check(m.Position >= std::max<std::int64_t>(start, 1) && m.Position <= size);
  Check(m.Length >= 0 && m.Position + m.Length <= size + 1);
}

bool Same(const TPatternMatch& a, const TPatternMatch& b) {
  return a.Position == b.Position && a.Length == b.Length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t flags = data[0];
  const std::size_t patternLength = std::min<std::size_t>(data[1], size - 2);
  const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string_view pattern = input.substr(0, patternLength);
  const std::string_view subject = input.substr(patternLength);
  const bool exactCase = flags & 1;
  const std::int64_t start = (flags >> 1) & 3;
  const bool raw = flags & 8;
  const std::string program = raw ? std::string(pattern) : gleaner::CompilePattern(pattern);
  TPatternMatch first, last;
  try {
    first = gleaner::Search(program, subject, start, exactCase);
    last = gleaner::SearchLast(program, subject, start, exactCase);
  } catch (const std::runtime_error& e) {
    Check(raw && std::string_view(e.what()).substr(0, 12) == "Error RE-MO-");
    return 0;
  }
  CheckShape(first, subject, start);
  CheckShape(last, subject, start);
  Check((first.Position == 0) == (last.Position == 0));
  Check(last.Position >= first.Position);
  if (last.Position != 0) Check(Same(gleaner::Search(program, subject, last.Position, exactCase), last));
  const bool shortEnough =
      pattern.size() <= 10 && subject.size() <= 14 && std::count(pattern.begin(), pattern.end(), '*') <= 4;
  if (!raw && shortEnough) {
    Check(Same(first, gleaner::testing::ReferenceSearch(pattern, subject, start, exactCase)));
    Check(Same(last, gleaner::testing::ReferenceSearchLast(pattern, subject, start, exactCase)));
  }
  return 0;
}
