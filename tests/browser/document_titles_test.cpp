#include "browser/document_titles.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::TempFolder;
using testing::WriteFile;

TEST(DocumentTitles, FileNamePart) {
  const std::pair<const char*, const char*> cases[] = {
      {"/a/b/Help-X.txt", "Help-X.txt"}, {"C:\\Docs\\Help.txt", "Help.txt"},
      {"c:Help.txt", "Help.txt"},        {"/a/b/", ""},
      {"Plain.txt", "Plain.txt"},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(FileNamePart(path), name) << path;
}

TEST(DocumentTitles, EntitiesInPlainForm) {
  EXPECT_EQ(PlainTitleText("A &amp;amp; B"), "A & B");
  EXPECT_EQ(PlainTitleText("X&#153; &copy; &lt;y&gt;&nbsp;z&mdash;w"), "X(TM) (C) <y> z\x97w");
  EXPECT_EQ(PlainTitleText("&S &quot;"), "&S &quot;");  // not title entities
}

class DocumentTitleTest : public ::testing::Test {
 protected:
  std::string TitleOf(const std::string& bytes, bool readTitles = true) {
    WriteFile(folder.File("Help-Doc.txt"), bytes);
    return DocumentTitle(folder.File("Help-Doc.txt"), readTitles);
  }
  TempFolder folder;
};

TEST_F(DocumentTitleTest, FirstNonEmptyHeading) {
  const std::pair<std::string, std::string> cases[] = {
      {"intro\r\n<H1>Main Title</H1>\r\n<H1>Second</H1>\r\n", "Main Title"},
      {"<h1>Tom &amp;amp; Jerry</h1>", "Tom & Jerry"},
      {"<H1></H1>\n<h1>Later</H1>", "Later"},   // an empty heading is skipped
      {"<H1>No end\n<H1>Ended</H1>", "Ended"},  // so is one without its closing tag
      {"text <H1>  Spaced  </h1> more", "  Spaced  "},
      {"a\rb\r<H1>Lone CR</H1>\r", "Lone CR"},
      {"no heading at all\n", "Help-Doc.txt"},
      {"", "Help-Doc.txt"},
  };
  for (const auto& [bytes, title] : cases) EXPECT_EQ(TitleOf(bytes), title) << bytes;
}

TEST_F(DocumentTitleTest, OnlyTheFirstHundredLinesCount) {
  std::string lines;
  for (int i = 0; i < 99; ++i) lines += "line\r\n";
  EXPECT_EQ(TitleOf(lines + "<H1>On 100</H1>\r\n"), "On 100");
  EXPECT_EQ(TitleOf(lines + "\r\n<H1>On 101</H1>\r\n"), "Help-Doc.txt");
}

TEST_F(DocumentTitleTest, LongLinesAreReadInPieces) {
  // A 64 KiB stretch counts as one line, so a file without line ends is not read whole.
  EXPECT_EQ(TitleOf(std::string(kTitleLineLimit, 'x') + "<H1>Next piece</H1>"), "Next piece");
  EXPECT_EQ(TitleOf(std::string(kTitleLineLimit * 100, 'x') + "<H1>Too far</H1>"), "Help-Doc.txt");
}

// A title keeps its document's bytes, so a UTF-8 title keeps the
// characters the code page lacks.
TEST_F(DocumentTitleTest, TitlesKeepTheDocumentsEncoding) {
  EXPECT_EQ(TitleOf("<H1>\xE6\x97\xA5\xE6\x9C\xAC \xC5\xA1pi\xC4\x8Dka</H1>\r\n"),
            "\xE6\x97\xA5\xE6\x9C\xAC \xC5\xA1pi\xC4\x8Dka");
  EXPECT_EQ(TitleOf("<H1>caf\xE9 \x96 na\xEFve</H1>\r\n"), "caf\xE9 \x96 na\xEFve");
}

TEST_F(DocumentTitleTest, PlainModeNeverOpensTheFile) {
  EXPECT_EQ(TitleOf("<H1>Title</H1>", false), "Help-Doc.txt");
  EXPECT_EQ(DocumentTitle(folder.File("Missing.txt"), false), "Missing.txt");
  EXPECT_EQ(DocumentTitle(folder.File("Missing.txt"), true), "");
}

}  // namespace
}  // namespace gleaner
