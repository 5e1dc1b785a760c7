#include "engine/parse.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "support/error_text.h"

namespace gleaner {
namespace {

// The start of text, as long as expected, so a failure shows both.
std::string Head(const std::string& text, std::string_view expected) {
  return text.substr(0, expected.size());
}

// What one Parse call leaves: the result, or the error, the source
// afterwards, and the places and letters it reports.
std::string ParseOutcome(const std::string& text, const char* from, const char* to, const char* control,
                         TParsePlan* plan) {
  std::string source = text, result;
  try {
    ParseRoutine(source, from, to, result, control, plan);
  } catch (const EParse& e) {
    result = e.what();
  }
  return result + "|" + source + "|" + std::to_string(LastParse().StartPos) + "-" +
         std::to_string(LastParse().EndPos) + LastParse().Letters;
}

class ParseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Eng().CurrentCommand = Cmd::Undetermined;
    Eng().InternalCall = false;
    Eng().ErrorKind = 0;
  }
};

TEST_F(ParseTest, CutsBetweenThePlaces) {
  struct Case {
    const char *source, *from, *to, *control, *result;
    const char* afterCut;  // the source after the same call with Cut added
  } cases[] = {
      {"Name: Smith, John", "Name: ", ",", "", "Smith", " John"},
      {"Name: Smith, John", "Name: ", ",", "Include", "Name: Smith,", " John"},
      {"abcdef", "3", "-1", "", "cdef", "ab"},
      {"abcdef", "-2", "", "", "ef", "abcd"},
      {"abcdef", "2", "3", "Include", "bc", "adef"},
      {"abcdef", "7", "", "Relaxed", "abcdef", ""},
      {"abcdef", "0", "99", "Relaxed", "abcdef", ""},
      {"a,b,c,d", "2*,", "", "", "c,d", "a,b"},
      {"a,b,c,d", ">*,", "", "", "d", "a,b,c"},
      {"a,b,c,d", "<*,", "", "", "b,c,d", "a"},
      {"aaaaa", ">*aa", "", "Include", "aa", "aaa"},  // the last match may overlap the one before
      {"aaaaa", "2*aa", "", "Include", "aaa", "aa"},  // counted matches never overlap
      {"aaaaa", "3*aa", "", "", "", "aaaaa"},
      {"abc", "b", "", "Include", "bc", "a"},
      {"", "5*", "<x", "Bogus", "", ""},  // an empty source is not examined
      // "@" searches on after the From match; a last-occurrence From is not a next search.
      {"a,b,c", ",", "@*,", "", "b", "ac"},
      {"a,b,c;d;e", ">*,", "@*;", "", "c", "a,bd;e"},
      {"a;b,c;d", "7", "@*;", "Relaxed", "d", "a;b,c;"},
      // Not found: empty, and Cut removes nothing.
      {"abc", "x", "", "", "", "abc"},
      {"a,b", ",", ";", "", "", "a,b"},
      // A missing To under Relaxed counts as empty: the result runs to the end.
      {"a,b", ",", ";", "Relaxed", "b", "a"},
      {"a&&b", "", "&&", "Relaxed", "a", "b"},
      {"b", "", "&&", "Relaxed", "b", ""},
      // Exclude with places that touch or overlap: empty, the stretch still cut.
      {"abc", "ab", "b", "", "", "c"},
      {"a,b", ",", ",", "", "", "ab"},
      {"a,,b", ",", "2*,", "", "", "ab"},
      {",ab", "", ",", "", "", "ab"},
      {"abc", "c", "", "", "", "ab"},
      {"abcd", "b", "2", "", "", "acd"},
      {"abcd", "2", "b", "", "", "acd"},
      // A positional To of 1 is the first character, not a find string at the start.
      {"abc", "", "1", "", "a", "bc"},
      // IgnoreCase searches upper-cased copies; the result keeps the source's case.
      {"Hello World", "o w", "", "Ign", "orld", "Hell"},
      {"ab\351cd", "\311", "", "Ign", "cd", "ab"},  // e acute found by E acute
      {"ab\351cd", "\311", "", "", "", "ab\351cd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " | " + c.from + " | " + c.to + " | " + c.control);
    std::string source = c.source;
    EXPECT_EQ(Parse(source, c.from, c.to, c.control), c.result);
    EXPECT_EQ(source, c.source);
    EXPECT_EQ(Parse(source, c.from, c.to, std::string(c.control) + " Cut"), c.result);
    EXPECT_EQ(source, c.afterCut);
  }
}

TEST_F(ParseTest, ReversedPositions) {
  std::string source = "abc";
  // Exclude moves the start past 'c' and the end before 'a'.
  EXPECT_EQ(ErrorText([&] { Parse(source, "c", "a", "Cut"); }),
            "Error in Parse command\r\n\r\n\"From\" position (4) exceeds \"To\" position (0)\r\n\r\n"
            "Parameters:\r\nParm1: 'abc'\r\nParm2: 'c'\r\nParm3: 'a'\r\nParm4: 'Cut'");
  EXPECT_EQ(Eng().ErrorKind, kErrReversedIndices);
  EXPECT_EQ(source, "abc");  // Cut comes after every check
  EXPECT_NE(
      ErrorText([&] { Parse(source, "3", "2"); }).find("\"From\" position (3) exceeds \"To\" position (2)"),
      std::string::npos);
}

TEST_F(ParseTest, ChecksInOrder) {
  // From, then To, then the control setting, then the places.
  std::string source = "abc";
  const std::string_view fromFirst = "Error in Parse command\r\n\r\nInvalid decapsulator: 0*a\r\n";
  EXPECT_EQ(Head(ErrorText([&] { Parse(source, "0*a", "-1*b", "Ign Mat"); }), fromFirst), fromFirst);
  const std::string_view settingFirst = "Error in Parse command\r\n\r\nAmbiguous";
  EXPECT_EQ(Head(ErrorText([&] { Parse(source, "9", "", "Ign Mat"); }), settingFirst), settingFirst);
}

TEST_F(ParseTest, DirectCallsActAsParse) {
  Eng().CurrentCommand = Cmd::Lookup;
  std::string source = "x,y";
  std::string result = "stale";
  ParseRoutine(source, "", ",", result, "Cut Relaxed");
  EXPECT_EQ(result, "x");
  EXPECT_EQ(source, "y");
  EXPECT_EQ(Eng().CurrentCommand, Cmd::Parse);
}

TEST_F(ParseTest, FindPosn) {
  struct Case {
    const char *source, *decapsulator, *control, *expected;
  } cases[] = {
      {"abc", "b", "Include MatchCase", "2"}, {"abc", "b", "Exclude", "3"}, {"abc", "c", "Exclude", "4"},
      {"abc", "B", "IgnoreCase", "2"},        {"abc", "B", "", "0"},        {"abc", "", "", "1"},
      {"abc", "-1", "Exclude", "3"},          {"a,b,a,b", ">*a", "", "5"},  {"", "5*", "Cut", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " | " + c.decapsulator + " | " + c.control);
    std::string target = "stale";
    FindPosn(target, c.source, c.decapsulator, c.control);
    EXPECT_EQ(target, c.expected);
    EXPECT_FALSE(Eng().InternalCall);
  }
  std::string same = "abc";
  FindPosn(same, same, "c");
  EXPECT_EQ(same, "3");
}

struct PlaceCase {
  const char *variable, *decapsulator, *text, *control, *expected;
  bool success;
};

void CheckPlacing(bool (*command)(std::string&, std::string_view, std::string_view, std::string_view),
                  std::initializer_list<PlaceCase> cases) {
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(std::string(c.variable) + " | " + c.decapsulator + " | " + c.text + " | " + c.control);
    std::string variable = c.variable;
    EXPECT_EQ(command(variable, c.decapsulator, c.text, c.control), c.success);
    EXPECT_EQ(variable, c.expected);
    EXPECT_FALSE(Eng().InternalCall);
  }
}

TEST_F(ParseTest, InsertAndOverlay) {
  CheckPlacing(Insert, {{"abc", "b", "X", "Include", "aXbc", true},
                        {"abc", "b", "X", "Exclude", "abXc", true},
                        {"abc", "c", "X", "Exclude", "abcX", true},
                        {"abc", "", "X", "", "Xabc", true},
                        {"abc", "z", "X", "", "abc", false},
                        {"abc", "b", "", "", "abc", false},
                        {"", "", "X", "Cut", "X", true},
                        {"", "a", "X", "", "", false}});
  CheckPlacing(Overlay, {{"abcde", "e", "XYZ", "Include", "abcdXYZ", true},
                         {"abcde", "b", "XY", "", "aXYde", true},
                         {"abcde", "e", "XY", "Exclude", "abcdeXY", true},
                         {"abcde", "z", "XY", "", "abcde", false},
                         {"abcde", "b", "", "", "abcde", false},
                         {"", "", "X", "", "X", true},
                         {"", "a", "X", "", "", false}});
  // The text may be the variable itself.
  std::string self = "abc";
  EXPECT_TRUE(Insert(self, "b", self));
  EXPECT_EQ(self, "aabcbc");
  EXPECT_TRUE(Overlay(self, "-1", self));
  EXPECT_EQ(self, "aabcbaabcbc");
}

TEST_F(ParseTest, ErrorsNameTheCallingCommand) {
  std::string target;
  EXPECT_EQ(ErrorText([&] { FindPosn(target, "abc", "b", "Cut"); }),
            "Error in FindPosn command\r\n\r\nUnrecognized option: Cut\r\n\r\n"
            "Parameters shown are those passed to Parse routine\r\n\r\n"
            "Parameters:\r\nParm1: 'abc'\r\nParm2: 'b'\r\nParm3: ''\r\nParm4: 'Cut'");
  Eng().InternalCall = false;  // an error leaves the mark set until the engine is opened again
  std::string variable = "abc";
  const std::string_view insertError = "Error in Insert command\r\n\r\nUnrecognized option: Relaxed\r\n";
  EXPECT_EQ(Head(ErrorText([&] { Insert(variable, "4", "X", "Relaxed"); }), insertError), insertError);
  Eng().InternalCall = false;
  const std::string_view overlayError = "Error in Overlay command\r\n";
  EXPECT_EQ(Head(ErrorText([&] { Overlay(variable, "4", "X"); }), overlayError), overlayError);
  EXPECT_EQ(variable, "abc");
  // The mark is still set from that error: setting it again is an internal error naming the command.
  EXPECT_EQ(ErrorText([&] { FindPosn(target, "abc", "b"); }), "PE-IC\r\n\r\nFindPosn");
  EXPECT_EQ(Eng().ErrorKind, kErrInternal);
}

// A call site's plan against reading every call afresh: the same results, the
// same source after Cut and the same positions, whether the settings repeat
// (the plan is used) or change from call to call (it is read again), and
// whether the plan takes the short route (first and next find strings) or not.
TEST_F(ParseTest, PlannedCallsAgreeWithFreshOnes) {
  const struct {
    const char *from, *to, *control;
  } settings[] = {
      {"Name: ", ",", ""},        {", ", "@*;", ""},           {"age: ", "@*;", "IgnoreCase"},
      {"<*a", ">*;", "Include"},  {"2*, ", "", "Cut"},         {"-3", "", "Relaxed"},
      {"", ";", "Cut Relaxed Ign"}, {"3", "7", "Include Cut"}, {"X", "Y", "Relaxed IgnoreCase Cut"},
      {"a", "@1*a", ""},          {"", "@*;", "Relaxed"},      {"Y", "a", "Include Relaxed"},
  };
  std::vector<std::string> sources = {"Name: Walker, Deborah; Age: 57; City: Vilnius", "name: a, b; AGE: 9;",
                                      "aaa;bbb;a;", "x", "", "Xy, zY; age: 1, 2, 3; y", std::string(3000, 'a') + ";"};
  // Pieces of the find strings in any order: missing, doubled, at either end, in either case.
  const std::string_view pieces[] = {"a", "A", ";", ", ", "age: ", "Name: ", "x", "Y"};
  std::mt19937 random(7);
  for (int i = 0; i < 40; ++i) {
    std::string text;
    for (int n = random() % 6; n > 0; --n) text += pieces[random() % std::size(pieces)];
    sources.push_back(text);
  }
  TParsePlan shared;
  std::vector<TParsePlan> own(std::size(settings));
  for (int pass = 0; pass < 2; ++pass) {
    for (const std::string& text : sources) {
      for (std::size_t i = 0; i < std::size(settings); ++i) {
        const auto& s = settings[i];
        const auto run = [&](TParsePlan* plan) { return ParseOutcome(text, s.from, s.to, s.control, plan); };
        const std::string fresh = run(nullptr);
        EXPECT_EQ(run(&own[i]), fresh) << text << " / " << s.from;
        EXPECT_EQ(run(&shared), fresh) << text << " / " << s.from;
      }
    }
  }
}

// A setting that fails is never kept: every call reports it again, with the
// source of that call, and a good setting afterwards is read and used.
TEST_F(ParseTest, PlannedCallsReportEveryFailure) {
  TParsePlan plan;
  std::string result;
  for (const char* source : {"abc", "xyz"}) {
    std::string text = source;
    EXPECT_EQ(ErrorText([&] { ParseRoutine(text, "0*a", "", result, "", &plan); }),
              "Error in Parse command\r\n\r\nInvalid decapsulator: 0*a\r\n"
              "0 (zero) cannot be used as an occurrence number\r\n\r\n"
              "Parameters:\r\nParm1: '" + std::string(source) + "'\r\nParm2: '0*a'\r\nParm3: ''\r\nParm4: ''");
    EXPECT_FALSE(plan.Ready);
  }
  std::string text = "abc";
  ParseRoutine(text, "a", "c", result, "", &plan);
  EXPECT_EQ(result, "b");
  EXPECT_EQ(ErrorText([&] { ParseRoutine(text, "a", "c", result, "Inc Exc", &plan); }),
            "Error in Parse command\r\n\r\nAmbiguous control setting\r\nYou must specify either Exclude or "
            "Include\r\n\r\nParameters:\r\nParm1: 'abc'\r\nParm2: 'a'\r\nParm3: 'c'\r\nParm4: 'Inc Exc'");
}

// A plan whose caller vouches for fixed texts reads them once and then only
// searches: against fresh reading on generated records (letter case, empty
// fields, missing delimiters, a record at the 2,048,000-character limit),
// the same results, sources after Cut, positions, letters and errors.
TEST_F(ParseTest, FixedPlansAgreeWithFreshReading) {
  const struct {
    const char *from, *to, *control;
  } settings[] = {
      {"Name: ", ",", ""},          {", ", "@*;", ""},         {"Age: ", "@*;", "Exclude MatchCase"},
      {"age: ", "@*;", "IgnoreCase"}, {"2*; ", ">*;", "Include"}, {"NAME: ", "", "Ign Cut"},
      {"", ";", "Cut Relaxed"},     {"3", "-2", "Include"},    {"Zz", ",", "Relaxed IgnoreCase"},
      {"-50", "", "Relaxed"},       {"0*x", "", ""},           {"a", "b", "Inc Exc"},
  };
  std::mt19937 random(7);
  const char* const pieces[] = {"Name: ", "name: ", "NAME: ", "Walker", ", ", ",", "; ", ";", "Age: ",
                                "aGe: ", "57", "", "City: ", "\xC9lan"};
  std::vector<std::string> sources = {"", "Name: Walker, Deborah; Age: 57; City: Vilnius", ";;;", "Name: ,; Age: ;"};
  for (int i = 0; i < 200; ++i) {
    std::string text;
    for (std::size_t n = random() % 9; n > 0; --n) text += pieces[random() % std::size(pieces)];
    sources.push_back(text);
  }
  std::string longest = "Name: " + std::string(2'048'000 - 14, 'w') + ", D; A";
  sources.push_back(longest);
  for (const auto& s : settings) {
    TParsePlan fixed;
    fixed.FixedTexts = true;
    const auto run = [&](const std::string& text, TParsePlan* plan) {
      return ParseOutcome(text, s.from, s.to, s.control, plan);
    };
    for (const std::string& text : sources) {
      ASSERT_EQ(run(text, &fixed), run(text, nullptr)) << text.substr(0, 60) << " / " << s.from << " / " << s.control;
    }
  }
}

}  // namespace
}  // namespace gleaner
