#include "platform/home_lock.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

// Two locks in one process conflict as two processes' do: each holds its own open file.
TEST(HomeLock, ASecondHolderWaitsSayingOnceForWhom) {
  testing::TempFolder home;
  const std::string file = home.File("Culler.lock");
  THomeLock first;
  ASSERT_TRUE(first.Acquire(file, [](long) { FAIL() << "nobody held it"; }, [] { return true; }));
  EXPECT_EQ(testing::ReadFile(file), std::to_string(getpid()) + "\n");
  std::vector<long> told;
  int tries = 0;
  THomeLock second;
  const auto giveUpAtThree = [&] { return ++tries < 3; };
  EXPECT_FALSE(second.Acquire(file, [&](long holder) { told.push_back(holder); }, giveUpAtThree));
  EXPECT_FALSE(second.Held());
  EXPECT_EQ(told, std::vector<long>{getpid()});
  const auto releaseThenWait = [&] {
    first.Release();
    return true;
  };
  EXPECT_TRUE(second.Acquire(file, [](long) {}, releaseThenWait));
  EXPECT_TRUE(second.Held());
}

}  // namespace
}  // namespace gleaner
