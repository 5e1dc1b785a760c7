// Directory search: wildcard rules, attribute masks, order and result codes.
#include "platform/file_search.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::WriteFile;
using Names = std::vector<std::string>;

TEST(Wildcard, FollowsWindowsRules) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"A.TXT", "*.txt", true}, {"readme", "*.*", true}, {"readme", "*.txt", false}, {"a.txt", "?.txt", true},
      {".txt", "?.txt", false}, {"abc", "abc.*", true},  {"abcd", "abc.*", false},   {"abcbc", "*bc", true},
      {"abcbd", "*bc", false},  {"ab", "a*b*", true},    {".", "*", false},          {"..", "*.*", false},
  };
  for (const auto& [name, pattern, matches] : cases)
    EXPECT_EQ(MatchesWildcard(name, pattern), matches) << name << pattern;
}

class FileSearch : public ::testing::Test {
 protected:
  FileSearch() {
    for (const char* name : {"b.txt", "A.txt", "c.TXT", "d.log", ".hidden.txt"})
      WriteFile(dir_.File(name), "ccc");
    std::filesystem::create_directory(dir_.File("e.txt"));
    mkfifo(dir_.File("f.txt").c_str(), 0600);
  }
  Names Find(const std::string& pattern, std::uint32_t mask) {
    Names names;
    TSearchRec search;
    for (int r = FindFirst(dir_.File(pattern), mask, search); r == kFindOk; r = FindNext(search)) {
      names.push_back(search.Name);
    }
    EXPECT_EQ(FindNext(search), kFindNoMoreFiles);
    return names;
  }
  testing::TempFolder dir_;
};

TEST_F(FileSearch, SortsByNameIgnoringCaseAndNeverReturnsFifos) {
  EXPECT_EQ(Find("*.txt", 0), (Names{"A.txt", "b.txt", "c.TXT"}));
  EXPECT_EQ(Find("*.txt", kFaAnyFile & ~kFaDirectory), (Names{".hidden.txt", "A.txt", "b.txt", "c.TXT"}));
  EXPECT_EQ(Find("*.txt", kFaDirectory), (Names{"A.txt", "b.txt", "c.TXT", "e.txt"}));
  EXPECT_EQ(Find("*", 0), (Names{"A.txt", "b.txt", "c.TXT", "d.log"}));
  // A plain name is one entry, spelled as the file system spells it.
  EXPECT_EQ(Find("b.txt", 0), Names{"b.txt"});
  EXPECT_EQ(Find("B.TXT", 0), Names{});
  EXPECT_EQ(Find("f.txt", kFaAnyFile), Names{});
}

TEST_F(FileSearch, FoundEntryAndResultCodes) {
  TSearchRec search;
  ASSERT_EQ(FindFirst(dir_.File("e.*"), kFaDirectory, search), kFindOk);
  EXPECT_EQ(search.Attr & kFaDirectory, kFaDirectory);
  ASSERT_EQ(FindFirst(dir_.Path() + "x\\..\\c.*", 0, search), kFindPathNotFound);
  std::filesystem::create_directory(dir_.File("sub"));
  WriteFile(dir_.File("sub/c.dat"), "ccc");
  ASSERT_EQ(FindFirst(dir_.Path() + "sub\\c.*", 0, search), kFindOk);
  EXPECT_EQ(search.Size, 3);
  EXPECT_GT(search.Time, 1500000000);
  EXPECT_EQ(FindFirst(dir_.File("*.none"), kFaAnyFile, search), kFindFileNotFound);
  EXPECT_EQ(FindFirst(dir_.Path(), kFaAnyFile, search), kFindFileNotFound);
  EXPECT_TRUE(FileExists(dir_.Path() + "sub\\c.dat"));
  EXPECT_FALSE(FileExists(dir_.File("sub")));
}

}  // namespace
}  // namespace gleaner
