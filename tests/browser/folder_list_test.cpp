#include "browser/folder_list.h"

#include <gtest/gtest.h>

#include "engine/engine_state.h"

namespace gleaner {
namespace {

constexpr const char* kHome = "/opt/kestra/";

class FolderListTest : public ::testing::Test {
 protected:
  void SetUp() override { Eng().InternalCall = false; }
};

TEST_F(FolderListTest, NormalisesTheDValue) {
  struct {
    const char* value;
    const char* expected;
  } const cases[] = {
      // The same folder twice: slashes, drive case, trailing and doubled separators.
      {"c:/Docs/Help;;C:\\Docs\\Help\\", "C:/Docs/Help/\r/opt/kestra/\r"},
      {";;/srv//help;/srv/help/;", "/srv/help/\r/opt/kestra/\r"},
      {"/srv/a\\\\\\b", "/srv/a/b/\r/opt/kestra/\r"},
      // The home folder stays where it was named, and only once.
      {"/opt/kestra;/srv", "/opt/kestra/\r/srv/\r"},
      // Entries are compared whole: a subfolder of home does not stand for home.
      {"/opt/kestra/docs", "/opt/kestra/docs/\r/opt/kestra/\r"},
      {"/data/docs;/docs", "/data/docs/\r/docs/\r/opt/kestra/\r"},
      // Letter case of folders matters; only the drive letter is raised.
      {"d:/A;d:/a", "D:/A/\rD:/a/\r/opt/kestra/\r"},
      // Nothing named: the home folder alone, never the root folder.
      {"", "/opt/kestra/\r"},
      {";;;", "/opt/kestra/\r"},
      {"/", "/\r/opt/kestra/\r"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseFolderList(c.value, kHome), c.expected) << c.value;
}

TEST_F(FolderListTest, EntriesSkipEmptyOnes) {
  EXPECT_EQ(FolderEntries("/a/\r\r/b/\r"), (std::vector<std::string>{"/a/", "/b/"}));
  EXPECT_EQ(FolderEntries("\r/a/"), std::vector<std::string>{"/a/"});
  EXPECT_TRUE(FolderEntries("").empty());
  std::string list = "/a/\r/b/\r";
  EXPECT_EQ(CutFolder(list), "/a/");
  EXPECT_EQ(list, "/b/\r");
}

}  // namespace
}  // namespace gleaner
