// The viewer's display model: display lines, each with its text and the
// character attributes (style, size, colour, font) of its runs. The front end
// mirrors it into its text widget. Character positions count from 0 over the
// whole text, with one position for the break between two lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

// Colours are blue, green, red bytes ($BBGGRR); this value means the
// display's own default colour.
inline constexpr std::uint32_t kDefaultColour = 0xFF000000u;
inline constexpr std::uint32_t kLinkColour = 0xFF0101u;

struct TTextAttributes {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  float SizeFactor = 1.0f;                // times the display's default size
  std::uint32_t Colour = kDefaultColour;  // $BBGGRR or kDefaultColour
  std::string_view FontName;              // a literal; empty for the default font

  bool operator==(const TTextAttributes&) const = default;
  bool IsDefault() const { return *this == TTextAttributes{}; }
  // The font size for a display whose default size is defaultSize, rounded.
  int FontSize(int defaultSize) const;
};

struct TTextRun {
  int Start = 0;  // column, from 0
  int Length = 0;
  TTextAttributes Attributes;
};

struct TDisplayLine {
  std::string Text;
  // Runs in column order covering the whole line; empty when the line is all
  // in default attributes (most lines, so plain text costs no run storage).
  std::vector<TTextRun> Runs;

  TTextAttributes AttributesAt(int column) const;
};

class TTextDisplay {
 public:
  void Clear();
  int LineCount() const { return static_cast<int>(lines_.size()); }
  const TDisplayLine& Line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
  const std::vector<TDisplayLine>& Lines() const { return lines_; }

  void Append(TDisplayLine line);
  void ReplaceLast(TDisplayLine line);

  // The lines of a UTF-8 document hold UTF-8; a line that is not valid UTF-8
  // (a marker line, a textified line) is still Windows-1252. Positions count
  // bytes either way.
  bool Utf8() const { return utf8_; }
  void SetUtf8(bool utf8) { utf8_ = utf8; }

  // Total length of the text, line breaks included.
  std::int64_t TextLength() const;
  // Character position of the start of a line (clamped to the line range).
  std::int64_t LineStart(int index) const;
  // The line holding a character position (a break belongs to the line it ends).
  int LineFromPosition(std::int64_t position) const;
  // Attributes of the character at a position; defaults on a break or past the end.
  TTextAttributes AttributesAt(std::int64_t position) const;

 private:
  void UpdateStarts() const;

  std::vector<TDisplayLine> lines_;
  bool utf8_ = false;
  // Start positions of lines_[0 .. starts_.size()-1], extended on demand.
  mutable std::vector<std::int64_t> starts_;
};

}  // namespace gleaner
