#include "platform/shell_port.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempFolder;

// The started program runs on its own; wait a little for what it writes.
bool WaitForFile(const std::string& name) {
  for (int i = 0; i < 200 && !FileExists(name); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return FileExists(name);
}

TEST(ConsoleShellPort, StartsAProgramWithArgumentsInItsFolder) {
  TempFolder folder;
  ConsoleShellPort shell;
  std::string error;
  ASSERT_TRUE(shell.StartProgram("/bin/sh", {"-c", "pwd > \"$0\"", "out put.txt"}, folder.Path(), error))
      << error;
  ASSERT_TRUE(WaitForFile(folder.File("out put.txt")));
  EXPECT_EQ(ReadFile(folder.File("out put.txt")), folder.Path().substr(0, folder.Path().size() - 1) + "\n");
}

TEST(ConsoleShellPort, ReportsWhyAProgramDidNotStart) {
  TempFolder folder;
  ConsoleShellPort shell;
  std::string error;
  EXPECT_FALSE(shell.StartProgram(folder.File("missing"), {}, folder.Path(), error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(shell.StartProgram("/bin/sh", {}, folder.File("no folder/"), error));
  EXPECT_EQ(error,
            "cannot use the working folder " + folder.File("no folder/") + ": No such file or directory");
  // Never looked up along PATH: a bare name is not found.
  EXPECT_FALSE(shell.StartProgram("sh", {"-c", "true"}, folder.Path(), error));
}

}  // namespace
}  // namespace gleaner
