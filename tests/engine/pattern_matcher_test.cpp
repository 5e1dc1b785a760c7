#include "engine/pattern_matcher.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

#include "engine/engine_errors.h"
#include "support/reference_matcher.h"

namespace gleaner {
namespace {

using namespace std::string_literals;

// The text of the plain exception a malformed program raises.
std::string MalformedText(std::string_view program) {
  try {
    Search(program, "abc", 1, true);
  } catch (const EParse&) {
    ADD_FAILURE() << "raised as an engine error";
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  ADD_FAILURE() << "no error raised";
  return {};
}

// Every byte once, escaped where the class syntax needs it.
std::string AllBytes() {
  std::string set;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    if (c == ']' || c == '\\') set += '\\';
    set += c;
  }
  return set;
}

struct CompileCase {
  std::string pattern;
  std::string program;
};

TEST(PatternCompiler, ProgramsForEachConstruct) {
  const CompileCase cases[] = {
      {"a.c", "@a.@c"},
      {"^ab", "^@a@b"},
      {"bc$", "@b@c$"},
      {"a$b", "@a@$@b"},  // "$" inside is a literal
      {"x^", "@x@^"},     // so is "^"
      {"^", "^"},
      {"$", "$"},
      {"ab*c", "@a*@b@c"},  // the star goes before the instruction it repeats
      {"*a", "@*@a"},       // a leading star is a literal
      {"**", "*@*"},
      {"\\t", "@\t"},
      {"\\.", "@."},
      {"\\\\", "@\\"},
      {"a\\", "@a@\\"},  // a trailing backslash is itself
      {"\\**", "*@*"},
      {"[a-c]", "[\003abc"},
      {"[c-a]", "[\003c-a"},
      {"[a-a]", "[\002a-"},  // only ascending ends make a range
      {"[-a]", "[\x02-a"},
      {"[a-]", "[\002a-"},
      {"[%-a]", "[\x03%-a"},
      {"[a-c-e]", "[\005abc-e"},  // a range end does not start another range
      {"[\\a-c]", "[\003a-c"},    // nor does an escaped character
      {"[^0-9]", "!\0120123456789"},
      {"[]", "[\0"s},
      {"[^]", "!\0"s},
      {"[\\]x]", "[\x02]x"},
      {"[\\t]", "[\x01\t"},
      {"[abcabc]", "[\003abc"},  // duplicates are dropped
      {"[a-z]*", "*[\032abcdefghijklmnopqrstuvwxyz"},
  };
  for (const CompileCase& c : cases) EXPECT_EQ(CompilePattern(c.pattern), c.program) << c.pattern;
}

TEST(PatternCompiler, OpenCasesCompileSafely) {
  const CompileCase cases[] = {
      {"", ""},
      {"^*a", ""},  // a star on the start anchor empties the program
      {"^**", ""},
      {"a**", "*@a"},  // a double star is one star
      {"[ab]**b", "*[\002ab@b"},
      {"[", "[\0"s},  // an unfinished class is closed at the end
      {"[^", "!\0"s},
      {"a[b-", "@a[\002b-"},
      {"[\\", "[\x01\\"},
  };
  for (const CompileCase& c : cases) EXPECT_EQ(CompilePattern(c.pattern), c.program) << c.pattern;
}

TEST(PatternCompiler, FullClassesKeepTheOneByteLength) {
  EXPECT_EQ(CompilePattern("[" + AllBytes() + "]"), ".");
  EXPECT_EQ(CompilePattern("[^" + AllBytes() + "]"), "[\0"s);
  // 0-9, A-Z, a-z and more: 255 distinct characters still fit.
  std::string most = AllBytes();
  most.erase(most.find('x'), 1);
  EXPECT_EQ(CompilePattern("[" + most + "]").size(), 257u);
  EXPECT_EQ(Search(CompilePattern("[" + most + "]"), "yx", 1, true).Position, 1);
  EXPECT_EQ(Search(CompilePattern("[^" + most + "]"), "yx", 1, true).Position, 2);
}

struct SearchCase {
  std::string pattern;
  std::string subject;
  std::int64_t start;
  std::int64_t position;
  std::int64_t length;
};

TEST(PatternSearch, FindsFirstPositionAndLength) {
  const SearchCase cases[] = {
      {"a.c", "xabcx", 1, 2, 3},
      {"^ab", "abc", 1, 1, 2},
      {"^ab", "cab", 1, 0, 0},
      {"^ab", "abab", 2, 0, 0},  // the anchor holds at position 1 only
      {"bc$", "abc", 1, 2, 2},
      {"b$", "abc", 1, 0, 0},
      {"$", "abc", 1, 0, 0},  // no position past the end is tried
      {"^", "abc", 1, 1, 0},
      {"ab*c", "ac", 1, 1, 2},
      {"ab*c", "abc", 1, 1, 3},
      {"ab*c", "xabbbcx", 1, 2, 5},
      {".*", "abc", 1, 1, 3},
      {".*", "abc", 2, 2, 2},
      {"a*", "bbb", 1, 1, 0},
      {".*b", "abcabc", 1, 1, 5},  // the star gives back only what it must
      {"a*ab", "aaab", 1, 1, 4},
      {"[a-c]", "b", 1, 1, 1},
      {"[c-a]", "x-y", 1, 2, 1},
      {"[^0-9]", "x", 1, 1, 1},
      {"[^0-9]", "12x", 1, 3, 1},
      {"[]", "abc", 1, 0, 0},
      {"[^]", "abc", 1, 1, 1},
      {"*a", "b*a", 1, 2, 2},
      {"\\t", "a\tb", 1, 2, 1},
      {"\\.", "ab.", 1, 3, 1},
      {"\\\\", "a\\", 1, 2, 1},
      {"a$b", "xa$b", 1, 2, 3},
      {"^*a", "xyz", 2, 2, 0},  // the empty program matches where it starts
      {"", "abc", 3, 3, 0},
      {"a", "abc", 0, 1, 1},  // a start below 1 counts as 1
      {"a", "abc", -5, 1, 1},
      {"c", "abc", 4, 0, 0},
      {"", "", 1, 0, 0},  // an empty subject is never matched
      {"^", "", 1, 0, 0},
      {".*", "", 1, 0, 0},
      {"[a-z]*[0-9][0-9]*", "ab123c", 1, 1, 5},
  };
  for (const SearchCase& c : cases) {
    const TPatternMatch m = Search(CompilePattern(c.pattern), c.subject, c.start, true);
    EXPECT_EQ(m.Position, c.position) << c.pattern << " in " << c.subject;
    EXPECT_EQ(m.Length, c.length) << c.pattern << " in " << c.subject;
  }
}

TEST(PatternSearch, CaseFlagFoldsAsciiLettersOnly) {
  EXPECT_EQ(Search(CompilePattern("abc"), "xABC", 1, false).Position, 2);
  EXPECT_EQ(Search(CompilePattern("abc"), "xABC", 1, true).Position, 0);
  EXPECT_EQ(Search(CompilePattern("[a-c]"), "B", 1, false).Position, 1);
  EXPECT_EQ(Search(CompilePattern("[^a]"), "A", 1, false).Position, 0);
  EXPECT_EQ(Search(CompilePattern("[^a]"), "A", 1, true).Position, 1);
  EXPECT_EQ(Search(CompilePattern("\xE9"), "\xC9", 1, false).Position, 0);  // e acute against E acute
}

TEST(PatternSearch, SearchLastFindsTheRightmostStart) {
  const SearchCase cases[] = {
      {"a", "abab", 1, 3, 1}, {"ab", "ababx", 1, 3, 2}, {"b*", "abc", 1, 3, 0}, {"a.*", "aXaY", 1, 3, 2},
      {"^a", "aaa", 1, 1, 1}, {"x", "abab", 1, 0, 0},   {"a", "abab", 4, 0, 0}, {"", "abc", 1, 3, 0},
  };
  for (const SearchCase& c : cases) {
    const TPatternMatch m = SearchLast(CompilePattern(c.pattern), c.subject, c.start, true);
    EXPECT_EQ(m.Position, c.position) << c.pattern << " in " << c.subject;
    EXPECT_EQ(m.Length, c.length) << c.pattern << " in " << c.subject;
  }
}

TEST(PatternSearch, MalformedProgramsRaiseThePlainError) {
  EXPECT_EQ(MalformedText("@a#"), "Error RE-MO-3 (#)\r\n@a#");
  EXPECT_EQ(MalformedText("**@a"), "Error RE-MO-2 (*)\r\n**@a");
  EXPECT_EQ(MalformedText("@"), "Error RE-MO-1 (@)\r\n@");
  EXPECT_EQ(MalformedText("*"), "Error RE-MO-1 (*)\r\n*");
  EXPECT_EQ(MalformedText("@a[\005ab"), "Error RE-MO-3 ([)\r\n@a[\005ab");
  EXPECT_EQ(MalformedText("!"), "Error RE-MO-1 (!)\r\n!");
}

TEST(PatternSearch, LongSubjectsStayLinear) {
  const std::string many(300000, 'a');
  EXPECT_EQ(Search(CompilePattern("a*a*a*b"), many, 1, true).Position, 0);
  EXPECT_EQ(SearchLast(CompilePattern(".*a.*a"), many, 1, true).Position,
            static_cast<std::int64_t>(many.size()) - 1);
  const TPatternMatch whole = Search(CompilePattern("^.*$"), many, 1, true);
  EXPECT_EQ(whole.Length, static_cast<std::int64_t>(many.size()));
}

// Random short patterns over the language's special characters, checked
// against the naive reference for Search and SearchLast, both case rules.
TEST(PatternSearch, AgreesWithTheReferenceMatcher) {
  const std::string patternChars = "ab.*[]^$-\\tA0";
  const std::string subjectChars = "abAB-*t\t0$";
  std::mt19937 random(20240611);
  auto text = [&](const std::string& chars, int maxLength) {
    std::string out(random() % (maxLength + 1), ' ');
    for (char& c : out) c = chars[random() % chars.size()];
    return out;
  };
  int disagreements = 0;
  for (int round = 0; round < 40000 && disagreements < 10; ++round) {
    const std::string pattern = text(patternChars, 8);
    const std::string subject = text(subjectChars, 9);
    const std::int64_t start = 1 + random() % 3;
    const bool exactCase = random() % 2 == 0;
    const std::string program = CompilePattern(pattern);
    const TPatternMatch got = Search(program, subject, start, exactCase);
    const TPatternMatch want = testing::ReferenceSearch(pattern, subject, start, exactCase);
    const TPatternMatch gotLast = SearchLast(program, subject, start, exactCase);
    const TPatternMatch wantLast = testing::ReferenceSearchLast(pattern, subject, start, exactCase);
    if (got.Position != want.Position || got.Length != want.Length || gotLast.Position != wantLast.Position ||
        gotLast.Length != wantLast.Length) {
      ++disagreements;
      ADD_FAILURE() << "pattern '" << pattern << "' subject '" << subject << "' start " << start
                    << (exactCase ? " exact" : " folded") << ": got " << got.Position << "," << got.Length
                    << " last " << gotLast.Position << "," << gotLast.Length << "; want " << want.Position
                    << "," << want.Length << " last " << wantLast.Position << "," << wantLast.Length;
    }
  }
}

}  // namespace
}  // namespace gleaner
