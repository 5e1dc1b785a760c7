#include "browser/title_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "engine/engine_state.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::TempFolder;
using testing::WriteFile;

class TitleListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Eng().InternalCall = false;
    std::filesystem::create_directory(folder.File("one"));
    std::filesystem::create_directory(folder.File("two"));
    WriteFile(folder.File("one/Help-b.txt"), "<H1>Zeta</H1>");
    WriteFile(folder.File("one/Help-a.txt"), "<H1>beta</H1>");
    WriteFile(folder.File("one/Other.txt"), "<H1>Not listed</H1>");
    WriteFile(folder.File("two/help-c.TXT"), "<H1>Alpha</H1>");
    list = folder.File("one/") + "\r" + folder.File("two/") + "\r";
  }
  static std::string Titles(const std::vector<TListInfo>& entries) {
    std::string titles;
    for (const TListInfo& entry : entries) titles += entry.Title + ";";
    return titles;
  }
  TempFolder folder;
  std::string list;
};

TEST_F(TitleListTest, FolderOrderOrSortedByTitle) {
  const auto byFolder = BuildTitleList(list, "Help-*.txt", true, TListOrder::ByFolder);
  EXPECT_EQ(Titles(byFolder), "beta;Zeta;Alpha;");
  EXPECT_EQ(byFolder[0].Path, folder.File("one/Help-a.txt"));
  EXPECT_EQ(Titles(BuildTitleList(list, "Help-*.txt", true, TListOrder::ByName)), "Alpha;beta;Zeta;");
  EXPECT_EQ(Titles(BuildTitleList(list, "Help-*.txt", false, TListOrder::ByName)),
            "Help-a.txt;Help-b.txt;help-c.TXT;");
}

TEST_F(TitleListTest, OnlyRegularFilesAreListed) {
  std::filesystem::create_directory(folder.File("one/Help-dir.txt"));
  ASSERT_EQ(mkfifo(folder.File("one/Help-fifo.txt").c_str(), 0600), 0);
  EXPECT_EQ(Titles(BuildTitleList(list, "Help-*.txt", true, TListOrder::ByFolder)), "beta;Zeta;Alpha;");
}

TEST_F(TitleListTest, NothingFound) {
  EXPECT_TRUE(BuildTitleList(list, "None-*.txt", true, TListOrder::ByName).empty());
  EXPECT_TRUE(BuildTitleList(folder.File("missing/") + "\r", "Help-*.txt", true, TListOrder::ByName).empty());
}

TEST_F(TitleListTest, WildcardWithAFolder) {
  const auto entries = BuildTitleList(folder.Path() + "\r", "two/Help-*.txt", true, TListOrder::ByName);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Path, folder.File("two/help-c.TXT"));
  EXPECT_EQ(entries[0].Title, "Alpha");
}

}  // namespace
}  // namespace gleaner
