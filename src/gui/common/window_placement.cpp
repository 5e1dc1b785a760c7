// Window placement through the settings store, fitted onto the screens there
// are and cascaded from the windows already open.
#include "gui/common/window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "foundation/screen_fit.h"

namespace gleaner {

namespace {

TScreenRect RectOf(const QRect& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

std::vector<TScreenRect> AvailableScreens() {
  std::vector<TScreenRect> screens;
  for (const QScreen* screen : QGuiApplication::screens())
    screens.push_back(RectOf(screen->availableGeometry()));
  return screens;
}

std::vector<TScreenRect> OtherWindows(const QWidget& window) {
  std::vector<TScreenRect> places;
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other != &window && other->isVisible()) places.push_back(RectOf(other->geometry()));
  }
  return places;
}

// The rectangle grown by the frame (sign 1) or shrunk to the client area (-1).
TScreenRect WithFrame(const TScreenRect& rect, const QMargins& frame, int sign) {
  return {rect.Left - sign * frame.left(), rect.Top - sign * frame.top(),
          rect.Width + sign * (frame.left() + frame.right()),
          rect.Height + sign * (frame.top() + frame.bottom())};
}

}  // namespace

void TWindowPlacement::SetBounds(int left, int top, int width, int height) {
  // The minimum size wins over a smaller saved size; the screens win over both.
  const TScreenRect wanted{left, top, std::max(width, window_.minimumWidth()),
                           std::max(height, window_.minimumHeight())};
  // The frame, title bar included, is what has to fit on the screen.
  const QMargins frame =
      window_.windowHandle() != nullptr ? window_.windowHandle()->frameMargins() : QMargins();
  const TScreenRect framed =
      FitOnScreens(WithFrame(Cascaded(wanted, OtherWindows(window_)), frame, 1), AvailableScreens());
  const TScreenRect place = WithFrame(framed, frame, -1);
  window_.setGeometry(place.Left, place.Top, place.Width, place.Height);
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
