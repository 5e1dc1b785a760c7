// Home folder, name expansion and location along the search path, the walk
// over a list of specifications, and the saved search path.
#include "foundation/search_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "foundation/settings_store.h"
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

TEST_F(SearchPath, ExpandName) {
  const std::pair<std::string, std::string> cases[] = {
      {"a.txt", home_.File("a.txt")},
      {"C:a.txt", "C:a.txt"},
      {"sub\\a.txt", "sub\\a.txt"},
      {"sub/a.txt", "sub/a.txt"},
      {"12:30 notes.txt", home_.File("12:30 notes.txt")},
      {"", ""},
  };
  for (const auto& [name, expanded] : cases) EXPECT_EQ(ExpandName(name), expanded) << name;
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
