// The line counts of a culling run and its rule for null lines, shared by
// the record-at-a-time handlers and the block copy so the two count alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gleaner {

struct TCullTally {
  std::int64_t TextLinesIn = 0;
  std::int64_t TextLinesOut = 0;
  std::int64_t NullLinesIn = 0;
  std::int64_t NullLinesOut = 0;
  bool LastOutputWasNull = false;

  // Counts a null line in; true when one is written for it under the null
  // mode: I never, K always, S once for a run of null lines.
  bool NullLinePasses(char nullMode);
  // Counts a text line out; a later null line starts a new run.
  void TextLineKept() {
    ++TextLinesOut;
    LastOutputWasNull = false;
  }
};

// The length of a record without its trailing spaces; 0 for a blank record.
inline std::size_t TrimmedLength(std::string_view record) {
  if (!record.empty() && record.back() != ' ') return record.size();
  return record.find_last_not_of(' ') + 1;  // npos + 1 == 0
}

}  // namespace gleaner
