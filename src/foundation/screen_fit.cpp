// Window places fitted onto the available screens.
#include "foundation/screen_fit.h"

#include <algorithm>
#include <cstdint>

namespace gleaner {
namespace {

std::int64_t OverlapArea(const TScreenRect& a, const TScreenRect& b) {
  const std::int64_t width =
      std::int64_t{std::min(a.Left + a.Width, b.Left + b.Width)} - std::max(a.Left, b.Left);
  const std::int64_t height =
      std::int64_t{std::min(a.Top + a.Height, b.Top + b.Height)} - std::max(a.Top, b.Top);
  return width > 0 && height > 0 ? width * height : 0;
}

// Start and length of one side moved and shrunk into [areaStart, areaStart + areaLength).
void FitSide(int& start, int& length, int areaStart, int areaLength) {
  length = std::clamp(length, 0, std::max(areaLength, 0));
  start = std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

TScreenRect FitOnScreens(TScreenRect place, const std::vector<TScreenRect>& screens) {
  if (screens.empty()) return place;
  const TScreenRect* best = &screens.front();
  std::int64_t bestArea = 0;
  for (const TScreenRect& screen : screens) {
    const std::int64_t area = OverlapArea(place, screen);
    if (area > bestArea) {
      best = &screen;
      bestArea = area;
    }
  }
  FitSide(place.Left, place.Width, best->Left, best->Width);
  FitSide(place.Top, place.Height, best->Top, best->Height);
  return place;
}

TScreenRect Cascaded(TScreenRect place, const std::vector<TScreenRect>& taken) {
  const auto occupied = [&] {
    return std::any_of(taken.begin(), taken.end(), [&](const TScreenRect& other) {
      return other.Left == place.Left && other.Top == place.Top;
    });
  };
  // Each step leaves one taken corner behind, so this ends.
  for (std::size_t steps = 0; steps <= taken.size() && occupied(); ++steps) {
    place.Left += kCascadeStep;
    place.Top += kCascadeStep;
  }
  return place;
}

}  // namespace gleaner
