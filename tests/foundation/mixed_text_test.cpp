// Texts of either encoding given in the one their data uses.
#include "foundation/mixed_text.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TEST(MixedText, GivenInTheEncodingOfTheData) {
  struct TCase {
    std::string Mixed;
    std::string Utf8;
    std::string Ansi;
  };
  const TCase cases[] = {
      {"plain", "plain", "plain"},
      {"caf\xC3\xA9", "caf\xC3\xA9", "caf\xE9"},             // typed in a box
      {"caf\xE9", "caf\xC3\xA9", "caf\xE9"},                 // kept by an older version
      {"\xE6\x97\xA5 \xE2\x82\xAC", "\xE6\x97\xA5 \xE2\x82\xAC", "? \x80"},  // the code page lacks 日
      {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9", "\xC3\xA9\xE9"},  // not UTF-8 as a whole
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(InEncoding(c.Mixed, TextEncoding::kUtf8), c.Utf8) << c.Mixed;
    EXPECT_EQ(InEncoding(c.Mixed, TextEncoding::kWindows1252), c.Ansi) << c.Mixed;
  }
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_FALSE(IsValidUtf8("\xC3"));
}

}  // namespace
}  // namespace gleaner
