#include "foundation/text_utils.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace gleaner {
namespace {

TEST(TextUtils, DateStampPattern) {
  std::tm when{};
  when.tm_year = 2024 - 1900;
  when.tm_mon = 0;
  when.tm_mday = 5;
  when.tm_hour = 7;
  when.tm_min = 3;
  EXPECT_EQ(DateStamp(when), "240105-0703");
  when.tm_year = 100;  // 2000
  when.tm_hour = 23;
  EXPECT_EQ(DateStamp(when), "000105-2303");
  const std::string now = DateStamp(std::chrono::system_clock::now());
  ASSERT_EQ(now.size(), 11u);
  EXPECT_EQ(now.find_first_not_of("0123456789"), 6u);
  EXPECT_EQ(now[6], '-');
}

TEST(TextUtils, YesNo) {
  bool b = false;
  EXPECT_TRUE(ParseYN("yes", b));
  EXPECT_TRUE(b);
  EXPECT_TRUE(ParseYN("n", b));
  EXPECT_FALSE(b);
  b = true;
  EXPECT_FALSE(ParseYN("", b));
  EXPECT_FALSE(ParseYN("x", b));
  EXPECT_TRUE(b);  // untouched on failure
  EXPECT_EQ(Plural(1), "");
  EXPECT_EQ(Plural(0), "s");
  EXPECT_EQ(Plural(-1), "s");
}

TEST(TextUtils, CheckedInt) {
  struct Case {
    const char* text;
    bool allowNegative;
    bool emptyIsZero;
    bool ok;
    std::int32_t value;
  };
  const Case cases[] = {
      {"", false, true, true, 0},    {"", true, false, false, 99},    {"-5", false, false, false, 99},
      {"-5", true, false, true, -5}, {"+12", false, false, true, 12}, {"-0", false, false, true, 0},
      {"1x", true, true, false, 99}, {" 1", true, true, false, 99},   {"2147483648", true, true, false, 99},
  };
  for (const Case& c : cases) {
    std::int32_t value = 99;
    EXPECT_EQ(CheckedInt(c.text, value, c.allowNegative, c.emptyIsZero), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  std::int64_t wide = 0;
  EXPECT_TRUE(CheckedInt("2147483648", wide, false, false));
  EXPECT_EQ(wide, 2147483648);
}

TEST(TextUtils, SubTextAndPositions) {
  EXPECT_EQ(SubText("abcdef", 0, 3), "abc");
  EXPECT_EQ(SubText("abcdef", 4, 99), "def");
  EXPECT_EQ(SubText("abcdef", 7, 9), "");
  EXPECT_EQ(SubText("abcdef", 3, 2), "");
  EXPECT_EQ(SubText("abcdef", -5, -1), "");
  EXPECT_EQ(SubText("", 1, 1), "");

  EXPECT_EQ(PosFrom(1, "b", "abab"), 2);
  EXPECT_EQ(PosFrom(3, "b", "abab"), 4);
  EXPECT_EQ(PosFrom(-7, "a", "abab"), 1);
  EXPECT_EQ(PosFrom(5, "b", "abab"), 0);
  EXPECT_EQ(PosFrom(1, "", "abab"), 0);
  EXPECT_EQ(PosFrom(1, "ababa", "abab"), 0);
  EXPECT_EQ(PosFrom(4, "ab", "abab"), 0);

  EXPECT_EQ(LastPos("ab", "abab"), 3);
  EXPECT_EQ(LastPos("x", "abab"), 0);
  EXPECT_EQ(LastPos("", "abab"), 0);
}

TEST(TextUtils, PadText) {
  EXPECT_EQ(PadText("abc", 6, 'C', '*'), "*abc**");
  EXPECT_EQ(PadText("abc", 6, 'l', '*'), "***abc");
  EXPECT_EQ(PadText("abc", 6, 'R', '*'), "abc***");
  EXPECT_EQ(PadText("abc", 7, 'c', '-'), "--abc--");
  EXPECT_EQ(PadText("abc", 2, 'R', '*'), "abc");
  EXPECT_EQ(PadText("abc", -4, 'L', '*'), "abc");
  EXPECT_EQ(PadText("abc", 6, 'X', '*'), "abc");
  EXPECT_EQ(PadText("", 3, 'L', '0'), "000");
}

TEST(TextUtils, FormatLabelLine) {
  SetLabelLayout(20, '.', 2);
  EXPECT_EQ(FormatLabelLine("Files", "3", "none"), "  Files ............. 3");
  EXPECT_EQ(FormatLabelLine("Files", "", "none"), "  Files ............. none");
  // A label longer than the width is never cut.
  EXPECT_EQ(FormatLabelLine("A very long label here", "x", ""), "  A very long label here  x");
  SetLabelLayout(0, ' ', -3);
  EXPECT_EQ(FormatLabelLine("L", "v", ""), "L  v");
}

TEST(TextUtils, ReplaceAllPasses) {
  struct Case {
    const char* text;
    const char* find;
    const char* replacement;
    char mode;
    const char* expected;
  };
  const Case cases[] = {
      {"aaa", "a", "ba", 'O', "bababa"},
      {"aaa", "a", "ba", 'M', "bababa"},
      {"aab", "ab", "b", 'M', "b"},
      {"aab", "ab", "b", 'O', "ab"},
      {"xxxx", "xx", "x", 'm', "x"},
      {"xxxx", "xx", "x", 'O', "xx"},
      {"banana", "a", "aa", 'M', "baanaanaa"},
      {"abc", "", "z", 'M', "abc"},
      {"abc", "abc", "", 'M', ""},
      {"abab", "ab", "ba", 'M', "bbaa"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    ReplaceAll(text, c.find, c.replacement, c.mode);
    EXPECT_EQ(text, c.expected) << c.text << " " << c.find << " " << c.replacement << " " << c.mode;
  }
}

// The passes as written, whole text each time; nullopt when it grows too far.
std::optional<std::string> NaiveMultiPass(std::string text, const std::string& find,
                                          const std::string& repl) {
  while (text.find(find) != std::string::npos) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
      out += text.substr(from, at - from) + repl;
      from = at + find.size();
    }
    text = out + text.substr(from);
    if (text.size() > 20000) return std::nullopt;
  }
  return text;
}

TEST(TextUtils, MultiPassMatchesNaivePasses) {
  std::mt19937 random(12345);
  auto word = [&](std::size_t maxLength, std::size_t minLength) {
    std::string w(minLength + random() % (maxLength - minLength + 1), 'a');
    for (char& c : w) c = "ab"[random() % 2];
    return w;
  };
  int compared = 0;
  for (int round = 0; round < 400; ++round) {
    const std::string find = word(3, 1);
    const std::string repl = word(4, 0);
    if (repl.find(find) != std::string::npos) continue;
    // Long texts cross the internal block boundaries; short ones test the edges.
    std::string text = word(round % 2 == 0 ? 3000 : 12, 0);
    const std::optional<std::string> expected = NaiveMultiPass(text, find, repl);
    if (!expected) continue;
    ReplaceAll(text, find, repl, 'M');
    ASSERT_EQ(text, *expected) << find << " -> " << repl;
    ++compared;
  }
  EXPECT_GT(compared, 150);
}

TEST(TextUtils, ReplaceAllGrowthLimit) {
  // Each pass grows these a little, for ever: one site, then two far apart.
  for (std::string text : {std::string("aab"), "aab" + std::string(100000, 'x') + "aab"}) {
    const std::string before = text;
    try {
      ReplaceAll(text, "ab", "bbaa", 'M');
      ADD_FAILURE() << "no error";
    } catch (const ETextTooLong& e) {
      EXPECT_STREQ(e.what(), "The text would exceed 2048000 characters");
    }
    EXPECT_EQ(text, before);
  }
  // Reaching the limit exactly is allowed; one character more is not.
  std::string exact(kMaxReplaceLength / 2, 'a');
  ReplaceAll(exact, "a", "bb", 'M');
  EXPECT_EQ(exact.size(), kMaxReplaceLength);
  std::string over(kMaxReplaceLength / 2 + 1, 'a');
  EXPECT_THROW(ReplaceAll(over, "a", "bb", 'M'), ETextTooLong);
  // One pass is never limited; a multi-pass that shrinks a long text is fine.
  std::string big(kMaxReplaceLength / 2 + 1, 'a');
  ReplaceAll(big, "a", "aa", 'O');
  EXPECT_EQ(big.size(), kMaxReplaceLength + 2);
  ReplaceAll(big, "aa", "a", 'M');
  EXPECT_EQ(big, "a");
}

TEST(TextUtils, JoinList) {
  const std::vector<std::string> list{"a", "b", "a"};
  EXPECT_EQ(JoinList(list, "/", false, false, false), "a/b");
  EXPECT_EQ(JoinList(list, "/", true, false, true), "/a/b/");
  EXPECT_EQ(JoinList(list, "/", false, true, false), "a/b/a");
  EXPECT_EQ(JoinList({}, "/", true, true, true), "");
  EXPECT_EQ(JoinList({"ab", "a"}, ", ", false, false, false), "ab, a");
  EXPECT_EQ(JoinList({"", ""}, ";", true, false, true), ";;");
  EXPECT_EQ(JoinList({"x", "y"}, "", false, false, false), "xy");
}

}  // namespace
}  // namespace gleaner
