#include "interface/page_buffer.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

std::vector<std::string> Added(std::string_view text) {
  TPageBuffer page;
  page.AddLine(text);
  return page.Lines();
}

TEST(PageBuffer, WrapsAtColumn79AfterABreakCharacter) {
  const std::string line79 = std::string(78, 'a') + ".";
  EXPECT_EQ(Added(line79), std::vector<std::string>{line79});
  // 80 characters: the break after the blank at column 70 starts the second line.
  const std::string line80 = std::string(69, 'a') + " " + std::string(10, 'b');
  EXPECT_EQ(Added(line80), (std::vector<std::string>{std::string(69, 'a') + " ", std::string(10, 'b')}));
  // The last break within the column wins; the punctuation stays on the first line.
  const std::string punctuated = std::string(40, 'a') + "," + std::string(30, 'b') + ";" + std::string(20, 'c');
  EXPECT_EQ(Added(punctuated), (std::vector<std::string>{std::string(40, 'a') + "," + std::string(30, 'b') + ";",
                                                          std::string(20, 'c')}));
}

TEST(PageBuffer, CutsAtColumn79WithoutABreakAndWrapsRepeatedly) {
  const std::string solid(200, 'x');
  EXPECT_EQ(Added(solid), (std::vector<std::string>{std::string(79, 'x'), std::string(79, 'x'), std::string(42, 'x')}));
}

TEST(PageBuffer, NeverBreaksInsideMarkup) {
  // 85 shown characters: the blank inside the tag is no break place, the one before the tag is.
  const std::string link = std::string(65, 'a') + " <a href=\"mailto:pat@example.org\">someone@example.org</a>";
  EXPECT_EQ(Added(link), (std::vector<std::string>{std::string(65, 'a') + " ",
                                                   "<a href=\"mailto:pat@example.org\">someone@example.org</a>"}));
}

TEST(PageBuffer, OnlyShownCharactersCountTowardsTheWrap) {
  // A row with a mail link shows 42 characters but holds 92: it stays whole.
  TPageBuffer page;
  page.AddRow("Email", MailLink("gleaner@example.org"));
  ASSERT_EQ(page.Lines().size(), 1u);
  EXPECT_EQ(page.Lines()[0].size(), 92u);
  // 79 shown characters with tags around them stay whole; 80 are wrapped.
  const std::string shown79 = "<B>" + std::string(78, 'a') + "</B>.";
  EXPECT_EQ(Added(shown79), std::vector<std::string>{shown79});
  const std::string shown80 = "<B>" + std::string(70, 'a') + " </B>" + std::string(9, 'b');
  EXPECT_EQ(Added(shown80), (std::vector<std::string>{"<B>" + std::string(70, 'a') + " ", "</B>" + std::string(9, 'b')}));
  // Without a break place the cut falls after 79 shown characters, tags skipped.
  const std::string solid = "<HL>" + std::string(100, 'x') + "</HL>";
  EXPECT_EQ(Added(solid), (std::vector<std::string>{"<HL>" + std::string(79, 'x'), std::string(21, 'x') + "</HL>"}));
  // A lone "<" is text.
  const std::string less = std::string(79, '1') + "<2";
  EXPECT_EQ(Added(less), (std::vector<std::string>{std::string(79, '1'), "<2"}));
}

TEST(PageBuffer, SplitsAtLineBreaksAndKeepsEmptyLines) {
  EXPECT_EQ(Added(""), std::vector<std::string>{""});
  EXPECT_EQ(Added("one\r\n\r\ntwo\nthree\rfour"), (std::vector<std::string>{"one", "", "two", "three", "four"}));
}

TEST(PageBuffer, HeadingsAndRows) {
  TPageBuffer page;
  page.AddHeading("<h3>Data Format</h3>");
  page.AddRow("Input File", "Text");
  page.AddRow("Fax", "");  // empty values drop their rows
  page.AddRow("", "Second address line");
  EXPECT_EQ(page.Lines(), (std::vector<std::string>{"", "<h3>Data Format</h3>", "",
                                                    "<HL>Input File</HL>             Text",
                                                    "<HL></HL>                       Second address line"}));
  EXPECT_EQ(std::string("<HL>Input File</HL>             ").size(), kRowLabelWidth);
  page.StartPage();
  EXPECT_TRUE(page.Lines().empty());
}

TEST(PageBuffer, MailLinksOnlyForPlainAddresses) {
  EXPECT_EQ(MailLink("pat@example.org"), "<a href=\"mailto:pat@example.org\">pat@example.org</a>");
  EXPECT_EQ(MailLink("<b>pat@example.org</b>"), "<b>pat@example.org</b>");
  EXPECT_EQ(MailLink("no address"), "no address");
  EXPECT_EQ(MailLink(""), "");
}

TEST(PageBuffer, OneBufferUntilReleased) {
  TPageBuffer& first = PageBuffer();
  first.StartPage();
  first.AddLine("kept");
  EXPECT_EQ(&PageBuffer(), &first);
  ReleasePageBuffer();
  EXPECT_TRUE(PageBuffer().Lines().empty());
}

}  // namespace
}  // namespace gleaner
