// Marker lines and resetting a viewer document.
#include "viewer/viewer_document.h"

#include "foundation/text_utils.h"

namespace gleaner {

std::string MarkerLine(std::string_view text) { return PadText(text, 80, 'C', '\xAF'); }

void TViewerDocument::Clear() {
  Display.Clear();
  Anchors.Clear();
  Links.Clear();
  Incomplete = false;
  EndsWithMarker = false;
}

}  // namespace gleaner
