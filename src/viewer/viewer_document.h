// What one viewer window shows: its display lines with the anchor and link
// tables of the markup, and whether the display lacks part of the file.
#pragma once

#include <string>
#include <string_view>

#include "viewer/link_tables.h"
#include "viewer/text_display.h"

namespace gleaner {

// Marker lines that close the display.
inline constexpr std::string_view kEndOfFileMarker = " END OF FILE ";
inline constexpr std::string_view kInterruptedMarker = " LOADING INTERRUPTED ";
inline constexpr std::string_view kEmptyFileMarker = " FILE IS EMPTY ";
inline constexpr std::string_view kTooLargeMarker = " FILE IS TOO LARGE TO BE COMPLETELY DISPLAYED ";

// text centred in 80 characters of macrons (character 175).
std::string MarkerLine(std::string_view text);

struct TViewerDocument {
  TTextDisplay Display;
  TAnchorTable Anchors;
  TLinkTable Links;
  bool Incomplete = false;      // not all of the file is shown
  bool EndsWithMarker = false;  // the last display line is a marker line

  void Clear();
  // Display lines not counting a final marker line.
  int LinesShown() const { return Display.LineCount() - (EndsWithMarker ? 1 : 0); }
};

}  // namespace gleaner
