#include "viewer/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gleaner {
namespace {

// Each line as its text, with "+" in front of continuation lines.
class TCollector : public ILineSink {
 public:
  bool TakeLine(std::string_view line, bool continuation) override {
    lines.push_back((continuation ? "+" : "") + std::string(line));
    return lines.size() != stopAfter;
  }
  std::vector<std::string> lines;
  std::size_t stopAfter = 0;
};

std::vector<std::string> Split(std::string_view bytes, TSplitRules rules = {}) {
  TCollector sink;
  TLineSplitter splitter(rules);
  splitter.Feed(bytes, sink);
  splitter.Finish(sink);
  return sink.lines;
}

TEST(LineSplitter, LineEndsAndControlCharacters) {
  const std::pair<std::string_view, std::vector<std::string>> cases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\n", {"a", ""}},
      {"", {}},
      {"a\tb\x01\x1F",
       {"a\xB7"
        "b\xB7\xB7"}},
  };
  for (const auto& [bytes, lines] : cases) EXPECT_EQ(Split(bytes), lines) << bytes;
}

TEST(LineSplitter, CrLfSplitAcrossBlocksIsOneBreak) {
  TCollector sink;
  TLineSplitter splitter({});
  splitter.Feed("a\r", sink);
  splitter.Feed("\nb", sink);
  splitter.Finish(sink);
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"a", "b"}));
}

TEST(LineSplitter, WidthAndWordWrap) {
  const std::string a35(35, 'a');
  struct TCase {
    std::string bytes;
    TSplitRules rules;
    std::vector<std::string> lines;
  };
  const TCase cases[] = {
      {"abcdefghijk", {5, false, false}, {"abcde", "fghij", "k"}},
      // wrap needs a width over 40
      {a35 + " bbbbbbbbbb", {40, true, false}, {a35 + " bbbb", "bbbbbb"}},
      {a35 + " bbbbbbbbbb", {41, true, false}, {a35 + " ", "+bbbbbbbbbb"}},
      // a break is looked for among the last 30 characters only
      {"x " + std::string(60, 'a'), {50, true, false}, {"x " + std::string(48, 'a'), std::string(12, 'a')}},
      // a break character at the very end carries nothing over
      {std::string(44, 'a') + ".bbb", {45, true, false}, {std::string(44, 'a') + ".", "bbb"}},
      // the continuation mark ends with the paragraph
      {a35 + " bbbbbcc\r\nnext", {41, true, false}, {a35 + " ", "+bbbbbcc", "next"}},
      // tags do not count toward the width in markup mode
      {"<B>abcdefghij</B>xyz", {10, false, true}, {"<B>abcdefghij", "</B>xyz"}},
      {"<B>abcdefghij</B>xyz", {10, false, false}, {"<B>abcdefg", "hij</B>xyz"}},
  };
  for (const TCase& c : cases) EXPECT_EQ(Split(c.bytes, c.rules), c.lines) << c.bytes;
}

TEST(LineSplitter, UnclosedTagStopsWideningPastTheWidth) {
  const auto lines = Split("<" + std::string(200, 'x'), {10, false, true});
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 121u);
  EXPECT_EQ(lines[1], std::string(10, 'x'));
}

TEST(LineSplitter, SinkCanStopTheSplit) {
  TCollector sink;
  sink.stopAfter = 2;
  TLineSplitter splitter({});
  EXPECT_FALSE(splitter.Feed("a\nb\nc\nd\n", sink));
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace gleaner
