// Internal to the engine and the script layer: the script's command handlers
// call it; everyone else uses engine/gleaner_engine.h.
// Commands that load a file into a variable, write a column ruler to the
// output, and hand a note to the user interface.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gleaner {

// At most the first kSetFromFileCap bytes of the file go into target.
inline constexpr std::size_t kSetFromFileCap = 32767;

// Loads the located file into target. controls: words of "Text Binary Clean";
// Text ends the contents at the first byte 0 or 26, Clean removes line breaks
// at both ends. Returns false, with target emptied, when the file cannot be
// located or read. Example: SetFromFile(v, "Notes.txt", "Text Clean").
bool SetFromFile(std::string& target, std::string_view fileName, std::string_view controls = "Text Clean");

// Writes a ruler line as long as text ("----+----1...") and then text with
// control characters shown as "^", as two output lines.
void Outruler(std::string_view text);

// The text becomes the engine's note (Eng().Note), shown by the interface.
void ShowNote(std::string_view text);

}  // namespace gleaner
