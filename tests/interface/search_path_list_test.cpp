#include "interface/search_path_list.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

using TItems = std::vector<std::string>;

void ExpectButtons(const TSearchPathList& list, bool up, bool down, bool add, bool drop) {
  const TSearchPathButtons buttons = list.Buttons();
  EXPECT_EQ(buttons.MoveUp, up);
  EXPECT_EQ(buttons.MoveDown, down);
  EXPECT_EQ(buttons.Add, add);
  EXPECT_EQ(buttons.Drop, drop);
}

TEST(SearchPathList, ShowsFoldersWithoutTrailingSeparatorAndStartsWithHome) {
  const TSearchPathList list({"/data/docs/", "C:\\old\\", "/", "/home/app/"}, "/home/app/");
  EXPECT_EQ(list.Items(), (TItems{"/data/docs", "C:/old", "/", "/home/app"}));
  EXPECT_EQ(list.Selected(), 0);
  EXPECT_EQ(list.Result(), (TItems{"/data/docs/", "C:/old/", "/", "/home/app/"}));
  const TSearchPathList empty({}, "/home/app/");
  EXPECT_EQ(empty.Items(), TItems{"/home/app"});
  ExpectButtons(empty, false, false, true, false);  // the home folder alone: nothing to move or drop
}

TEST(SearchPathList, MovesKeepTheSelection) {
  TSearchPathList list({"/a/", "/b/", "/home/app/"}, "/home/app/");
  ExpectButtons(list, false, true, true, true);
  list.MoveDown();
  EXPECT_EQ(list.Items(), (TItems{"/b", "/a", "/home/app"}));
  EXPECT_EQ(list.Selected(), 1);
  list.MoveDown();
  EXPECT_EQ(list.Selected(), 2);
  ExpectButtons(list, true, false, true, true);
  list.MoveDown();  // already last
  EXPECT_EQ(list.Items(), (TItems{"/b", "/home/app", "/a"}));
  list.MoveUp();
  list.MoveUp();
  list.MoveUp();  // already first
  EXPECT_EQ(list.Items(), (TItems{"/a", "/b", "/home/app"}));
  EXPECT_EQ(list.Selected(), 0);
}

TEST(SearchPathList, DropKeepsTheHomeFolder) {
  TSearchPathList list({"/a/", "/home/app/", "/b/"}, "/home/app/");
  list.Select(1);
  ExpectButtons(list, true, true, true, false);
  list.Drop();
  EXPECT_EQ(list.Items(), (TItems{"/a", "/home/app", "/b"}));
  list.Select(2);
  list.Drop();  // the last entry: the selection moves to the new last
  EXPECT_EQ(list.Items(), (TItems{"/a", "/home/app"}));
  EXPECT_EQ(list.Selected(), 1);
  list.Select(7);
  EXPECT_EQ(list.Selected(), -1);
  ExpectButtons(list, false, false, true, false);
}

TEST(SearchPathList, AdditionsRefuseDuplicatesAndStopAtOneHundred) {
  TSearchPathList list({"/home/app/"}, "/home/app/");
  EXPECT_EQ(list.Add("/data/"), std::nullopt);
  EXPECT_EQ(list.Selected(), 1);
  EXPECT_EQ(list.Add("/data"), "/data  \r\nis already on the list");
  EXPECT_EQ(list.Add("\\home\\app"), "/home/app  \r\nis already on the list");
  // A subfolder is a folder of its own.
  EXPECT_EQ(list.Add("/data/sub"), std::nullopt);
  for (int i = 3; i < 100; ++i) ASSERT_EQ(list.Add("/f" + std::to_string(i)), std::nullopt);
  EXPECT_EQ(list.Items().size(), 100u);
  EXPECT_FALSE(list.Buttons().Add);
  EXPECT_EQ(list.Add("/one-more"), "The search path holds 100 folders, the most it can hold");
  EXPECT_EQ(list.Items().size(), 100u);
  list.Drop();
  EXPECT_TRUE(list.Buttons().Add);
}

}  // namespace
}  // namespace gleaner
