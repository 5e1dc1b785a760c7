#include "interface/front_end.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gleaner {
namespace {

TEST(FrontEnd, OnlyABatchRunOrNoDisplayGetsTheConsole) {
  struct TCase {
    std::vector<std::string> params;
    bool display;
    bool console;
  };
  const TCase cases[] = {
      {{}, true, false},
      {{}, false, true},
      {{"/IIn.txt", "/R", "/CA"}, true, true},
      {{"/ca", "/r"}, true, true},            // any case, any order
      {{"/Rnow", "/Ca"}, true, true},         // /R ignores its value
      {{"/R"}, true, false},
      {{"/R", "/CS"}, true, false},           // /CS shows its reports: the form
      {{"/R", "/CAX"}, true, false},          // not /CA
      {{"-R", "/CA"}, true, false},
      {{"/IR", "/CA"}, true, false},          // a file named R is no switch
      {{"/?"}, false, true},
      {{"--console", "/IIn.txt"}, true, true},  // forced on a desktop
      {{"/R", "--consoles"}, true, false},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(UseConsoleFrontEnd(c.params, c.display), c.console) << ::testing::PrintToString(c.params);
  }
}

TEST(FrontEnd, StandardOutputAsTheOutputIsTheLastOutputSwitch) {
  const std::pair<std::vector<std::string>, bool> cases[] = {
      {{"/O-"}, true},           {{"/o+-"}, true},           {{"/O/dev/stdout"}, true},
      {{"/O/dev/fd/1"}, true},   {{"/O/dev/fd/3"}, false},   {{"/I-", "/OOut.txt"}, false},
      {{"/O-", "/OOut.txt"}, false}, {{"/OOut.txt", "/O-"}, true}, {{"/O--"}, false},
  };
  for (const auto& [params, standardOutput] : cases) {
    EXPECT_EQ(OutputIsStandardOutput(params), standardOutput) << ::testing::PrintToString(params);
  }
}

TEST(FrontEnd, ADisplayIsAnyNonEmptyDisplayVariable) {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const std::string savedDisplay = display ? display : "";
  const std::string savedWayland = wayland ? wayland : "";
  setenv("DISPLAY", "", 1);
  unsetenv("WAYLAND_DISPLAY");
  EXPECT_FALSE(DisplayAvailable());
  setenv("WAYLAND_DISPLAY", "wayland-0", 1);
  EXPECT_TRUE(DisplayAvailable());
  unsetenv("WAYLAND_DISPLAY");
  setenv("DISPLAY", ":1", 1);
  EXPECT_TRUE(DisplayAvailable());
  if (display) setenv("DISPLAY", savedDisplay.c_str(), 1); else unsetenv("DISPLAY");
  if (wayland) setenv("WAYLAND_DISPLAY", savedWayland.c_str(), 1); else unsetenv("WAYLAND_DISPLAY");
}

}  // namespace
}  // namespace gleaner
