// Fitting a saved window place onto the screens there are now. A place saved
// on another monitor, or at another scale factor, may lie off every screen or
// run past its edges; it is moved onto the screen it overlaps most (the first
// screen when it overlaps none) and, where it is larger, shrunk to that
// screen. New windows of a kind step down and right from a place already taken,
// so they never open exactly on top of one another.
//
//   FitOnScreens({2500, 100, 600, 400}, {{0, 0, 1400, 900}}) is {800, 100, 600, 400}
#pragma once

#include <vector>

namespace gleaner {

struct TScreenRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TScreenRect&) const = default;
};

// The place moved and shrunk to lie on one of the screens (their available
// areas); unchanged when there are no screens.
TScreenRect FitOnScreens(TScreenRect place, const std::vector<TScreenRect>& screens);

// How far each cascaded window steps from the one before.
inline constexpr int kCascadeStep = 24;

// The place stepped by kCascadeStep until its top left corner is none of taken's.
TScreenRect Cascaded(TScreenRect place, const std::vector<TScreenRect>& taken);

}  // namespace gleaner
