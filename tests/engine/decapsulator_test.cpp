#include "engine/decapsulator.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "support/error_text.h"

namespace gleaner {
namespace {

// The values listed in every message; the full composition is pinned here once
// for Parse and in parse_test for the commands that run the routine.
const TParseCall kCall{"abcdef", "F", "T", "C"};

std::string ParseError(std::string_view message) {
  return "Error in Parse command\r\n\r\n" + std::string(message) +
         "\r\n\r\nParameters:\r\nParm1: 'abcdef'\r\nParm2: 'F'\r\nParm3: 'T'\r\nParm4: 'C'";
}

class DecapsulatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Eng().CurrentCommand = Cmd::Parse;
    Eng().InternalCall = false;
  }
  TDecapsulator d;
  TParseOptions options;
};

constexpr DecapSide kFrom = DecapSide::From;
constexpr DecapSide kTo = DecapSide::To;

// A compact dump of a read decapsulator: "number findString", with "pos" or
// "next" in front for positional and next-occurrence decapsulators.
std::string Dump(const TDecapsulator& d) {
  const std::string kind = d.Positional ? "pos " : d.NextOccurrence ? "next " : "";
  return kind + std::to_string(d.Number) + " " + d.FindString;
}

TEST_F(DecapsulatorTest, ReadsEveryForm) {
  struct Case {
    const char* text;
    DecapSide side;
    const char* dump;
  } cases[] = {
      {"", kFrom, "1000 "},
      {"abc", kFrom, "1 abc"},
      {"<*ab", kFrom, "1 ab"},
      {">*ab", kTo, "0 ab"},
      {"@*ab", kTo, "next 0 ab"},
      {"2*a*b", kFrom, "2 a*b"},
      {"<5*x", kFrom, "15 x"},
      {"-2", kFrom, "pos -2 ?"},
      {"007", kTo, "pos 7 ?"},
      {"-", kFrom, "1 -"},
      {"5abc", kFrom, "1 5abc"},
      {"+5", kFrom, "1 +5"},
      {"99999999999", kFrom, "1 99999999999"},  // beyond 32 bits: a find string
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    d.NextOccurrence = d.Positional = true;  // storage is reused: every field must be rewritten
    ReadDecapsulator(c.text, c.side, kCall, d);
    EXPECT_EQ(Dump(d), c.dump);
  }
}

TEST_F(DecapsulatorTest, GrammarErrors) {
  constexpr const char* kNeedsStar =
      "A decapsulator that starts with < or > or @ requires a * afterwards, then a find string";
  constexpr const char* kNonNumeric = "Non-numeric occurrence count \"From\" or \"To\" in decapsulator";
  constexpr const char* kTooMany = "Occurrence number exceeds maximum of 1000";
  struct Case {
    const char* text;
    DecapSide side;
    const char* reason;
  } cases[] = {
      {"5*", kFrom, "A find string must be specified after the * in a decapsulator"},
      {"-1*x", kFrom, "A negative number cannot be used as an occurrence number"},
      {"05*x", kTo, "0 (zero) cannot be used as an occurrence number"},
      {"@*x", kFrom, "The @ (next occurrence) symbol can only be used in the second (\"To\") decapsulator"},
      {"1a*x", kFrom, kNonNumeric},
      {"<<*x", kTo, kNonNumeric},
      {"1001*x", kFrom, kTooMany},
      {"99999999999*x", kFrom, kTooMany},
      {"<x", kFrom, kNeedsStar},
      {">", kTo, kNeedsStar},
      {"@x", kTo, kNeedsStar},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Eng().ErrorKind = 0;
    EXPECT_EQ(ErrorText([&] { ReadDecapsulator(c.text, c.side, kCall, d); }),
              ParseError("Invalid decapsulator: " + std::string(c.text) + "\r\n" + c.reason));
    EXPECT_EQ(Eng().ErrorKind, kErrIncorrectParameter);
  }
}

TEST_F(DecapsulatorTest, ControlSettingDefaults) {
  struct Case {
    const char* setting;
    bool parseMode;
    const char* letters;
  } cases[] = {{"", true, "EM"},     {"", false, "IM"},        {"Include", true, "IM"},
               {"cut", true, "CEM"}, {"Rel Ign", true, "RGE"}, {"IgnoreCase", false, "GI"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setting);
    ReadControlSetting(c.setting, c.parseMode, kCall, options);
    EXPECT_EQ(options.Letters, c.letters);
  }
  ReadControlSetting("Rel Inc Cut Ign", true, kCall, options);
  EXPECT_TRUE(options.Relaxed && options.Include && options.Cut && options.IgnoreCase);
}

TEST_F(DecapsulatorTest, ControlSettingErrors) {
  const std::string exclude = "Ambiguous control setting\r\nYou must specify either Exclude or Include";
  EXPECT_EQ(ErrorText([&] { ReadControlSetting("Include Exclude", true, kCall, options); }),
            ParseError(exclude));
  EXPECT_EQ(ErrorText([&] { ReadControlSetting("Relaxed Exc Inc Ign Mat", true, kCall, options); }),
            ParseError(exclude));
  EXPECT_EQ(ErrorText([&] { ReadControlSetting("Ign Mat", true, kCall, options); }),
            ParseError("Ambiguous control setting\r\nYou must specify either IgnoreCase or MatchCase"));
  // Cut and Relaxed are refused before ambiguity is looked at.
  EXPECT_EQ(ErrorText([&] { ReadControlSetting("Ign Mat Relaxed", false, kCall, options); }),
            ParseError("Unrecognized option: Ign Mat Relaxed"));
  EXPECT_EQ(ErrorText([&] { ReadControlSetting("Foo", true, kCall, options); }),
            "Unrecognized word (FOO) in Parse control setting:  'Foo'\r\n\r\n"
            "Available options are:  Include Exclude IgnoreCase MatchCase Cut Relaxed");
}

std::int64_t Place(std::string_view text, DecapSide side, bool relaxed = false) {
  TDecapsulator d;
  ReadDecapsulator(text, side, kCall, d);
  return FindPlace(d, side, "abcdef", relaxed, 1, kCall);
}

TEST_F(DecapsulatorTest, PositionsOutOfRange) {
  // Relaxed falls back to the start (From) or the end (To).
  for (const char* text : {"7", "-7", "0", "-2147483648", "2147483647"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Place(text, kFrom, true), 1);
    EXPECT_EQ(Place(text, kTo, true), 6);
  }
  EXPECT_EQ(ErrorText([] { Place("7", kFrom); }),
            ParseError("The positional decapsulator (7) points to a position after the end of the source "
                       "string. In some cases this can be solved by using Relaxed mode."));
  EXPECT_EQ(ErrorText([] { Place("-7", kTo); }),
            ParseError("The negative positional decapsulator (-7) points back to before the beginning of the "
                       "source string. In some cases this can be solved by using Relaxed mode."));
  EXPECT_EQ(ErrorText([] { Place("0", kTo); }),
            ParseError("A positional decapsulator of zero (0) is supported only in Relaxed mode"));
}

}  // namespace
}  // namespace gleaner
