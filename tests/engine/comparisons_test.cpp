#include "engine/comparisons.h"

#include <gtest/gtest.h>

#include <string>

#include "support/error_text.h"
#include "engine/engine_state.h"

namespace gleaner {
namespace {

using Comparisons = CommandTest;

// One comparator word and its outcome on three pairs of values, given as
// "TFF"-style letters: less / equal / greater pairs of its family.
struct WordCase {
  const char* word;
  const char* outcomes;
};

void ExpectOutcomes(const WordCase& c, const char* const (&pairs)[3][2]) {
  for (int k = 0; k < 3; ++k) {
    const bool want = c.outcomes[k] == 'T';
    EXPECT_EQ(Compare(pairs[k][0], c.word, pairs[k][1], "MatchCase"), want)
        << "'" << pairs[k][0] << "' " << c.word << " '" << pairs[k][1] << "'";
  }
}

TEST_F(Comparisons, EveryRelationalWordHasItsOperation) {
  const WordCase numeric[] = {{"#<", "TFF"},  {"#<=", "TTF"}, {"#<>", "TFT"}, {"#=", "FTF"},
                              {"#=<", "TTF"}, {"#=>", "FTT"}, {"#>", "FFT"},  {"#>=", "FTT"}};
  const char* const numbers[3][2] = {{"9", "10"}, {"10", "10"}, {"11", "10"}};
  for (const WordCase& c : numeric) ExpectOutcomes(c, numbers);

  const WordCase text[] = {{"<", "TFF"},  {"<=", "TTF"}, {"<>", "TFT"}, {"=", "FTF"},
                           {"=<", "TTF"}, {"=>", "FTT"}, {">", "FFT"},  {">=", "FTT"}};
  const char* const texts[3][2] = {{"abc", "abd"}, {"abd", "abd"}, {"abe", "abd"}};
  for (const WordCase& c : text) ExpectOutcomes(c, texts);

  const WordCase length[] = {{"LEN<", "TFF"},  {"LEN<=", "TTF"}, {"LEN<>", "TFT"}, {"LEN=", "FTF"},
                             {"LEN=<", "TTF"}, {"LEN=>", "FTT"}, {"LEN>", "FFT"},  {"LEN>=", "FTT"}};
  const char* const lengths[3][2] = {{"ab", "3"}, {"abc", "3"}, {"abcd", "3"}};
  for (const WordCase& c : length) ExpectOutcomes(c, lengths);

  const WordCase pairs[] = {{"SHORTER", "TFF"}, {"SAMELEN", "FTF"}, {"LONGER", "FFT"}};
  const char* const lengthPairs[3][2] = {{"zz", "abc"}, {"zzz", "abc"}, {"zzzz", "abc"}};
  for (const WordCase& c : pairs) ExpectOutcomes(c, lengthPairs);
}

TEST_F(Comparisons, WordsIgnoreBlanksAndLetterCase) {
  EXPECT_TRUE(Compare("abcd", "len>", "3", "MatchCase"));
  EXPECT_TRUE(Compare("abcd", "L e N >", "3", "MatchCase"));
  EXPECT_TRUE(Compare("xa1b", "comprises", "[a-z][0-9]", "MatchCase"));
  EXPECT_TRUE(Compare("5", " # = ", "5", "MatchCase"));
}

TEST_F(Comparisons, UnknownWordIsAnIncorrectParameter) {
  EXPECT_EQ(ErrorText([] { Compare("a", "==", "b", "IgnoreCase"); }),
            "Error in Que command\r\n\r\nUnrecognized comparison (check parm2)\r\n\r\nParameters:\r\n"
            "Parm1: 'a'\r\nParm2: '=='\r\nParm3: 'b'");
  EXPECT_EQ(Eng().ErrorKind, kErrIncorrectParameter);
  ErrorText([] { Compare("a", "is not", "b", "IgnoreCase"); });  // "ISNOT" after the blanks go
}

TEST_F(Comparisons, NumbersReadAsIntegersOrExtendedFloats) {
  struct Case {
    const char* a;
    const char* word;
    const char* b;
    bool want;
  };
  const Case cases[] = {
      {"10", "#<", "9", false},
      {"10", "<", "9", true},  // text order
      {"1.5", "#=", "1.50", true},
      {"2", "#=", "2.0", true},
      {"", "#=", "0", true},
      {"", "#=", "0.0", true},
      {"$10", "#=", "16", true},
      {"-$1f", "#=", "-31", true},
      {"  7", "#=", "+7", true},
      {"2147483647", "#>", "-2147483648", true},
      {".5", "#=", "0.5", true},
      {"5.", "#=", "5", true},
      {"1e2", "#=", "100.0", true},
      {"-2.5E-1", "#<", "-.25e0", false},
      {"1.0000000000000000001", "#>", "1", true},  // beyond double precision
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Compare(c.a, c.word, c.b, "IgnoreCase"), c.want) << c.a << " " << c.word << " " << c.b;
  }
}

TEST_F(Comparisons, NonNumericValuesAreNumericExpected) {
  EXPECT_EQ(ErrorText([] { Compare("abc", "#=", "1", "IgnoreCase"); }),
            "Error in Que command\r\n\r\nNon-numeric parm in numeric comparison\r\n\r\nParameters:\r\n"
            "Parm1: 'abc'\r\nParm2: '#='\r\nParm3: '1'");
  EXPECT_EQ(ErrorTable[Eng().ErrorKind].Code, 80);
  const char* const bad[] = {"5 ",   "2147483648", "-2147483649", "$",     "0x10", "1e2", "--1",
                             "$1.5", ".",          "inf.",        "nan.0", "1.5x", "1.e", " "};
  for (const char* value : bad) {
    EXPECT_NE(ErrorText([&] { Compare(value, "#=", "0", "IgnoreCase"); }), "") << value;
  }
}

TEST_F(Comparisons, LengthNeedsANumberAndNamesThePosition) {
  EXPECT_TRUE(Compare("abcd", "LEN=", "4", "x"));
  EXPECT_TRUE(Compare("abcd", "LEN=", " $4", "x"));
  const std::string head =
      "Error in Que command\r\n\r\nThe second parm in a comparison must be a number\r\nNon-numeric character "
      "found at position ";
  EXPECT_EQ(ErrorText([] { Compare("abcd", "LEN=", "four", "IgnoreCase"); }),
            head + "1 of parm3\r\n\r\nParameters:\r\nParm1: 'abcd'\r\nParm2: 'LEN='\r\nParm3: 'four'");
  EXPECT_EQ(Eng().ErrorKind, kErrNumericExpected);
  EXPECT_EQ(ErrorText([] { Compare("a", "LEN<", "4x", "IgnoreCase"); }).substr(0, head.size() + 1),
            head + "2");
  EXPECT_EQ(ErrorText([] { Compare("a", "LEN<", "", "IgnoreCase"); }).substr(0, head.size() + 1), head + "1");
  EXPECT_EQ(ErrorText([] { Compare("a", "LEN<", "-", "IgnoreCase"); }).substr(0, head.size() + 1),
            head + "2");
}

TEST_F(Comparisons, CaseControlAppliesToTextOperationsOnly) {
  EXPECT_TRUE(Compare("Abc", "=", "ABC", "IgnoreCase"));
  EXPECT_FALSE(Compare("Abc", "=", "ABC", "MatchCase"));
  EXPECT_TRUE(Compare("\xE9t\xE9", "=", "\xC9T\xC9", "ign"));  // accented letters fold too
  EXPECT_TRUE(Compare("xABCx", "^", "abc", "IgnoreCase"));
  EXPECT_TRUE(Compare("xABCx", "~", "abc", "MatchCase"));
  // Numeric, length and length-pair operations never read the control.
  EXPECT_TRUE(Compare("1", "#<", "2", "Bogus"));
  EXPECT_TRUE(Compare("ab", "LONGER", "a", ""));
  EXPECT_EQ(ErrorText([] { Compare("a", "=", "a", "Bogus"); }),
            "Unrecognized word (BOGUS) in Que control setting:  'Bogus'\r\n\r\nAvailable options are:  "
            "IgnoreCase MatchCase");
  EXPECT_EQ(ErrorText([] { Compare("a", "IS", "a", ""); }),
            "A single option was expected for the Que control setting\r\n\r\nThe option specified was: ''\r\n"
            "Available options are:  IgnoreCase MatchCase");
}

TEST_F(Comparisons, TrimmedEqualAndContains) {
  EXPECT_TRUE(Compare(" x ", "IS", "x", "MatchCase"));
  EXPECT_TRUE(Compare("\t\x01x\r\n", "IS", "x", "MatchCase"));
  EXPECT_FALSE(Compare(" x ", "=", "x", "MatchCase"));
  EXPECT_FALSE(Compare(" x y", "IS", "x", "MatchCase"));
  EXPECT_TRUE(Compare("", "^", "", "MatchCase"));
  EXPECT_FALSE(Compare("abc", "^", "", "MatchCase"));
  EXPECT_TRUE(Compare("abc", "~", "", "MatchCase"));
  EXPECT_FALSE(Compare("", "~", "", "MatchCase"));
  EXPECT_TRUE(Compare("abc", "^", "bc", "MatchCase"));
  EXPECT_FALSE(Compare("abc", "~", "bc", "MatchCase"));
}

TEST_F(Comparisons, TextEqualityIsByteForByte) {
  // Collation may rank different texts alike; "=" and "<>" must not.
  EXPECT_FALSE(Compare("a\255b", "=", "ab", "MatchCase"));  // soft hyphen
  EXPECT_TRUE(Compare("a\255b", "<>", "ab", "MatchCase"));
  EXPECT_TRUE(Compare(std::string("a\0b", 3), "<>", "a", "MatchCase"));
}

TEST_F(Comparisons, MatchesAndComprises) {
  EXPECT_TRUE(Compare("a1b", "MATCHES", "[a-z][0-9][a-z]", "MatchCase"));
  EXPECT_FALSE(Compare("xa1b", "MATCHES", "[a-z][0-9][a-z]", "MatchCase"));
  EXPECT_TRUE(Compare("xa1b", "COMPRISES", "[a-z][0-9][a-z]", "MatchCase"));
  EXPECT_FALSE(Compare("a1bc", "MATCHES", "[a-z][0-9][a-z]", "MatchCase"));
  EXPECT_FALSE(Compare("aab", "MATCHES", "a*", "MatchCase"));
  EXPECT_TRUE(Compare("A1B", "MATCHES", "[a-z][0-9][a-z]", "IgnoreCase"));
  EXPECT_FALSE(Compare("A1B", "MATCHES", "[a-z][0-9][a-z]", "MatchCase"));
  // Under IgnoreCase the pattern is upper-cased as well: "\t" becomes "\T".
  EXPECT_TRUE(Compare("xTx", "COMPRISES", "\\t", "IgnoreCase"));
  EXPECT_FALSE(Compare("x\tx", "COMPRISES", "\\t", "IgnoreCase"));
  EXPECT_TRUE(Compare("x\tx", "COMPRISES", "\\t", "MatchCase"));
  // An invalid pattern is the empty program.
  EXPECT_TRUE(Compare("abc", "COMPRISES", "^*x", "MatchCase"));
  EXPECT_FALSE(Compare("abc", "MATCHES", "^*x", "MatchCase"));
  EXPECT_FALSE(Compare("", "COMPRISES", "", "MatchCase"));
  EXPECT_FALSE(Compare("", "MATCHES", "", "MatchCase"));
}

TEST_F(Comparisons, ErrorsNameTheCallerUnderTheInternalCallMark) {
  Eng().CurrentCommand = Cmd::OutCSV;
  Eng().InternalCall = true;
  const std::string text = ErrorText([] { Compare("x", "#>", "1", "IgnoreCase"); });
  Eng().InternalCall = false;
  EXPECT_EQ(text.substr(0, 25), "Error in OutCSV command\r\n");
  EXPECT_EQ(Eng().CurrentCommand, Cmd::OutCSV);
  Compare("1", "=", "1", "IgnoreCase");
  EXPECT_EQ(Eng().CurrentCommand, Cmd::Que);
}

TEST_F(Comparisons, QueAnswersYOrN) {
  EXPECT_EQ(Que("a", "=", "A", "IgnoreCase"), "Y");
  EXPECT_EQ(Que("a", "=", "A", "MatchCase"), "N");
}

TEST_F(Comparisons, CompareCtrlChoices) {
  EXPECT_EQ(CompareCtrlChoice(" matchcase\t"), "MatchCase");
  EXPECT_EQ(CompareCtrlChoice("IGNORECASE"), "IgnoreCase");
  EXPECT_EQ(CompareCtrlChoice("Match"), "");
  EXPECT_EQ(CompareCtrlChoice("IgnoreCase MatchCase"), "");
  EXPECT_EQ(CompareCtrlErrorText("  Ign "),
            "Unrecognized CompareCtrl parameter (Ign)\r\nValid choices are IgnoreCase and MatchCase");
}

}  // namespace
}  // namespace gleaner
