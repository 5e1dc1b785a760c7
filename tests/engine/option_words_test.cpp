#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "support/error_text.h"

namespace gleaner {
namespace {

constexpr const char* kWords = "IgnoreCase MatchCase";
constexpr const char* kLetters = "GM";

std::string Letters(const char* setting) { return OptionLetters(setting, kLetters, kWords); }

TEST(OptionWords, WordsAreRecognisedByTheirFirstThreeLetters) {
  EXPECT_EQ(Letters("matchcase"), "M");
  EXPECT_EQ(Letters("Ign Mat"), "GM");
  EXPECT_EQ(Letters("Mat Mat"), "MM");
  EXPECT_EQ(Letters("IGNORE  matches"), "GM");
  EXPECT_EQ(Letters(""), "");
}

TEST(OptionWords, UnknownWordsAndSingleLetters) {
  Eng().CurrentCommand = Cmd::Lookup;
  EXPECT_EQ(ErrorText([] { Letters("X"); }),
            "Unrecognized word (X) in Lookup control setting:  'X'\r\n\r\n"
            "Available options are:  IgnoreCase MatchCase");
  EXPECT_EQ(Eng().ErrorKind, kErrIncorrectParameter);
  EXPECT_THROW(Letters("Ig"), EParse);
  EXPECT_THROW(Letters("Ign Xyz"), EParse);
}

TEST(OptionWords, TwoLetterWordsMustMatchWhole) {
  EXPECT_EQ(OptionLetters("ab qui", "AQ", "AB Quiet"), "AQ");
  EXPECT_THROW(OptionLetters("abc", "AQ", "AB Quiet"), EParse);
}

TEST(OptionWords, MissingLetterIsAnInternalError) {
  EXPECT_THROW(OptionLetters("Mat", "G", kWords), EParse);
  EXPECT_EQ(Eng().ErrorKind, kErrInternal);
}

TEST(OptionWords, SingleOption) {
  EXPECT_EQ(SingleOption("match", kLetters, kWords), 'M');
  Eng().CurrentCommand = Cmd::Lookup;
  EXPECT_EQ(ErrorText([] { SingleOption("IgnoreCase MatchCase", kLetters, kWords); }),
            "A single option was expected for the Lookup control setting\r\n\r\n"
            "The option specified was: 'IgnoreCase MatchCase'\r\n"
            "Available options are:  IgnoreCase MatchCase");
  EXPECT_THROW(SingleOption("", kLetters, kWords), EParse);
}

}  // namespace
}  // namespace gleaner
