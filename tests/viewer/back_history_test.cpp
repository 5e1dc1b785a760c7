#include "viewer/back_history.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TEST(BackHistory, KeepsTheLatestFiftyPositions) {
  TBackHistory history;
  for (int i = 0; i < 60; ++i) history.Push({i, i * 10, 3});
  EXPECT_EQ(history.Count(), 50);
  for (int i = 59; i >= 10; --i) {
    const auto position = history.Pop();
    ASSERT_TRUE(position);
    EXPECT_EQ(position->FirstVisibleLine, i);
    EXPECT_EQ(position->Caret, i * 10);
    EXPECT_EQ(position->SelectionLength, 0);
  }
  EXPECT_FALSE(history.Pop());
}

}  // namespace
}  // namespace gleaner
