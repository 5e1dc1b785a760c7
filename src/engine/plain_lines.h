// Plain lines: the run of complete LF-ended lines at the start of a block of
// text input that the record reader would deliver exactly as they stand,
// apart from the terminator (LF or CR LF). A CR anywhere else, a line
// outside the length limits or a line without its LF ends the run; the
// record reader handles that line its own way.
//
//   TPlainLine lines[64];
//   std::size_t n = ScanPlainLines(block, 0, kMaxLineLength, lines);
//   // lines[0..n) cover a prefix of block without gaps
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace gleaner {

struct TPlainLine {
  std::string_view Text;  // the record: the line without its LF and the CR before it
  std::string_view Raw;   // the line as read, terminator included
};

// Fills out with the plain lines at the start of bytes, in order, and returns
// how many there are; it stops when out is full.
std::size_t ScanPlainLines(std::string_view bytes, std::size_t minLength, std::size_t maxLength,
                           std::span<TPlainLine> out);

}  // namespace gleaner
