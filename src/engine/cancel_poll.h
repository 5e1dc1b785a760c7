// Cancel inside one long command. The engine lets the user interface act once
// per record and at every jump of a script that may repeat lines; a pattern
// search of a long record or the load of a big lookup file runs far longer
// than that, so such loops count their work and let it act every so often
// (about every millisecond), never per step.
#pragma once

#include <cstddef>

namespace gleaner {

// Lets the user interface act; raises the Cancel error when a cancel is
// requested during an open run (outside a run it does nothing).
void PollCancel();

class TCancelPoll {
 public:
  // Counts work units (a character looked at, an instruction run); polls
  // once per kStride units.
  void Tick(std::size_t units) {
    due_ += units;
    if (due_ < kStride) return;
    due_ = 0;
    PollCancel();
  }

 private:
  static constexpr std::size_t kStride = std::size_t{1} << 18;
  std::size_t due_ = 0;
};

}  // namespace gleaner
