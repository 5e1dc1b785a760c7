// The back history.
#include "viewer/back_history.h"

#include <algorithm>

namespace gleaner {

void TBackHistory::Push(const TViewPosition& position) {
  if (count_ == kCapacity) {
    std::move(entries_.begin() + 1, entries_.end(), entries_.begin());
    --count_;
  }
  entries_[static_cast<std::size_t>(count_++)] = {position.FirstVisibleLine, position.Caret, 0};
}

std::optional<TViewPosition> TBackHistory::Pop() {
  if (count_ == 0) return std::nullopt;
  return entries_[static_cast<std::size_t>(--count_)];
}

}  // namespace gleaner
