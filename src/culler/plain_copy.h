// The block copy of a culling run without a script and without lists: after
// the handlers have taken one record the usual way, CopyAhead handles the
// plain lines that follow it in the read block in one go. Each is trimmed,
// counted and written as the record-at-a-time path would (same bytes, same
// counts, same record count, Record and PreviousRecord), but a run of lines
// that need no change is moved to the output buffer with one copy. The
// lines it cannot take (a CR inside a line, a line across the block edge,
// another input type) are left to the record reader, so the run still goes
// back to the record loop, and its event pump and Cancel, once per block.
//
//   TPlainCopy copy;
//   // in Main, after the current record, with no script and no lists:
//   copy.CopyAhead(tally, controls.NullMode);
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "culler/cull_tally.h"
#include "engine/gleaner_engine.h"

namespace gleaner {

class TPlainCopy {
 public:
  TPlainCopy();
  // Copies the plain lines ahead in the read block into the output.
  void CopyAhead(TCullTally& tally, char nullMode);

 private:
  // Records lines_[taken_, end) as read, trimmed as Main trims.
  void Take(std::size_t end);

  std::vector<TPlainLine> lines_;  // the lines of one call, kept from call to call
  std::size_t taken_ = 0;
};

}  // namespace gleaner
