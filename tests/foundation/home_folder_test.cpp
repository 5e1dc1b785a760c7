// The home folder rule (build copy, installed copy, GLEANER_HOME), the user's
// data folder, and the installed copy's shipped files on the search path.
#include "foundation/home_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteFile;
using Names = std::vector<std::string>;

TEST(HomeFolderRule, ChoosesByHowTheProgramLives) {
  struct TCase {
    const char* Why;
    THomeFacts Facts;
    THomeChoice Choice;
  };
  const std::string data = "/home/u/.local/share/gleaner/";
  const TCase cases[] = {
      {"build folder", {"", "/src/build/bin/", false, "", "", "/home/u"}, {"/src/build/bin/", "", false}},
      {"read-only folder", {"", "/opt/g/", true, "", "", "/home/u"}, {data, "", true}},
      {"installed, even where the user may write (root, a prefix of one's own)",
       {"", "/usr/bin/", false, "/usr/share/gleaner/", "", "/root"},
       {"/root/.local/share/gleaner/", "/usr/share/gleaner/", true}},
      {"XDG_DATA_HOME", {"", "/usr/bin/", true, "/usr/share/gleaner/", "/x/data", "/home/u"},
       {"/x/data/gleaner/", "/usr/share/gleaner/", true}},
      {"GLEANER_HOME over everything", {"/work/", "/usr/bin/", true, "/usr/share/gleaner/", "/x", "/home/u"},
       {"/work/", "/usr/share/gleaner/", false}},
      {"GLEANER_HOME naming the shipped folder", {"/usr/share/gleaner/", "/usr/bin/", true, "/usr/share/gleaner/", "", ""},
       {"/usr/share/gleaner/", "", false}},
      {"no user folder known", {"", "/opt/g/", true, "", "", ""}, {"/opt/g/", "", false}},
  };
  for (const TCase& c : cases) {
    const THomeChoice choice = ChooseHomeFolder(c.Facts);
    EXPECT_EQ(choice.Home, c.Choice.Home) << c.Why;
    EXPECT_EQ(choice.Shipped, c.Choice.Shipped) << c.Why;
    EXPECT_EQ(choice.UserDataFolder, c.Choice.UserDataFolder) << c.Why;
  }
}

TEST(HomeFolderRule, UserDataFolderFollowsTheBaseDirectoryRules) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"/x/data", "/home/u", "/x/data/gleaner/"},
      {"/x/data/", "/home/u", "/x/data/gleaner/"},
      {"relative/data", "/home/u", "/home/u/.local/share/gleaner/"},  // ignored when relative
      {"", "/home/u/", "/home/u/.local/share/gleaner/"},
      {"", "", ""},
  };
  for (const auto& [dataHome, userHome, folder] : cases) EXPECT_EQ(UserDataFolder(dataHome, userHome), folder) << dataHome;
}

TEST(HomeFolderRule, ShippedFolderIsTheInstalledShareBesideTheProgram) {
  TempFolder prefix;
  fs::create_directories(prefix.File("bin"));
  EXPECT_EQ(ShippedFolderBeside(prefix.File("bin/")), "");
  fs::create_directories(prefix.File("share/gleaner"));
  EXPECT_EQ(ShippedFolderBeside(prefix.File("bin/")), prefix.File("share/gleaner/"));
  EXPECT_EQ(ShippedFolderBeside(""), "");
}

// An installed copy in a temporary prefix, with the user's folders in it too.
class InstalledCopy : public ::testing::Test {
 protected:
  InstalledCopy() {
    fs::create_directories(prefix_.File("bin"));
    fs::create_directories(prefix_.File("share/gleaner"));
    unsetenv("GLEANER_HOME");
    setenv("XDG_DATA_HOME", prefix_.File("user/data").c_str(), 1);
  }
  ~InstalledCopy() override {
    unsetenv("XDG_DATA_HOME");
    SetIniFileName("");
    InitHomeFolder("");
  }
  TempFolder prefix_;
};

TEST_F(InstalledCopy, StartCreatesThePrivateDataFolderAndSearchesTheShippedFiles) {
  InitHomeFolder(prefix_.File("bin/culler"));
  const std::string home = prefix_.File("user/data/gleaner/");
  EXPECT_EQ(HomeFolder(), home);
  EXPECT_EQ(ShippedFolder(), prefix_.File("share/gleaner/"));
  EXPECT_EQ(SearchFolders(), (Names{home, prefix_.File("share/gleaner/")}));
  struct stat info {};
  ASSERT_EQ(stat(home.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(HomeName("Culler-Log.txt"), home + "Culler-Log.txt");  // the program's own files
}

TEST_F(InstalledCopy, ShippedFileTakesTheUsersOwnCopyFirst) {
  InitHomeFolder(prefix_.File("bin/culler"));
  WriteFile(ShippedFolder() + "Help-A.txt", "shipped");
  WriteFile(ShippedFolder() + "Help-B.txt", "shipped");
  WriteFile(HomeFolder() + "Help-B.txt", "own");
  EXPECT_EQ(ShippedFile("Help-A.txt"), ShippedFolder() + "Help-A.txt");
  EXPECT_EQ(ShippedFile("Help-B.txt"), HomeFolder() + "Help-B.txt");
  EXPECT_EQ(ShippedFile("Help-C.txt"), HomeFolder() + "Help-C.txt");
  EXPECT_EQ(ShippedFile("Help-A.txt", "/elsewhere/"), ShippedFolder() + "Help-A.txt");
  std::string sample = "Help-A.txt";
  ASSERT_TRUE(LocateFile(sample, false, false));
  EXPECT_EQ(sample, ShippedFolder() + "Help-A.txt");
}

TEST_F(InstalledCopy, SavedSearchPathKeepsTheShippedFolderAfterHomeWithoutStoringIt) {
  InitHomeFolder(prefix_.File("bin/culler"));
  const std::string home = HomeFolder();
  const std::string shipped = ShippedFolder();
  SetIniFileName(home + "Test.ini");
  const std::pair<Names, Names> cases[] = {
      {{}, {home, shipped}},
      {{"/d1/", home, "/d2"}, {"/d1/", home, shipped, "/d2/"}},
      {{"/d1/", shipped, home}, {"/d1/", shipped, home}},
  };
  for (const auto& [saved, loaded] : cases) {
    SaveStringList("MySearchPath", saved);
    LoadSearchPath();
    EXPECT_EQ(SearchFolders(), loaded);
  }
  SearchFolders() = {"/d1/", home, shipped};
  SaveSearchPath();
  Names stored;
  LoadStringList("MySearchPath", stored);
  EXPECT_EQ(stored, (Names{"/d1/", home}));
}

}  // namespace
}  // namespace gleaner
