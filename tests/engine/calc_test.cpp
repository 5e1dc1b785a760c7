#include "engine/calc.h"

#include <gtest/gtest.h>

#include "support/error_text.h"

namespace gleaner {
namespace {

class CalcTest : public CommandTest {
 protected:
  void SetUp() override {
    CommandTest::SetUp();
    Rounding("Yes");
  }
};

// The full text of a Calc or CalcReal error showing the three operands.
std::string CalcError(const std::string& command, const std::string& message, const std::string& first,
                      const std::string& operation, const std::string& second) {
  return "Error in " + command + " command\r\n\r\n" + message + "\r\n\r\nParameters:\r\nParm1: '" + first +
         "'\r\nParm2: '" + operation + "'\r\nParm3: '" + second + "'";
}

const char kOverflow[] = "Integer overflow: the result is outside the range -2147483648 to 2147483647";

TEST_F(CalcTest, CalcIntegerOperations) {
  const char* cases[][4] = {
      {"1,234", "+", "$6", "1240"},   {"1.5", "*", "2", "30"},  // all but digits and "-" stripped
      {"7", "/", "2", "3"},           {"-7", "/", "2", "-3"},      {"", " + ", "", "0"},
      {"007", "HIGHEST", "5", "007"}, {"5", "high", "05", "05"},  // a tie gives the second text
      {"", "LOW", "3", ""},           {"2", "lowest", "-1", "-1"}, {"65535", "*", "32768", "2147450880"},
  };
  for (const auto& c : cases) EXPECT_EQ(Calc(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
  EXPECT_FALSE(Eng().InternalCall);
}

TEST_F(CalcTest, CalcErrorsShowTheStrippedOperands) {
  const char* cases[][7] = {
      // first, operation, second, message, shown first, operation and second
      {"$1,000", " ++ ", "x2", "Unrecognized operation: ++", "1000", "++", "2"},
      {"1", "^", "2", "Unrecognized operation (^)", "1", "^", "2"},
      {"1", "  ", "2", "Operation may not be null", "1", "", "2"},
      {"1", "MAXIMUM", "2", "Unknown operation: MAXIMUM", "1", "MAXIMUM", "2"},
      {"1-2", "?", "2", "Non-numeric or non-integer value for first number", "1-2", "?", "2"},
      {"1", "+", "99999999999", "Non-numeric or non-integer value for second number", "1", "+",
       "99999999999"},
      {"1", "/", "0", "Division by zero", "1", "/", "0"},
      {"2147483647", "+", "1", kOverflow, "2147483647", "+", "1"},
      {"-2147483648", "/", "-1", kOverflow, "-2147483648", "/", "-1"},
      {"65536", "*", "65536", kOverflow, "65536", "*", "65536"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorText([&] { Calc(c[0], c[1], c[2]); }), CalcError("Calc", c[3], c[4], c[5], c[6]));
  }
}

TEST_F(CalcTest, CalcRealRoundingAndFormatting) {
  const char* cases[][6] = {
      // first, operation, second, places, rounding, expected
      {"2", "/", "3", "2", "Yes", "0.67"},
      {"2", "/", "3", "2", "No", "0.66"},
      {"-2", "/", "3", "2", "Yes", "-0.67"},
      {"-2", "/", "3", "2", "No", "-0.66"},
      {"0.125", "+", "0", "2", "Yes", "0.13"},
      {"-0.125", "+", "0", "2", "Yes", "-0.13"},
      {"10", "/", "4", "Float", "Yes", "2.5"},
      {"6", "/", "3", " flo ", "Yes", "2.0"},
      {"1", "/", "3", "Float", "Yes", "0.33333333333333333334"},
      {"3.7", "+", "0", "0", "Yes", "4."},
      {"3.7", "+", "0", "0", "No", "3."},
      {"2", "^", "10", "0", "Yes", "1024."},
      {"1", "/", "4", "22", "Yes", "0.2500000000000000000000"},
      {"1,234.5", "+", "$0.5", "2", "Yes", "1235.00"},
      {"2.5", "HIGHEST", "-3", "1", "Yes", "2.5"},
      {"2.5", "lowest", "-3", "1", "Yes", "-3.0"},
      {"", "+", "", "2", "Yes", "0.00"},
      {"-0", "*", "5", "2", "No", "0.00"},
      {".5", "*", "5.", "2", "Yes", "2.50"},
  };
  for (const auto& c : cases) {
    Rounding(c[4]);
    EXPECT_EQ(CalcReal(c[0], c[1], c[2], c[3]), c[5])
        << c[0] << c[1] << c[2] << " places " << c[3] << " " << c[4];
  }
}

TEST_F(CalcTest, CalcRealErrors) {
  const std::string places =
      "Incorrect decimal places value:  '-1'\r\nIt must be 0, a positive integer or the word 'Float'\r\nFor "
      "example, specify '2' for results like '3.14' (2 decimal places)\r\n'Float' means no fixed decimal "
      "places";
  EXPECT_EQ(ErrorText([] { CalcReal("$1", "+", "2", " -1 "); }),
            CalcError("CalcReal", places, "1", "+", "2"));
  EXPECT_EQ(ErrorText([] { CalcReal("1", "+", "2", "2048001"); }),
            CalcError("CalcReal", "Incorrect decimal places value:  '2048001'\r\nIt may be at most 2048000",
                      "1", "+", "2"));
  const char* cases[][4] = {
      {"1.2.3", "+", "1", "Non-numeric value for first number"},
      {"1", "+", ".", "Non-numeric value for second number"},
      {"1", "PO", "1", "Unrecognized operation: PO"},
      {"1", "/", "0.0", "Division by zero"},
      {"-8", "^", "0.5", "Invalid floating-point operation: the result is not a number"},
      {"10", "^", "5000", "Floating-point overflow: the result is too large"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorText([&] { CalcReal(c[0], c[1], c[2]); }), CalcError("CalcReal", c[3], c[0], c[1], c[2]));
  }
  const std::string huge = "1" + std::string(5000, '0');
  EXPECT_EQ(ErrorText([&] { CalcReal(huge, "+", "1"); }),
            "Error in CalcReal command\r\n\r\nFloating-point overflow: the result is too large\r\n\r\n"
            "Parameters:\r\nParm1: '" +
                huge.substr(0, 52) + "...' (5001 bytes)  \r\nParm2: '+'\r\nParm3: '1'");
  EXPECT_EQ(CalcReal("0." + std::string(5000, '0') + "1", "+", "1"), "1.00");  // too small: zero
}

TEST_F(CalcTest, RoundingOption) {
  Rounding("no");
  EXPECT_FALSE(RoundingFlag());
  EXPECT_EQ(ErrorText([] { Rounding("Yes No"); }),
            "A single option was expected for the Rounding control setting\r\n\r\nThe option specified was: "
            "'Yes No'\r\nAvailable options are:  Yes No");
  EXPECT_FALSE(RoundingFlag());
}

TEST_F(CalcTest, IncAndDec) {
  std::string value;
  Inc(value);
  EXPECT_EQ(value, "1");
  value = "5";
  Dec(value, "7");
  EXPECT_EQ(value, "-2");
  for (const char* bad : {"x", "1.5"}) {  // no stripping, unlike Calc
    value = bad;
    EXPECT_EQ(ErrorText([&] { Inc(value); }),
              "Error in Inc command\r\n\r\nNon-integer or non-numeric parameter"
              "\r\n\r\nParameters:\r\nParm1: '" +
                  std::string(bad) + "'\r\nParm2: '1'");
    EXPECT_EQ(value, bad);
  }
  value = "-2147483648";
  EXPECT_EQ(ErrorText([&] { Dec(value); }), "Error in Dec command\r\n\r\n" + std::string(kOverflow) +
                                                "\r\n\r\nParameters:\r\nParm1: '-2147483648'\r\nParm2: '1'");
  EXPECT_EQ(value, "-2147483648");
}

TEST_F(CalcTest, CalcUnderAnotherMarkIsAnInternalError) {
  Eng().InternalCall = true;
  EXPECT_EQ(ErrorText([] { Calc("1", "+", "2"); }), "PE-IC\r\n\r\nCalc");
}

}  // namespace
}  // namespace gleaner
