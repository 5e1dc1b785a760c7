// The texts of the viewer's status panels and of the go-to-line label.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "viewer/viewer_document.h"

namespace gleaner {

// Panel 1: line + ":" + column, both from 1, + "/" + selection length when
// there is a selection: "12:5/3".
std::string CaretStatus(const TTextDisplay& display, std::int64_t caret, std::int64_t selectionLength);
// Panel 2: "B" with noise suppression, "W" with word wrap.
std::string FlagsStatus(bool textify, bool wordWrap);
// Panel 3: "  12 lines, saved " + date and time, or "  12 lines shown
// (incomplete), saved …" when the display stops short of the file; the
// count leaves out the final marker line. Empty when there is no file
// (saved is then absent).
std::string LinesStatus(const TViewerDocument& document, const std::optional<std::time_t>& saved);
// "42 lines in file", or "42 lines available" when the display is incomplete.
std::string GotoLineLabel(const TViewerDocument& document);
// The locale's short date and long time.
std::string LocalDateTime(std::time_t when);

}  // namespace gleaner
