#include "viewer/document_loader.h"

#include <gtest/gtest.h>

#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::FakePorts;
using testing::TempFolder;
using testing::WriteFile;
using TLines = std::vector<std::string>;

const std::string kEnd = MarkerLine(kEndOfFileMarker);

class DocumentLoaderTest : public ::testing::Test {
 protected:
  // Loads bytes (or the named file) completely, the way the window does.
  bool Load(const std::string& bytes, const TLoadSettings& settings = {}, const TLines& extra = {},
            bool stop = false, std::string name = {}) {
    if (name.empty()) WriteFile(name = folder.File("doc.txt"), bytes);
    TDocumentLoader loader(document, settings);
    if (!loader.Open(name)) return false;
    while (!stop && loader.Step()) {
    }
    loader.Finish(extra, stop);
    return true;
  }
  TLines Texts() const {
    TLines texts;
    for (const TDisplayLine& line : document.Display.Lines()) texts.push_back(line.Text);
    return texts;
  }
  FakePorts ports;
  TempFolder folder;
  TViewerDocument document;
};

TEST_F(DocumentLoaderTest, MarkersExtraLinesAndEmptyFiles) {
  EXPECT_EQ(kEnd, std::string(33, '\xAF') + " END OF FILE " + std::string(34, '\xAF'));
  ASSERT_TRUE(Load("one\r\ntwo\r\n", {}, {"x1"}));
  EXPECT_EQ(Texts(), (TLines{"one", "two", "x1", kEnd}));
  EXPECT_EQ(document.LinesShown(), 3);
  ASSERT_TRUE(Load("", {}, {}, false, "None"));
  EXPECT_EQ(Texts(), TLines{kEnd});
  // An empty file has no end marker, but generated lines still follow it.
  ASSERT_TRUE(Load(""));
  EXPECT_EQ(Texts(), TLines{MarkerLine(kEmptyFileMarker)});
  ASSERT_TRUE(Load("", {}, {"about"}));
  EXPECT_EQ(Texts(), (TLines{MarkerLine(kEmptyFileMarker), "about"}));
}

TEST_F(DocumentLoaderTest, LineLimit) {
  const std::string tooLarge =
      "The file is too large to be completely displayed.\r\n\r\nThis is a limitation of the file viewer.\r\n"
      "The file itself is not affected.\r\n\r\nTo increase maximum lines (up to 99,999), click the Options "
      "button.  ";
  struct TCase {
    int limit;
    bool warn;
    TLines lines;
    TLines notices;
  };
  const TCase cases[] = {
      // the marker replaces the last line; extra lines count toward the limit
      {4, true, {"1", "2", "3", MarkerLine(kTooLargeMarker)}, {tooLarge}},
      {5, true, {"1", "2", "3", "4", "extra", kEnd}, {}},  // exactly full: complete
      {2, false, {"1", "2"}, {}},                          // too few lines for a marker
  };
  for (const TCase& c : cases) {
    ports.notice.texts.clear();
    TLoadSettings settings;
    settings.LineLimit = c.limit;
    settings.TooLarging = c.warn;
    ASSERT_TRUE(Load("1\n2\n3\n4\n", settings, {"extra"}));
    EXPECT_EQ(Texts(), c.lines) << c.limit;
    EXPECT_EQ(document.Incomplete, c.limit != 5) << c.limit;
    EXPECT_EQ(ports.notice.texts, c.notices) << c.limit;
  }
}

TEST_F(DocumentLoaderTest, StopRequestEndsWithInterruptedMarker) {
  ASSERT_TRUE(Load("a\nb\n", {}, {}, true));
  EXPECT_EQ(Texts(), TLines{MarkerLine(kInterruptedMarker)});
  EXPECT_TRUE(document.Incomplete);
}

TEST_F(DocumentLoaderTest, MissingAndUnreadableFilesAreReported) {
  EXPECT_FALSE(Load("", {}, {}, false, folder.File("gone.txt")));
  EXPECT_FALSE(Load("", {}, {}, false, folder.Path()));  // a folder would never end
  EXPECT_EQ(ports.notice.texts,
            (TLines{folder.File("gone.txt") + " not found  ",
                    "Could not open " + folder.Path() +
                        "\r\nError message: Not a regular file\r\n\r\nThis appears to be an internal program "
                        "error.\r\nPlease inform the programmer.  "}));
  EXPECT_EQ(document.Display.LineCount(), 0);
}

TEST_F(DocumentLoaderTest, LinesSpanningBlocksStayWhole) {
  const std::string first(kLoadBlockSize - 1, 'a');
  ASSERT_TRUE(Load(first + "\r\nbc", {10000, 25001, true, false, false, false}));
  EXPECT_EQ(Texts(), (TLines{first, "bc", kEnd}));
}

// "café – naïve" in each encoding.
const std::string kUtf8Words = "caf\xC3\xA9 \xE2\x80\x93 na\xC3\xAFve";
const std::string kAnsiWords = "caf\xE9 \x96 na\xEFve";

TEST_F(DocumentLoaderTest, Utf8DocumentsKeepTheirCharacters) {
  ASSERT_TRUE(Load(kUtf8Words + "\r\n"));
  EXPECT_EQ(Texts(), (TLines{kUtf8Words, kEnd}));
  EXPECT_TRUE(document.Display.Utf8());
  ASSERT_TRUE(Load(kAnsiWords + "\r\n"));
  EXPECT_EQ(Texts(), (TLines{kAnsiWords, kEnd}));
  EXPECT_FALSE(document.Display.Utf8());
  // A width counts characters, a line is never cut inside one, and the noise
  // character is written in UTF-8.
  ASSERT_TRUE(Load("\xE4\xB8\xAD\x01" + std::string(4, 'x') + "\xC3\xA9\xF0\x9F\x98\x80", {.DisplayWidth = 6}));
  EXPECT_EQ(Texts(), (TLines{"\xE4\xB8\xAD\xC2\xB7xxxx", "\xC3\xA9\xF0\x9F\x98\x80", kEnd}));
  // One invalid byte anywhere makes the whole document Windows-1252.
  ASSERT_TRUE(Load(kUtf8Words + "\r\n\xE9\r\n"));
  EXPECT_EQ(Texts(), (TLines{kUtf8Words, "\xE9", kEnd}));
  EXPECT_FALSE(document.Display.Utf8());
}

TEST_F(DocumentLoaderTest, Utf8CharactersCutByABlockEndStayWhole) {
  for (std::size_t lead = kLoadBlockSize - 3; lead <= kLoadBlockSize; ++lead) {
    ASSERT_TRUE(Load(std::string(lead, 'a') + "\xE2\x80\x93\xC3\xA9", {.DisplayWidth = 4000}));
    ASSERT_EQ(Texts().size(), 2u) << lead;
    EXPECT_EQ(Texts()[0], std::string(lead, 'a') + "\xE2\x80\x93\xC3\xA9") << lead;
  }
}

TEST_F(DocumentLoaderTest, ProgressBarForLargeFilesOnly) {
  const std::string name = folder.File("big.txt");
  WriteFile(name, std::string(40000, 'x'));
  TLoadSettings markup;
  markup.MarkupMode = true;
  TDocumentLoader withMarkup(document, markup);
  ASSERT_TRUE(withMarkup.Open(name));
  EXPECT_TRUE(withMarkup.ShowsProgress());
  EXPECT_EQ(withMarkup.ProgressMax(), 40000 - 2048);
  withMarkup.Step();
  EXPECT_EQ(withMarkup.BytesRead(), 2048);
  TDocumentLoader plain(document, {});
  ASSERT_TRUE(plain.Open(name));
  EXPECT_FALSE(plain.ShowsProgress());
}

TEST_F(DocumentLoaderTest, TextifyOnlyWithoutMarkup) {
  TLoadSettings settings;
  settings.Textify = true;
  ASSERT_TRUE(Load("ab12cd\n", settings));
  EXPECT_EQ(document.Display.Line(0).Text, "a\xB7\xB7\xB7\xB7\xB7");
  settings.MarkupMode = true;
  ASSERT_TRUE(Load("ab12cd\n", settings));
  EXPECT_EQ(document.Display.Line(0).Text, "ab12cd");
}

TEST_F(DocumentLoaderTest, OnlyContinuationLinesAreTrimmed) {
  TLoadSettings settings;
  settings.DisplayWidth = 41;
  settings.WordWrap = true;
  const std::string a35(35, 'a');
  ASSERT_TRUE(Load(a35 + " bbb \r\n  next", settings));
  EXPECT_EQ(Texts(), (TLines{a35 + " bbb ", "  next", kEnd}));
  ASSERT_TRUE(Load(a35 + " bbbbb   \r\n", settings));
  EXPECT_EQ(Texts(), (TLines{a35 + " ", "bbbbb", kEnd}));
}

TEST_F(DocumentLoaderTest, MarkupBuildsHeadingsAnchorsAndLinks) {
  TLoadSettings settings;
  settings.MarkupMode = true;
  settings.DisplayWidth = 100;
  ASSERT_TRUE(
      Load("<!-- a comment line -->\n"
           "<A NAME=\"top\"><H1>Title &amp; more</H1>\n"
           "<A HREF=\"#one\">first</A> <A HREF=\"#two\">second</A>\n"
           "<A NAME=\"TOP\">again <A HREF=\"#x\">y</A>\n",
           settings));
  const std::string rule(100, '\x97');
  EXPECT_EQ(Texts(), (TLines{rule, "Title & more", rule, "first second", "again y", kEnd}));
  // The anchor came before the heading's rule, so it shows the rule too; the
  // second "top" and the second link of line 3 are ignored.
  EXPECT_EQ(document.Anchors.Find("Top"), 0);
  EXPECT_EQ(document.Anchors.Size(), 1u);
  EXPECT_EQ(*document.Links.Find(3), "#one");
  EXPECT_EQ(*document.Links.Find(4), "#x");
  EXPECT_EQ(document.Display.Line(1).Runs.at(0).Attributes.Colour, 0x700000u);
  EXPECT_TRUE(document.Display.Line(2).Runs.empty());

  settings.DisplayWidth = 2500;  // rules stop at 1000 characters
  ASSERT_TRUE(Load("<H2>x</H2>", settings));
  EXPECT_EQ(document.Display.Line(0).Text, std::string(1000, '\x97'));
}

}  // namespace
}  // namespace gleaner
