#include "viewer/text_find.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TTextDisplay Display(std::initializer_list<std::string> lines) {
  TTextDisplay display;
  for (const std::string& line : lines) display.Append({line, {}});
  return display;
}

TEST(TextDisplay, PositionsCountOneCharacterPerLineBreak) {
  const TTextDisplay display = Display({"ab", "", "cde"});
  EXPECT_EQ(display.TextLength(), 7);
  EXPECT_EQ(display.LineStart(0), 0);
  EXPECT_EQ(display.LineStart(1), 3);
  EXPECT_EQ(display.LineStart(2), 4);
  EXPECT_EQ(display.LineStart(9), 4);
  const int lines[] = {0, 0, 0, 1, 2, 2, 2, 2, 2};
  for (int position = 0; position < 9; ++position) {
    EXPECT_EQ(display.LineFromPosition(position), lines[position]) << position;
  }
}

TEST(TextFind, OptionsAndStartPositions) {
  const TTextDisplay display = Display({"Find the theme", "then THE end", "x_the the2 the"});
  struct TCase {
    TFindOptions options;
    std::int64_t from;
    std::int64_t found;
  };
  const TCase cases[] = {
      {{"the", false, false}, 0, 5},     {{"the", false, false}, 6, 9},       {{"THE", true, false}, 0, 20},
      {{"the", false, true}, 6, 20},   // "theme" and "then" are no whole words
      {{"the", false, true}, 21, 39},  // "x_the" and "the2" are not either
      {{"theme", false, false}, 10, -1}, {{"me\rthen", false, false}, 0, -1},  // never across a line break
      {{"", false, false}, 0, -1},       {{"end", false, false}, 99, -1},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(FindText(display, c.options, c.from), c.found) << c.options.Text << " from " << c.from;
  }
}

}  // namespace
}  // namespace gleaner
