#include "engine/field_commands.h"

#include <gtest/gtest.h>

#include "engine/char_commands.h"
#include "support/error_text.h"

namespace gleaner {
namespace {

using FieldCommands = CommandTest;

TEST_F(FieldCommands, ColsRanges) {
  const char* cases[][4] = {
      {"abcdef", "3", "3", "c"},  {"abcdef", "3", "99", "cdef"},
      {"abcdef", "0", "2", "ab"}, {"abcdef", "-9", "2", "ab"},
      {"abcdef", "5", "2", ""},   {"abcdef", "7", "9", ""},
      {"abcdef", "", "", ""},     {"", "1", "5", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Cols(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << ".." << c[2];
  EXPECT_EQ(Cols("abcdef", "3"), "c");
  EXPECT_EQ(ErrorText([] { Cols("abc", "9999999999"); }),
            "Error in Cols command\r\n\r\nNon-integer or non-numeric parameter\r\n\r\nParameters:\r\n"
            "Parm1: 'abc'\r\nParm2: '9999999999'\r\nParm3: '9999999999'");
}

TEST_F(FieldCommands, PaddedEdges) {
  const char* cases[][5] = {
      {"ab", "5", "Right", " ", "ab   "},      {"ab", "5", "Left", " ", "   ab"},
      {"ab", "5", "Center", " ", " ab  "},     {"ab", "6", "cen", "*", "**ab**"},
      {"abcdef", "3", "Right", " ", "abcdef"}, {"ab", "5", "Left", "-*", "---ab"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Padded(c[0], c[1], c[2], c[3]), c[4]) << c[0] << " " << c[1] << " " << c[2];
}

TEST_F(FieldCommands, PaddedErrors) {
  const char* cases[][4] = {
      // size, edge, pad character, message
      {"x", "Right", " ", "Size is not numeric"},
      {"0", "Right", " ", "Size must be 1 or more"},
      {"2048001", "Right", " ", "Size must be 2048000 or less"},
      {"5", "Right", "", "No padding character specified"},
      {"5", "", " ", "Edge specification is null"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorText([&] { Padded("ab", c[0], c[1], c[2]); }),
              std::string("Error in Padded command\r\n\r\n") + c[3] +
                  "\r\n\r\nParameters:\r\nParm1: 'ab'\r\n" + "Parm2: '" + c[0] + "'\r\nParm3: '" + c[1] +
                  "'\r\nParm4: '" + c[2] + "'");
  }
}

TEST_F(FieldCommands, AlphaNumPattAndLen) {
  EXPECT_EQ(AlphaNumPatt("AB-12 cd"), "AA-NN AA");
  EXPECT_EQ(AlphaNumPatt("AB-12 cd", "MA"), "A-NN A");
  // Accented letters count; the sharp s, the OE ligature and the
  // multiplication sign are not in the code page's upper-case letter set.
  EXPECT_EQ(AlphaNumPatt("\xE9\x9A\xFF\xDE\xDF\x9C\xD7\xB5"), "AAAA\xDF\x8C\xD7\xB5");
  EXPECT_EQ(Len(std::string("ab") + "cde"), "5");
}

TEST_F(FieldCommands, ErrorsUnderTheInternalCallMarkNameTheCaller) {
  Eng().CurrentCommand = Cmd::OutCSV;
  InternalCallScope mark;
  EXPECT_EQ(Cols("abcdef", "2", "3"), "bc");
  EXPECT_EQ(ErrorText([] { Padded("ab", "x"); }),
            "Error in OutCSV command\r\n\r\nSize is not numeric\r\n\r\nParameters:\r\nParm1: 'ab'\r\n"
            "Parm2: 'x'\r\nParm3: 'Right'\r\nParm4: ' '");
}

}  // namespace
}  // namespace gleaner
