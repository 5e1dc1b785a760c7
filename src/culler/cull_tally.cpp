// Line counts and the null-line rule of a culling run.
#include "culler/cull_tally.h"

namespace gleaner {

bool TCullTally::NullLinePasses(char nullMode) {
  ++NullLinesIn;
  if (nullMode == 'S') {
    if (LastOutputWasNull) return false;
    LastOutputWasNull = true;
  } else if (nullMode != 'K') {
    return false;
  }
  ++NullLinesOut;
  return true;
}

void TCullTally::TextLineKept() {
  ++TextLinesOut;
  LastOutputWasNull = false;
}

std::size_t TrimmedLength(std::string_view record) {
  return record.find_last_not_of(' ') + 1;  // npos + 1 == 0: a blank record empties
}

}  // namespace gleaner
