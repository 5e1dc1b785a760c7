#include "viewer/markup_tags.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace gleaner {
namespace {

TTextAttributes With(bool bold, std::uint32_t colour = kDefaultColour) {
  TTextAttributes a;
  a.Bold = bold;
  a.Colour = colour;
  return a;
}

struct TApplied {
  TDisplayLine line;
  std::vector<TTagEvent> events;
};

TApplied Apply(std::string text, TTextAttributes& current) {
  TApplied applied{{std::move(text), {}}, {}};
  ApplyTags(applied.line, current, applied.events);
  return applied;
}

TApplied Apply(std::string text) {
  TTextAttributes current;
  return Apply(std::move(text), current);
}

// Runs as "start+length", "b" when bold, "$" + colour when not the default.
std::string Runs(const TDisplayLine& line) {
  std::string text;
  for (const TTextRun& run : line.Runs) {
    char colour[16] = "";
    if (run.Attributes.Colour != kDefaultColour)
      std::snprintf(colour, sizeof colour, "$%06X", run.Attributes.Colour);
    text += std::to_string(run.Start) + "+" + std::to_string(run.Length) + (run.Attributes.Bold ? "b" : "") +
            colour + " ";
  }
  return text;
}

TEST(MarkupTags, TagsAreRemovedAndTheirEffectFollowsThem) {
  struct TCase {
    std::string in;
    std::string text;
    std::string runs;
  };
  const TCase cases[] = {
      {"plain text", "plain text", ""},
      {"x<B>bold</b>y", "xboldy", "0+1 1+4b 5+1 "},
      {"<br>x<ADDRESS>y", "xy", "0+2b "},  // names match as prefixes
      {"<x>a<!b>", "<x>a<!b>", ""},        // unknown tags stay
      {"a<I x", "a<I x", ""},              // no ">": the rest stays as written
      {"<B>x<I y<U", "x<I y<U", "0+7b "},
      {"<HL>x</HL>y", "xy", "0+1$000080 1+1 "},
      {"see <A HREF=\"Doc.txt\">here</A>.", "see here.", "0+4 4+4$FF0101 8+1 "},
  };
  for (const TCase& c : cases) {
    const TApplied a = Apply(c.in);
    EXPECT_EQ(a.line.Text, c.text) << c.in;
    EXPECT_EQ(Runs(a.line), c.runs) << c.in;
  }
}

TEST(MarkupTags, AttributesCarryToTheNextLine) {
  TTextAttributes current;
  Apply("<B>a", current);
  EXPECT_TRUE(current == With(true));
  EXPECT_EQ(Runs(Apply("b</B>c", current).line), "0+1b 1+1 ");
  EXPECT_TRUE(current.IsDefault());
}

TEST(MarkupTags, AnchorsAndLinks) {
  const TApplied quoted = Apply("<A NAME=\"Intro\" HREF=\"Doc.txt\">x");
  ASSERT_EQ(quoted.events.size(), 2u);
  EXPECT_EQ(quoted.events[0].Kind, TTagEventKind::Anchor);
  EXPECT_EQ(quoted.events[0].Value, "Intro");
  EXPECT_EQ(quoted.events[1].Kind, TTagEventKind::Link);
  EXPECT_EQ(quoted.events[1].Value, "Doc.txt");
  // Unquoted values are read from the upper-case copy.
  EXPECT_EQ(Apply("<a href=kestra://doc.txt>x</a>").events.at(0).Value, "KESTRA://DOC.TXT");
  TTextAttributes current;
  EXPECT_TRUE(Apply("<A NAME=\"\">x", current).events.empty());
  EXPECT_TRUE(current.IsDefault());  // no link, no link colour
}

TEST(MarkupTags, HeadingsSetStyleAndAskForRules) {
  const TApplied h1 = Apply("<A NAME=\"top\"><H1>Title</H1>");
  EXPECT_EQ(h1.line.Text, "Title");
  ASSERT_EQ(h1.events.size(), 3u);
  EXPECT_EQ(h1.events[0].Kind, TTagEventKind::Anchor);
  EXPECT_EQ(h1.events[1].Kind, TTagEventKind::RuleAbove);
  EXPECT_EQ(h1.events[1].RuleChar, '\x97');
  EXPECT_EQ(h1.events[2].Kind, TTagEventKind::RuleAfter);
  TTextAttributes heading = With(true, 0x700000);
  heading.SizeFactor = 2.6f;
  heading.FontName = "Arial";
  ASSERT_EQ(h1.line.Runs.size(), 1u);
  EXPECT_TRUE(h1.line.Runs[0].Attributes == heading);
  EXPECT_EQ(h1.line.Runs[0].Attributes.FontSize(10), 26);

  EXPECT_EQ(Apply("<h3>Sub</h3>").events.at(0).RuleChar, '\xA8');
  EXPECT_TRUE(Apply("<H4>Minor</H4>").events.empty());
}

TEST(MarkupTags, FontSizeFactorWithinRange) {
  const std::pair<std::string, float> cases[] = {{"<FS X=1.5>", 1.5f}, {"<FS X=\"0.25\">", 0.25f},
                                                 {"<FS X=20>", 1.0f},  {"<FS X=0.1>", 1.0f},
                                                 {"<FS X=big>", 1.0f}, {"<FS X=2></FS>", 1.0f}};
  for (const auto& [tags, factor] : cases) {
    TTextAttributes current;
    Apply(tags + "a", current);
    EXPECT_FLOAT_EQ(current.SizeFactor, factor) << tags;
  }
}

TEST(MarkupTags, AttributeValues) {
  EXPECT_EQ(TagAttribute("<A HREF=\"a b\" NAME=X>", "HREF"), "a b");
  EXPECT_EQ(TagAttribute("<A HREF=\"a b\" NAME=X>", "NAME"), "X");
  EXPECT_EQ(TagAttribute("<A NAME=X Y>", "NAME"), "X");
  EXPECT_EQ(TagAttribute("<A NAME>", "NAME"), "");
  EXPECT_EQ(TagAttribute("<A XNAME NAME=\"open>", "NAME"), "open");
}

}  // namespace
}  // namespace gleaner
