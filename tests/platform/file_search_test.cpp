// Directory search: wildcard rules, attribute masks, order, result codes.
#include "platform/file_search.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::TempFolder;
using testing::WriteFile;

TEST(Wildcard, FollowsWindowsRules) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"a.txt", "*.txt", true},     {"A.TXT", "*.txt", true},   {"readme", "*.*", true},
      {"readme", "*.txt", false},   {"a.txt", "?.txt", true},   {"ab.txt", "?.txt", false},
      {".txt", "?.txt", false},     {"abc", "abc.*", true},     {"abc.d", "abc.*", true},
      {"abcd", "abc.*", false},     {"a.b.c", "*.c", true},     {"abcbc", "*bc", true},
      {"abcbd", "*bc", false},      {"ab", "a*b*", true},       {"x", "*", true},
      {".", "*", false},            {"..", "*.*", false},       {"Data.TXT", "d*A.t?t", true},
      {"a.txt", "a.txt", true},     {"a.txt", "b.txt", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesWildcard(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
  }
}

class FileSearch : public ::testing::Test {
 protected:
  FileSearch() {
    WriteFile(dir_.File("b.txt"), "bb");
    WriteFile(dir_.File("A.txt"), "a");
    WriteFile(dir_.File("c.TXT"), "ccc");
    WriteFile(dir_.File("d.log"), "");
    WriteFile(dir_.File(".hidden.txt"), "");
    std::filesystem::create_directory(dir_.File("e.txt"));
    mkfifo(dir_.File("f.txt").c_str(), 0600);
  }
  // Every name a search finds, in order.
  std::vector<std::string> Names(const std::string& pattern, std::uint32_t mask) {
    std::vector<std::string> names;
    TSearchRec search;
    for (int r = FindFirst(pattern, mask, search); r == kFindOk; r = FindNext(search)) names.push_back(search.Name);
    EXPECT_EQ(FindNext(search), kFindNoMoreFiles);
    FindClose(search);
    return names;
  }
  TempFolder dir_;
};

TEST_F(FileSearch, SortsByNameIgnoringCaseAndMasksKinds) {
  using Names_ = std::vector<std::string>;
  EXPECT_EQ(Names(dir_.File("*.txt"), 0), (Names_{"A.txt", "b.txt", "c.TXT"}));
  EXPECT_EQ(Names(dir_.File("*.txt"), kFaAnyFile & ~kFaDirectory), (Names_{".hidden.txt", "A.txt", "b.txt", "c.TXT"}));
  EXPECT_EQ(Names(dir_.File("*.txt"), kFaDirectory), (Names_{"A.txt", "b.txt", "c.TXT", "e.txt"}));
  EXPECT_EQ(Names(dir_.File("*"), 0), (Names_{"A.txt", "b.txt", "c.TXT", "d.log"}));
}

TEST_F(FileSearch, ReportsSizeAttributesAndTime) {
  TSearchRec search;
  ASSERT_EQ(FindFirst(dir_.File("c.*"), 0, search), kFindOk);
  EXPECT_EQ(search.Name, "c.TXT");
  EXPECT_EQ(search.Size, 3);
  EXPECT_EQ(search.Attr & kFaDirectory, 0u);
  EXPECT_GT(search.Time, 1500000000);
  ASSERT_EQ(FindFirst(dir_.File("e.*"), kFaDirectory, search), kFindOk);
  EXPECT_EQ(search.Attr & kFaDirectory, kFaDirectory);
}

TEST_F(FileSearch, PlainNamesMatchExactly) {
  TSearchRec search;
  EXPECT_EQ(FindFirst(dir_.File("b.txt"), 0, search), kFindOk);
  EXPECT_EQ(search.Name, "b.txt");
  EXPECT_EQ(FindNext(search), kFindNoMoreFiles);
  EXPECT_EQ(FindFirst(dir_.File("B.TXT"), 0, search), kFindFileNotFound);
  EXPECT_EQ(FindFirst(dir_.File("e.txt"), 0, search), kFindFileNotFound);
  EXPECT_EQ(FindFirst(dir_.File("f.txt"), kFaAnyFile, search), kFindFileNotFound);
}

TEST_F(FileSearch, ResultCodes) {
  TSearchRec search;
  EXPECT_EQ(FindFirst(dir_.File("*.none"), kFaAnyFile, search), kFindFileNotFound);
  EXPECT_EQ(FindFirst(dir_.File("missing/*.txt"), kFaAnyFile, search), kFindPathNotFound);
  EXPECT_EQ(FindFirst(dir_.Path(), kFaAnyFile, search), kFindFileNotFound);
}

TEST_F(FileSearch, BackslashesSeparateFolders) {
  std::filesystem::create_directory(dir_.File("sub"));
  WriteFile(dir_.File("sub/x.txt"), "x");
  TSearchRec search;
  ASSERT_EQ(FindFirst(dir_.File("sub\\*.txt"), 0, search), kFindOk);
  EXPECT_EQ(search.Name, "x.txt");
  EXPECT_TRUE(FileExists(dir_.File("sub\\x.txt")));
  EXPECT_TRUE(DirectoryExists(dir_.File("sub\\")));
  EXPECT_FALSE(FileExists(dir_.File("sub")));
  EXPECT_EQ(SystemName("a\\b/c"), "a/b/c");
}

}  // namespace
}  // namespace gleaner
