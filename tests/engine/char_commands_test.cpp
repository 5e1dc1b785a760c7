#include "engine/char_commands.h"

#include <gtest/gtest.h>

#include "support/error_text.h"
#include "engine/field_commands.h"

namespace gleaner {
namespace {

using CharCommands = CommandTest;

TEST_F(CharCommands, ChangeOnePassAndMultiPass) {
  const char* cases[][5] = {
      // text, find, replacement, pass mode, expected
      {"banana", "a", "aa", "MultiPass", "baanaanaa"},  // find inside replacement: one pass only
      {"xxxx", "xx", "x", "MultiPass", "x"},
      {"xxxx", "xx", "x", "one", "xx"},
      {"aab", "ab", "b", "MultiPass", "b"},
      {"abcabc", "abc", "", "MultiPass", ""},
      {"abc", "", "x", "MultiPass", "abc"},
      {"aBc", "b", "x", "MultiPass", "aBc"},
  };
  for (const auto& c : cases) {
    std::string text = c[0];
    Change(text, c[1], c[2], c[3]);
    EXPECT_EQ(text, c[4]) << c[0] << " " << c[1] << " -> " << c[2] << " " << c[3];
  }
}

TEST_F(CharCommands, ChangeThatGrowsForEverFailsAndKeepsTheVariable) {
  std::string text = "aab";
  EXPECT_EQ(ErrorText([&] { Change(text, "ab", "bbaa", "MultiPass"); }),
            "Error in Change command\r\n\r\nThe changed text would exceed the maximum length of 2048000 "
            "characters\r\n\r\nParameters:\r\nParm1: (Variable being set)\r\nParm2: 'ab'\r\nParm3: 'bbaa'\r\n"
            "Parm4: 'MultiPass'");
  EXPECT_EQ(text, "aab");
  EXPECT_EQ(ErrorTable[Eng().ErrorKind].Description, "Data buffer exceeded");
  Change(text, "ab", "bbaa", "OnePass");
  EXPECT_EQ(text, "abbaa");
}

TEST_F(CharCommands, ChangeCaseModes) {
  const char* cases[][3] = {
      {"jean-luc 3rd", "Capitalize", "Jean-Luc 3Rd"},
      {"mcDONALD", "Capitalize", "McDONALD"},
      {"mcDONALD", "HardCaps", "Mcdonald"},
      {"mcDONALD", "NoChange", "mcDONALD"},
      {"\xE9t\xE9 \x9A\xFF", "Uppercase", "\xC9T\xC9 \x8A\x9F"},
      {"\xC9T\xC9 \x8A\x9F", "low", "\xE9t\xE9 \x9A\xFF"},
      {"\xC9T\xC9 \xE0 \xF6rebro", "HardCaps", "\xC9t\xE9 \xC0 \xD6rebro"},
      // The sharp s has no upper form, so the letter after it starts a word.
      {"stra\xDFo", "Capitalize", "Stra\xDFO"},
  };
  for (const auto& c : cases) EXPECT_EQ(ChangeCase(c[0], c[1]), c[2]) << c[0] << " " << c[1];
  EXPECT_EQ(ErrorText([] { ChangeCase("abc", ""); }),
            "Error in ChangeCase command\r\n\r\nOption list is empty\r\n\r\nParameters:\r\nParm1: "
            "'abc'\r\nParm2: ''");
}

TEST_F(CharCommands, KeepCharSpecifications) {
  const char* cases[][3] = {
      {"Hello World", "/az", "elloorld"},
      {"Hello World", "/za", "elloorld"},
      {"$-1,234.50", "/09/-", "-123450"},
      {"$-1,234.50", "/09/-/.", "-1234.50"},
      {"a,b;c", ",a,,;", "a;"},                         // empty items are ignored
      {"a\xC0\xE9z\xFF", "/\xC0\xFF", "\xC0\xE9\xFF"},  // bytes compare unsigned
      {"abc", "/", ""},
      {"abc", "", "abc"},
      {"", "/abc", ""},
  };
  for (const auto& c : cases) {
    std::string text = c[0];
    KeepChar(text, c[1]);
    EXPECT_EQ(text, c[2]) << c[0] << " " << c[1];
  }
  std::string text = "abc";
  EXPECT_EQ(
      ErrorText([&] { KeepChar(text, "/az/0-9"); }),
      "Error in KeepChar command\r\n\r\nThe keep specification (0-9) is not valid\r\nIt must be a single "
      "character (meaning that specific character)or two characters (meaning an inclusive range of "
      "characters)\r\n\r\nParameters:\r\nParm1: (Variable being set)\r\nParm2: '/az/0-9'");
  EXPECT_EQ(text, "abc");
}

TEST_F(CharCommands, TrimCharRemoveLists) {
  const char* cases[][3] = {
      {"  a   b  ", "M ", " a b "},
      {"  a   b  ", "B ", "a   b"},
      {"  a   b  ", "b ", "a   b"},
      {"  a   b  ", "L ", "a   b  "},
      {"  a   b  ", "R ", "  a   b"},
      {"  a   b  ", "A ", "ab"},
      {"  a   b  ", "B M ", "a b"},
      {" a,b , ", "B A,", "ab "},  // judged against the input: the blank left at the end stays
      {"xxxx", "Bx", ""},
      {"xxxx", "Mx", "x"},
      {"abc", "", "abc"},
      {"", "X,", ""},
  };
  for (const auto& c : cases) {
    std::string text = c[0];
    TrimChar(text, c[1]);
    EXPECT_EQ(text, c[2]) << "'" << c[0] << "' " << c[1];
  }
}

TEST_F(CharCommands, TrimCharErrors) {
  std::string text = "a,b";
  EXPECT_EQ(ErrorText([&] { TrimChar(text, "X,"); }),
            "Error in TrimChar command\r\n\r\nUnrecognized TrimChar specification\r\nValid options are: ABLRM"
            "\r\n\r\nParameters:\r\nParm1: (Variable being set)\r\nParm2: 'X,'");
  EXPECT_EQ(ErrorText([&] { TrimChar(text, "A,B"); }),
            "Error in TrimChar command\r\n\r\nThe remove list should have one or more pairs of characters\r\n"
            "Example:  'B A,' means \"Spaces on both sides, and all commas\"\r\n\r\nParameters:\r\n"
            "Parm1: (Variable being set)\r\nParm2: 'A,B'");
  EXPECT_EQ(text, "a,b");
}

TEST_F(CharCommands, InternalCallKeepsTheCallersName) {
  EXPECT_EQ(ErrorText([] { AlphaNumPatt("ab", "XA"); }),
            "Error in AlphaNumPatt command\r\n\r\nUnrecognized TrimChar specification\r\nValid options are: "
            "ABLRM\r\n\r\nParameters:\r\nParm1: (Variable being set)\r\nParm2: 'XA'");
  EXPECT_FALSE(Eng().InternalCall);  // cleared although the error unwound through it

  Eng().CurrentCommand = Cmd::OutCSV;
  {
    InternalCallScope mark;
    std::string text = "a";
    KeepChar(text, "/a");
    EXPECT_EQ(Eng().CurrentCommand, Cmd::OutCSV);
    EXPECT_EQ(ErrorText([] { InternalCallScope again; }), "PE-IC\r\n\r\nOutCSV");
    EXPECT_TRUE(Eng().InternalCall);  // a refused mark leaves the outer one alone
  }
  EXPECT_FALSE(Eng().InternalCall);
}

}  // namespace
}  // namespace gleaner
