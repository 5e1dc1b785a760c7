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

}  // namespace gleaner
