// Home folder, name expansion and location along the search path, the
// multi-specification walk, and the saved search path.
#include "foundation/search_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "foundation/settings_store.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::TempFolder;
using testing::WriteFile;

class SearchPath : public ::testing::Test {
 protected:
  SearchPath() {
    setenv("GLEANER_HOME", home_.Path().c_str(), 1);
    InitHomeFolder("");
    std::filesystem::create_directory(home_.File("D1"));
    std::filesystem::create_directory(home_.File("D2"));
  }
  ~SearchPath() override { unsetenv("GLEANER_HOME"); }
  void UseFolders() { SearchFolders() = {home_.File("D1/"), home_.File("D2\\"), HomeFolder()}; }
  std::vector<std::string> Walk(const std::string& spec) {
    std::vector<std::string> names;
    TSearchStack search;
    for (int r = FindFirstMulti(spec, 0, search); r == 0; r = FindNextMulti(search)) names.push_back(FoundName(search));
    FindCloseMulti(search);
    return names;
  }
  TempFolder home_;
};

TEST_F(SearchPath, HomeFolderComesFromTheEnvironmentOrTheProgram) {
  EXPECT_EQ(HomeFolder(), home_.Path());
  EXPECT_EQ(SearchFolders(), std::vector<std::string>{home_.Path()});
  setenv("GLEANER_HOME", "", 1);
  InitHomeFolder("/opt/gleaner/bin/culler");
  EXPECT_EQ(HomeFolder(), "/opt/gleaner/bin/");
  const std::string cwd = std::filesystem::current_path().string();
  setenv("GLEANER_HOME", "relative/home", 1);
  InitHomeFolder("/opt/gleaner/bin/culler");
  EXPECT_EQ(HomeFolder(), cwd + "/relative/home/");
}

TEST_F(SearchPath, ExpandName) {
  const std::pair<std::string, std::string> cases[] = {
      {"a.txt", home_.Path() + "a.txt"},
      {"C:a.txt", "C:a.txt"},
      {"sub\\a.txt", "sub\\a.txt"},
      {"sub/a.txt", "sub/a.txt"},
      {"/abs/a.txt", "/abs/a.txt"},
      {"12:30 notes.txt", home_.Path() + "12:30 notes.txt"},
      {"", ""},
  };
  for (const auto& [name, expanded] : cases) EXPECT_EQ(ExpandName(name), expanded) << name;
  EXPECT_EQ(FolderPart("C:a.txt"), "C:");
  EXPECT_EQ(FolderPart("C:\\x\\a.txt"), "C:\\x\\");
  EXPECT_EQ(FolderPart("12:30 notes.txt"), "");
}

TEST_F(SearchPath, LocateFileTakesTheFirstFolderThatHoldsTheName) {
  UseFolders();
  WriteFile(home_.File("D2/x.txt"), "d2");
  WriteFile(home_.File("x.txt"), "home");
  WriteFile(home_.File("only-home.txt"), "home");
  std::string name = "x.txt;comment";
  EXPECT_TRUE(LocateFile(name, false, false));
  EXPECT_EQ(name, home_.File("D2\\x.txt"));
  name = "only-home.txt";
  EXPECT_TRUE(LocateFile(name, false, false));
  EXPECT_EQ(name, home_.File("only-home.txt"));
  name = "missing.txt;x";
  EXPECT_FALSE(LocateFile(name, false, false));
  EXPECT_EQ(name, "missing.txt");
  name = "D1";  // a folder is not a file
  EXPECT_FALSE(LocateFile(name, false, false));
}

TEST_F(SearchPath, LocateFileNoneAndNamesWithFolders) {
  std::string name = "None";
  EXPECT_TRUE(LocateFile(name, true, true));
  EXPECT_FALSE(LocateFile(name, true, false));
  EXPECT_FALSE(LocateFile(name, false, true));
  name = "";
  EXPECT_FALSE(LocateFile(name, true, true));
  WriteFile(home_.File("D1/y.txt"), "");
  name = home_.File("D1/y.txt");
  EXPECT_TRUE(LocateFile(name, false, false));
  name = home_.File("D2/y.txt");
  EXPECT_FALSE(LocateFile(name, false, false));
}

TEST_F(SearchPath, ResolveName) {
  UseFolders();
  WriteFile(home_.File("D2/a1.dat"), "");
  WriteFile(home_.File("b.dat"), "");
  EXPECT_EQ(ResolveName("a?.dat;rest"), home_.File("D2\\a?.dat"));
  EXPECT_EQ(ResolveName("*.dat"), home_.File("D2\\*.dat"));
  EXPECT_EQ(ResolveName("b.dat"), home_.File("b.dat"));
  EXPECT_EQ(ResolveName("none*.q"), "");
  EXPECT_EQ(ResolveName("None"), "");
  EXPECT_EQ(ResolveName(""), "");
  EXPECT_EQ(ResolveName("sub/nothing.txt"), "sub/nothing.txt");
}

TEST_F(SearchPath, WalkSkipsSpecificationsWithoutMatches) {
  UseFolders();
  WriteFile(home_.File("D1/b.txt"), "");
  WriteFile(home_.File("D1/a.txt"), "");
  WriteFile(home_.File("c.txt"), "");
  WriteFile(home_.File("d.dat"), "");
  const std::vector<std::string> expected = {home_.File("D1/a.txt"), home_.File("D1/b.txt"), home_.File("d.dat"),
                                             home_.File("c.txt")};
  EXPECT_EQ(Walk("none*.q;*.txt;;missing.dat;d.dat;" + home_.File("c.txt")), expected);
  EXPECT_TRUE(Walk(home_.File("D2/*.txt")).empty());
}

TEST_F(SearchPath, WalkResultCodes) {
  TSearchStack search;
  EXPECT_EQ(FindFirstMulti("none*.q;nothing.txt", 0, search), 999999);
  EXPECT_EQ(FindFirstMulti(home_.File("none*.q"), 0, search), kFindFileNotFound);
  WriteFile(home_.File("a.txt"), "");
  EXPECT_EQ(FindFirstMulti("a.txt", 0, search), 0);
  EXPECT_EQ(FoundName(search), home_.File("a.txt"));
  EXPECT_EQ(FindNextMulti(search), kFindNoMoreFiles);
}

TEST_F(SearchPath, LoadAndSaveKeepTheHomeFolder) {
  SetIniFileName(home_.File("Test.ini"));
  SaveStringList("MySearchPath", {home_.File("D1"), home_.File("D2/")});
  LoadSearchPath();
  EXPECT_EQ(SearchFolders(), (std::vector<std::string>{home_.File("D1/"), home_.File("D2/"), home_.Path()}));
  SaveSearchPath();
  SearchFolders().clear();
  LoadSearchPath();
  EXPECT_EQ(SearchFolders().size(), 3u);
  SaveStringList("MySearchPath", {});
  LoadSearchPath();
  EXPECT_EQ(SearchFolders(), std::vector<std::string>{home_.Path()});
  SaveStringList("MySearchPath", {home_.Path(), home_.File("D1/")});
  LoadSearchPath();
  EXPECT_EQ(SearchFolders(), (std::vector<std::string>{home_.Path(), home_.File("D1/")}));
  SetIniFileName("");
}

}  // namespace
}  // namespace gleaner
