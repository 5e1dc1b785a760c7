#include "engine/scan_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "support/error_text.h"

namespace gleaner {
namespace {

TEST(ScanPosn, ModesAndCase) {
  struct Case {
    const char* text;
    const char* list;
    const char* controls;
    const char* positions;  // found, start, end
  };
  const Case cases[] = {
      {"hotdog cat", "/cat/dog", "Any IgnoreCase", "Y 8 10"},  // the first item in list order wins
      {"hotdog cat", "/cat/dog", "First", "Y 4 6"},
      {"hotdog cat", "/cat/dog", "Last", "Y 8 10"},
      {"xabcx", "/ab/abc", "First", "Y 2 4"},  // same start: the longer one
      {"xabcx", "/bc/abc", "Last", "Y 2 4"},   // same end: the earlier start
      {"abcabc", "/bc", "Last", "Y 5 6"},
      {"cat", "/CAT", "MatchCase", "N 0 0"},
      {"", "/a", "", "N 0 0"},
      {"caf\xE9", "/\xC9", "", "Y 4 4"},  // accented letters fold too
      {"axb", "//y//x", "", "Y 2 2"},     // empty items are skipped
      {"abc", "/", "", "N 0 0"},
      {"ab123c", "/[0-9][0-9]*", "RegExp", "Y 3 5"},
      {"a1b22c", "/[0-9][0-9]*", "Last RegExp", "Y 5 5"},  // the match that starts furthest right
      {"xAbc", "/a.c", "RegExp MatchCase", "N 0 0"},
      {"a.c", "/.", "", "Y 2 2"},  // without RegExp an item is plain text
  };
  for (const Case& c : cases) {
    const TScanPosnResult r = ScanPosn(c.text, c.controls, c.list);
    EXPECT_EQ((r.Found ? "Y " : "N ") + r.Start + " " + r.End, c.positions) << c.text << " " << c.list;
  }
}

TEST(ScanPosn, AmbiguousControls) {
  EXPECT_EQ(ErrorText([] { ScanPosn("hotdog cat", "Any First", "/cat/dog"); }),
            "Error in ScanPosn command\r\n\r\nAmbiguous or redundant control setting (Any First).\r\n\r\n"
            "Parameters:\r\nParm1: (Variable being set)\r\nParm2: (Variable being set)\r\n"
            "Parm3: 'hotdog cat'\r\nParm4: '/cat/dog'\r\nParm5: 'Any First'");
  EXPECT_EQ(Eng().ErrorKind, kErrIncorrectParameter);
  for (const char* controls : {"Last Last", "Ign Mat", "Mat Mat"}) {
    EXPECT_THROW(ScanPosn("", controls, ""), EParse) << controls;
  }
}

TEST(ScanFollow, ItemAfterTheKey) {
  const char* list = "/A/1/B/2/C/3";
  struct Case {
    const char* key;
    const char* list;
    const char* controls;
    const char* result;
  };
  const Case cases[] = {
      {"b", list, "IgnoreCase", "2"},         {"b", list, "MatchCase", "(default)"},
      {"3", list, "IgnoreCase", "(default)"},  // its item is the last
      {"D", list, "IgnoreCase", "(default)"}, {"B", "/A/1/B//C/3", "IgnoreCase", ""},
      {"a", "/A/Xy/", "IgnoreCase", "Xy"},    {"A", "/AB/1/A/2", "IgnoreCase", "2"},
      {"", list, "IgnoreCase", "(default)"},  {"A", "/", "IgnoreCase", "(default)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScanFollow(c.key, c.list, "(default)", c.controls), c.result) << c.key << " in " << c.list;
  }
  EXPECT_EQ(ScanFollow("D", list), "");
  EXPECT_EQ(Eng().CurrentCommand, Cmd::ScanFollow);
}

}  // namespace
}  // namespace gleaner
