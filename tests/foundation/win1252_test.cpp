#include "foundation/win1252.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TEST(Win1252, CaseMappingCoversAccentedLettersAndTheExtraPairs) {
  EXPECT_EQ(AnsiUpperCase("abc\xE9\xE0\xFE"), "ABC\xC9\xC0\xDE");
  EXPECT_EQ(AnsiLowerCase("\xC9\xD6\x8A\x8C\x8E\x9F"), "\xE9\xF6\x9A\x9C\x9E\xFF");
  EXPECT_EQ(AnsiUpperCase("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
}

TEST(Win1252, LettersWithoutUpperFormAndNonLettersStayPut) {
  // sharp s, micro sign, division and multiplication signs, digits.
  EXPECT_EQ(AnsiUpperCase("\xDF\xB5\xF7\xD7" "19"), "\xDF\xB5\xF7\xD7" "19");
  EXPECT_EQ(AnsiLowerCase("\xD7\xF7"), "\xD7\xF7");
  EXPECT_FALSE(HasCase('\xDF'));
  EXPECT_FALSE(HasCase('\xB5'));
  EXPECT_FALSE(HasCase('5'));
  EXPECT_TRUE(HasCase('\xE9'));
  EXPECT_TRUE(HasCase('\x8A'));
  EXPECT_TRUE(IsAnsiAlpha('\xDF'));
  EXPECT_FALSE(IsAnsiAlpha('\xF7'));
}

TEST(Win1252, SameTextIgnoreCase) {
  EXPECT_TRUE(SameTextIgnoreCase("Caf\xE9", "CAF\xC9"));
  EXPECT_FALSE(SameTextIgnoreCase("abc", "abd"));
  EXPECT_FALSE(SameTextIgnoreCase("abc", "ab"));
}

TEST(Win1252, RoundTripThroughUtf8) {
  std::string all;
  for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
  EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
  EXPECT_EQ(Win1252ToUtf8("\x80\x97"), "\xE2\x82\xAC\xE2\x80\x94");  // euro sign, em dash
  EXPECT_EQ(Utf8ToWin1252("\xE2\x82\xAC x \xE4\xB8\xAD"), "\x80 x ?");  // no CJK in the code page
  EXPECT_EQ(Utf8ToWin1252("\xC3"), "?");                                // truncated sequence
}

}  // namespace
}  // namespace gleaner
