#include "interface/menu_start.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

// The launcher drops %f when no file is given, so "--open" may come alone.
TEST(MenuStart, OpenWithAFileIsTheInputSwitchAndAloneIsNothing) {
  struct TCase {
    std::vector<std::string> params;
    std::vector<std::string> expanded;
  };
  const TCase cases[] = {
      {{"--open"}, {}},
      {{"--open", "/home/pat/my notes.txt"}, {"/I/home/pat/my notes.txt"}},
      {{"--open", "/tmp/x.txt", "/R"}, {"/I/tmp/x.txt", "/R"}},  // the file is taken as is
      {{"/IIn.txt", "/OOut.txt"}, {"/IIn.txt", "/OOut.txt"}},
      {{"--OPEN", "x"}, {"--OPEN", "x"}},  // only the entry's own spelling: the rest is refused as usual
      {{}, {}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ExpandMenuStart(c.params), c.expanded) << ::testing::PrintToString(c.params);
  }
}

}  // namespace
}  // namespace gleaner
