// Home folder, name expansion and location along the search path, the walk
// over a list of specifications, and the saved search path.
#include "foundation/search_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "foundation/settings_store.h"
#include "support/current_folder_scope.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::WriteFile;
using Names = std::vector<std::string>;

class SearchPath : public ::testing::Test {
 protected:
  SearchPath() {
    setenv("GLEANER_HOME", home_.Path().c_str(), 1);
    InitHomeFolder("");
    std::filesystem::create_directory(home_.File("D1"));
    std::filesystem::create_directory(home_.File("D2"));
    SearchFolders() = {home_.File("D1/"), home_.File("D2\\"), HomeFolder()};
  }
  ~SearchPath() override { unsetenv("GLEANER_HOME"); }
  Names Walk(const std::string& spec) {
    Names names;
    TSearchStack search;
    for (int r = FindFirstMulti(spec, 0, search); r == 0; r = FindNextMulti(search))
      names.push_back(FoundName(search));
    return names;
  }
  testing::TempFolder home_;
  testing::TempFolder work_;  // the current folder, as a shell's
  testing::CurrentFolderScope inWork_{work_.Path()};
};

TEST_F(SearchPath, HomeFolderComesFromTheEnvironmentOrTheProgram) {
  EXPECT_EQ(HomeFolder(), home_.Path());
  setenv("GLEANER_HOME", "", 1);
  InitHomeFolder("/opt/gleaner/bin/culler");
  EXPECT_EQ(HomeFolder(), "/opt/gleaner/bin/");
  EXPECT_EQ(SearchFolders(), Names{"/opt/gleaner/bin/"});
  setenv("GLEANER_HOME", "relative/home", 1);
  InitHomeFolder("/opt/gleaner/bin/culler");
  EXPECT_EQ(HomeFolder(), std::filesystem::current_path().string() + "/relative/home/");
}

// The user's names mean the current folder; the program's own files the home folder.
TEST_F(SearchPath, ExpandNameAndHomeName) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"a.txt", work_.File("a.txt"), home_.File("a.txt")},
      {"C:a.txt", "C:a.txt", "C:a.txt"},
      {"sub\\a.txt", "sub\\a.txt", "sub\\a.txt"},
      {"sub/a.txt", "sub/a.txt", "sub/a.txt"},
      {"12:30 notes.txt", work_.File("12:30 notes.txt"), home_.File("12:30 notes.txt")},
      {"", "", ""},
  };
  for (const auto& [name, expanded, inHome] : cases) {
    EXPECT_EQ(ExpandName(name), expanded) << name;
    EXPECT_EQ(HomeName(name), inHome) << name;
  }
}

TEST_F(SearchPath, LocateFileTakesTheFirstFolderThatHoldsTheName) {
  WriteFile(home_.File("D2/x.txt"), "");
  WriteFile(home_.File("x.txt"), "");
  const std::tuple<std::string, bool, std::string> cases[] = {
      {"x.txt;comment", true, home_.File("D2\\x.txt")},
      {"missing.txt;x", false, "missing.txt"},
      {"D1", false, "D1"},  // a folder is not a file
      {home_.File("D1/x.txt"), false, home_.File("D1/x.txt")},
      {home_.File("D2/x.txt"), true, home_.File("D2/x.txt")},
      {"", false, ""},
  };
  for (auto [name, found, result] : cases) {
    EXPECT_EQ(LocateFile(name, false, false), found) << result;
    EXPECT_EQ(name, result);
  }
  WriteFile(work_.File("x.txt"), "");
  std::string here = "x.txt";
  EXPECT_TRUE(LocateFile(here, false, false));
  EXPECT_EQ(here, work_.File("x.txt"));  // the current folder comes first
  std::string none = "None";
  EXPECT_TRUE(LocateFile(none, true, true));
  EXPECT_FALSE(LocateFile(none, true, false));
}

TEST_F(SearchPath, ResolveName) {
  WriteFile(home_.File("D2/a1.dat"), "");
  WriteFile(home_.File("b.dat"), "");
  const std::pair<std::string, std::string> cases[] = {
      {"a?.dat;rest", home_.File("D2\\a?.dat")},
      {"b.dat", home_.File("b.dat")},
      {"none*.q", ""},
      {"None", ""},
      {"sub/nothing.txt", "sub/nothing.txt"},
  };
  for (const auto& [name, resolved] : cases) EXPECT_EQ(ResolveName(name), resolved) << name;
  WriteFile(work_.File("a2.dat"), "");
  EXPECT_EQ(ResolveName("a?.dat"), work_.File("a?.dat"));
}

// A console run names the folders tried after the message about a missing name.
TEST_F(SearchPath, AMissRemembersTheFoldersTriedUntilTheNextFind) {
  std::string missing = "missing.txt";
  EXPECT_FALSE(LocateFile(missing, false, false));
  const Names tried = {work_.Path(), home_.File("D1/"), home_.File("D2\\"), home_.Path()};
  EXPECT_EQ(LastLookupMiss().Name, "missing.txt");
  EXPECT_EQ(LastLookupMiss().Folders, tried);
  EXPECT_EQ(LookupFolders(), tried);
  WriteFile(home_.File("b.dat"), "");
  EXPECT_EQ(ResolveName("b.dat"), home_.File("b.dat"));
  EXPECT_EQ(LastLookupMiss().Name, "");
  SearchFolders().push_back(work_.Path());  // listed once, where it comes first
  EXPECT_EQ(LookupFolders(), tried);
}

TEST_F(SearchPath, WalkSkipsSpecificationsWithoutMatches) {
  for (const char* name : {"D1/b.txt", "D1/a.txt", "c.txt", "d.dat"}) WriteFile(home_.File(name), "");
  EXPECT_EQ(
      Walk("none*.q;*.txt;;missing.dat;d.dat;" + home_.File("c.txt")),
      (Names{home_.File("D1/a.txt"), home_.File("D1/b.txt"), home_.File("d.dat"), home_.File("c.txt")}));
  TSearchStack search;
  EXPECT_EQ(FindFirstMulti("none*.q;nothing.txt", 0, search), 999999);
}

TEST_F(SearchPath, LoadedListGetsTheHomeFolder) {
  SetIniFileName(home_.File("Test.ini"));
  const std::pair<Names, Names> cases[] = {
      {{home_.File("D1"), home_.File("D2/")}, {home_.File("D1/"), home_.File("D2/"), home_.Path()}},
      {{}, {home_.Path()}},
      {{home_.Path(), home_.File("D1/")}, {home_.Path(), home_.File("D1/")}},
  };
  for (const auto& [saved, loaded] : cases) {
    SaveStringList("MySearchPath", saved);
    LoadSearchPath();
    EXPECT_EQ(SearchFolders(), loaded);
  }
  SaveSearchPath();
  SearchFolders().clear();
  LoadSearchPath();
  EXPECT_EQ(SearchFolders(), (Names{home_.Path(), home_.File("D1/")}));
  SetIniFileName("");
}

}  // namespace
}  // namespace gleaner
