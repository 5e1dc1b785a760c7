#include "platform/ports.h"

#include <gtest/gtest.h>

#include "support/fake_ports.h"

namespace gleaner {
namespace {

TEST(Ports, FakesReplaceTheConsolePortsAndAreRemovedAgain) {
  IClipboard* console = Ports().Clipboard;
  {
    testing::FakePorts fakes;
    fakes.clipboard.text = "abc";
    EXPECT_EQ(Ports().Clipboard->ReadText(), "abc");
  }
  EXPECT_EQ(Ports().Clipboard, console);
  EXPECT_EQ(Ports().Clipboard->ReadText(), "");
}

}  // namespace
}  // namespace gleaner
