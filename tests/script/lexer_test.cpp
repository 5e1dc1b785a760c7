#include "script/lexer.h"

#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "script/compile_error.h"
#include "script/values.h"

namespace gleaner {
namespace {

// A compact dump of a statement's elements: kind, then the value, name or code.
std::string Dump(const std::string& statement, Cmd command = Cmd::Undetermined) {
  TValueStore store;
  store.RegisterAllSpecials();
  TLexer lex(store);
  lex.Start(statement);
  std::string out;
  int parms = 0;
  while (lex.Next(false, command, parms)) {
    const TScanState& s = lex.S;
    if (!out.empty()) out += ' ';
    out += static_cast<char>(s.Kind);
    switch (s.Kind) {
      case ElemKind::Command: out += ":" + std::string(CommandName(s.Code)); break;
      case ElemKind::Array: out += ":" + s.ArrayBase->Name + "(" + s.ArrayIndex->Name + ")"; break;
      case ElemKind::Variable: out += ":" + s.Value->Name; break;
      default: out += ":" + s.Value->Value(); break;
    }
    if (s.Step != 0) out += s.Step > 0 ? "+" : "-";
    if (s.RangeStart != 0 || s.RangeEnd != 0) {
      out += "[" + std::to_string(s.RangeStart) + "," + std::to_string(s.RangeEnd) + "]";
    }
    if (s.Kind != ElemKind::Command) ++parms;
  }
  return out;
}

std::string ErrorOf(const std::string& statement, Cmd command = Cmd::Undetermined) {
  try {
    Dump(statement, command);
  } catch (const ECompileMessage& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(Lexer, Literals) {
  const std::pair<const char*, const char*> cases[] = {
      {"'It''s'", "L:It's"},
      {"'A'$0D$0A'B'", "L:A\r\nB"},
      {"'A' $0D", "L:A L:\r"},
      {"#9#032", "L:\t "},
      {"$41$a", "L:A\n"},
      {"+5 + -3 .5", "L:5 L:0 L:-3 L:.5"},
      {"'a'X", "L:a V:X"},
      {"''", "L:"},
  };
  for (const auto& [statement, expected] : cases) EXPECT_EQ(Dump(statement), expected) << statement;
}

TEST(Lexer, LiteralErrors) {
  const std::pair<const char*, const char*> cases[] = {
      {"'", "Line ends with an incomplete literal"},
      {"Output $", "Line ends with an incomplete literal"},
      {"'abc", "Incomplete quoted literal"},
      {"$Datum", "Urecognized special variable, or invalid hex character (T) in literal"},
      {"'a'$ 'b'", "Stand-alone '$' in literal could not be interpreted"},
      {"'a'# ", "Stand-alone '#' in literal could not be interpreted"},
      {"$0D0A", "Invalid hex $0D0A  in literal\r\nIt must be either 2 or 3 characters long (e.g. $A or $0A)"},
      {"#256", "Invalid decimal specification #256\r\nThe value must be in the range from 0 to 255"},
      {"#1234", "Invalid decimal #1234  in literal\r\nIt must be between 2 and 4 characters long (e.g. #032)"},
      {"#1x", "Invalid decimal character 'x' in literal"},
  };
  for (const auto& [statement, expected] : cases) EXPECT_EQ(ErrorOf(statement), expected) << statement;
}

TEST(Lexer, CommandsComparatorsAndSpecialVariables) {
  EXPECT_EQ(Dump("calc OUTPUT"), "C:Calc C:Output");
  EXPECT_EQ(Dump("$Data $data[1 5]"), "V:$Data V:$Data[1,5]");
  EXPECT_EQ(Dump("len<= Is ~"), "K:len<= K:Is K:~");
  EXPECT_EQ(Dump("Output X ; note"), "C:Output V:X");
  EXPECT_EQ(Dump("; all comment"), "");
}

TEST(Lexer, EqualsIsAComparatorWhereOneIsExpected) {
  TValueStore store;
  TLexer lex(store);
  lex.Start("= =");
  ASSERT_TRUE(lex.Next(false, Cmd::Undetermined, 0));
  EXPECT_EQ(lex.S.Kind, ElemKind::Command);
  ASSERT_TRUE(lex.Next(true, Cmd::Undetermined, 0));
  EXPECT_EQ(lex.S.Kind, ElemKind::Comparator);
}

TEST(Lexer, OperatorPositionOfCalc) {
  EXPECT_EQ(Dump("2 highest 3", Cmd::Calc), "L:2 L:highest L:3");
  EXPECT_EQ(ErrorOf("2 % 3", Cmd::CalcReal),
            "An arithmetic operator was expected for the second parm\r\nFound '%' instead");
  // A sign after a blank ends a ranged variable and is read as the operator.
  EXPECT_EQ(Dump("X[1 3] + 1", Cmd::Calc), "V:X[1,3] L:+ L:1");
}

TEST(Lexer, VariablesIndexesRangesAndSteps) {
  const std::pair<const char*, const char*> cases[] = {
      {"X(1) X('1') x(1)", "V:X(1) V:X(1) V:X(1)"},
      {"X(I)", "A:X(I)"},
      {"X[3] X[2 5] X [ 2  5 ]", "V:X[3,3] V:X[2,5] V:X[2,5]"},
      {"X+ Y-", "V:X+ V:Y-"},
      {"X +", "V:X L:0"},
      {"Total TOTAL total", "V:Total V:Total V:Total"},
  };
  for (const auto& [statement, expected] : cases) EXPECT_EQ(Dump(statement), expected) << statement;
}

TEST(Lexer, VariableErrors) {
  const std::pair<const char*, const char*> cases[] = {
      {"1X", "(no error)"},  // a number: no check on its characters
      {"(unknown)", "Variables must start with A to Z (or $ for special variables)\r\n(unknown)"},
      {"_X", "Variables must start with A to Z (or $ for special variables)\r\n_X"},
      {"X(1)(2)", "Redundant ( array ) index for X(1) variable"},
      {"X(1", "Unmatched array index parentheses:  \"(\" without corresponding \")\""},
      {"X( )", "Empty array index: \"(\" and \")\" with nothing inside"},
      {"X('')", "Null array index"},
      {"X[1][2]", "Redundant [ range ] specification for X variable"},
      {"X[1", "Unmatched range brackets:  \"[\" without corresponding \"]\""},
      {"X[]", "Empty range brackets: \"[\" and \"]\" with nothing inside"},
      {"X[a]", "Range brackets contain non-numeric data:  a"},
      {"X[1]+", "Increment and decrement (+ and -) may not be combined with a [ range ] specification"},
      {"X+Y", "Increment and decrement must be the last item in variable X"},
  };
  for (const auto& [statement, expected] : cases) EXPECT_EQ(ErrorOf(statement), expected) << statement;
}

TEST(Lexer, LiteralIndexVariablesAreUncountedAndStartUndefined) {
  TValueStore store;
  TLexer lex(store);
  lex.Start("X(5) Y Y");
  ASSERT_TRUE(lex.Next(false, Cmd::Output, 0));
  EXPECT_EQ(lex.S.Value->RefCount, 0);
  EXPECT_EQ(lex.S.Value->Value(), "[ND]");
  ASSERT_TRUE(lex.Next(false, Cmd::Output, 1));
  ASSERT_TRUE(lex.Next(false, Cmd::Output, 2));
  EXPECT_EQ(lex.S.Value->RefCount, 2);
}

}  // namespace
}  // namespace gleaner
