// Internal to the engine and the script layer: whether the writer keeps the
// text of $BytesOutCount (Eng().BytesOutCount) up to date on every write.
// Only a script reads that text, so a run whose script never names it skips
// the conversion; Eng().BytesOut, the number, is always kept.
#pragma once

namespace gleaner {

// Kept (the default) or not; turning it back on brings the text up to date.
void KeepBytesOutCount(bool kept);

}  // namespace gleaner
