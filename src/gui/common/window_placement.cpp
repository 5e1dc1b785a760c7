// Window placement through the settings store.
#include "gui/common/window_placement.h"

#include <QScreen>
#include <algorithm>

namespace gleaner {

void TWindowPlacement::SetBounds(int left, int top, int width, int height) {
  // The minimum size wins over a smaller saved size.
  window_.setGeometry(left, top, std::max(width, window_.minimumWidth()),
                      std::max(height, window_.minimumHeight()));
}

int TWindowPlacement::ScreenWidth() const {
  const QScreen* screen = window_.screen();
  return screen != nullptr ? screen->availableGeometry().width() : 0;
}

int TWindowPlacement::ScreenHeight() const {
  const QScreen* screen = window_.screen();
  return screen != nullptr ? screen->availableGeometry().height() : 0;
}

}  // namespace gleaner
