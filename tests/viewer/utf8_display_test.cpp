// UTF-8 documents in the viewer model: word wrap by characters, find by
// characters, entities in UTF-8, and the columns a text widget counts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/entities.h"
#include "viewer/line_splitter.h"
#include "viewer/text_find.h"
#include "viewer/utf8_columns.h"

namespace gleaner {
namespace {

const std::string kNihon = "\xE6\x97\xA5\xE6\x9C\xAC";  // two characters, three bytes each
const std::string kSmile = "\xF0\x9F\x98\x80";          // one character, two UTF-16 units
const std::string kEacute = "\xC3\xA9";

TTextDisplay Utf8Display(std::initializer_list<std::string> lines) {
  TTextDisplay display;
  for (const std::string& line : lines) display.Append({line, {}});
  display.SetUtf8(true);
  return display;
}

class TCollector : public ILineSink {
 public:
  bool TakeLine(std::string_view line, bool continuation) override {
    lines.push_back((continuation ? "+" : "") + std::string(line));
    return true;
  }
  std::vector<std::string> lines;
};

TEST(Utf8Display, WordWrapCountsCharacters) {
  TCollector sink;
  TLineSplitter splitter({.DisplayWidth = 42, .WordWrap = true, .Utf8 = true});
  std::string text;
  for (int i = 0; i < 10; ++i) text += kEacute + kEacute + kEacute + " ";  // 40 characters, 70 bytes
  splitter.Feed(text + kNihon + kNihon + "\r\n", sink);
  splitter.Finish(sink);
  ASSERT_EQ(sink.lines.size(), 2u);
  EXPECT_EQ(sink.lines[0], text);
  EXPECT_EQ(sink.lines[1], "+" + kNihon + kNihon);
}

TEST(Utf8Display, FindComparesCharacters) {
  const TTextDisplay display = Utf8Display({"caf" + kEacute + " CAF\xC3\x89", kNihon + "x " + kSmile + " \xC5\xA1" + "a"});
  const std::int64_t second = display.LineStart(1);
  const std::tuple<TFindOptions, std::int64_t, std::int64_t> cases[] = {
      {{"CAF" + kEacute, false, false}, 0, 0},
      {{"caf" + kEacute, false, false}, 1, 6},
      {{"caf" + kEacute, true, false}, 1, -1},
      {{"x", false, true}, 0, -1},  // a CJK character next to it is a letter
      {{kSmile, false, false}, 0, second + 8},
      {{"\xC5\xA0" "A", false, false}, 0, second + 13},  // Š finds š
      {{"\xC3", false, false}, 0, -1},  // a lone lead byte finds no character's part
  };
  for (const auto& [options, from, found] : cases) EXPECT_EQ(FindText(display, options, from), found) << options.Text;
}

TEST(Utf8Display, EntitiesAreWrittenInTheDocumentsEncoding) {
  std::string utf8 = "&copy; &mdash; &amp;amp; &gt;";
  std::string ansi = utf8;
  ReplaceEntities(utf8, true);
  ReplaceEntities(ansi);
  EXPECT_EQ(utf8, "\xC2\xA9 \xE2\x80\x94 & >");
  EXPECT_EQ(ansi, "\xA9 \x97 & >");
}

TEST(Utf8Display, WidgetColumns) {
  const std::string line = "a" + kNihon + kSmile + kEacute;  // bytes 0 1 4 7 11 13
  const std::pair<std::size_t, int> columns[] = {{0, 0}, {1, 1}, {4, 2}, {7, 3}, {11, 5}, {13, 6}};
  for (const auto& [bytes, units] : columns) {
    EXPECT_EQ(Utf16Column(line, true, bytes), units) << bytes;
    EXPECT_EQ(ByteColumn(line, true, units), bytes) << units;
    EXPECT_EQ(Utf16Column(line, false, bytes), static_cast<int>(bytes));
  }
  EXPECT_EQ(Utf16Column(line, true, 2), 2);  // inside a character: its end
  const TTextDisplay display = Utf8Display({line, "\xAF END \xAF"});
  EXPECT_TRUE(ShownAsUtf8(display, display.Line(0).Text));
  EXPECT_FALSE(ShownAsUtf8(display, display.Line(1).Text));  // a marker line stays Windows-1252
  EXPECT_FALSE(ShownAsUtf8(TTextDisplay{}, line));
}

}  // namespace
}  // namespace gleaner
