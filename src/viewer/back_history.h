// Where a viewer window stands, and the back history: a stack of the last 50
// positions left by a jump (a find, an anchor link), popped by Backspace.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace gleaner {

struct TViewPosition {
  int FirstVisibleLine = 0;
  std::int64_t Caret = 0;            // character position
  std::int64_t SelectionLength = 0;  // selected characters from the caret
};

class TBackHistory {
 public:
  static constexpr int kCapacity = 50;

  void Clear() { count_ = 0; }
  int Count() const { return count_; }
  // Keeps the first visible line and the caret; when full, the oldest entry goes.
  void Push(const TViewPosition& position);
  // The latest entry (without a selection), or nothing when the history is empty.
  std::optional<TViewPosition> Pop();

 private:
  std::array<TViewPosition, kCapacity> entries_{};
  int count_ = 0;
};

}  // namespace gleaner
