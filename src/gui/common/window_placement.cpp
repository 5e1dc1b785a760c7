// Window placement through the settings store, fitted onto the screens there
// are and cascaded from the windows already open.
#include "gui/common/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QVariant>
#include <QStyle>
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

// The frame, title bar included, is what has to fit on the screen. Before
// the window manager has framed a new window its frame reads as none; a
// title bar's height is reserved then, so the title bar never lands above
// the screen's top, where it could not be reached.
QMargins FrameOf(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
  if (!frame.isNull() || window.windowFlags().testFlag(Qt::FramelessWindowHint)) return frame;
  const int border = window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &window);
  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return {border, title + border, border, border};
}

// The least size the window takes: its minimum, or before its layout has
// set one (a window not yet shown), the layout's.
QSize LeastSize(const QWidget& window) {
  const QLayout* layout = window.layout();
  if (!window.minimumSize().isNull() || layout == nullptr) return window.minimumSize();
  return layout->totalMinimumSize();
}

// Puts the window at wanted, its frame moved and shrunk onto the screens. A
// screen smaller than the window's least size (a high scale factor on a
// small screen) lowers its minimum: every control stays reachable.
void Place(QWidget& window, const TScreenRect& wanted, const QSize& least) {
  const QMargins frame = FrameOf(window);
  const TScreenRect place = WithFrame(FitOnScreens(WithFrame(wanted, frame, 1), AvailableScreens()), frame, -1);
  if (place.Width < least.width() || place.Height < least.height()) {
    window.setMinimumSize(std::min(place.Width, least.width()), std::min(place.Height, least.height()));
  }
  window.setGeometry(place.Left, place.Top, place.Width, place.Height);
}

// A placed window whose layout grows later (captions and boxes set after the
// window was placed) past its screen's edge is fitted onto it again. Only a
// resize does it: a window the user moves partly off the screen stays there.
class TScreenGuard final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Resize) return false;
    auto& window = static_cast<QWidget&>(*watched);
    const QScreen* screen = window.screen();
    const QRect framed = window.geometry().marginsAdded(FrameOf(window));
    if (screen != nullptr && !screen->availableGeometry().contains(framed)) {
      Place(window, RectOf(window.geometry()), LeastSize(window));
    }
    return false;
  }
};

}  // namespace

void TWindowPlacement::SetBounds(int left, int top, int width, int height) {
  // The minimum size wins over a smaller saved size; the screens win over both.
  const QSize least = LeastSize(window_);
  const TScreenRect wanted{left, top, std::max(width, least.width()), std::max(height, least.height())};
  Place(window_, Cascaded(wanted, OtherWindows(window_)), least);
  if (!window_.property("screenGuard").toBool()) {
    window_.setProperty("screenGuard", true);
    window_.installEventFilter(new TScreenGuard(&window_));
  }
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
