#include "foundation/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

TEST(IniText, ReadsNamesWithoutCaseAndValuesVerbatim) {
  const TIniText ini(
      "top=outside\r\n"
      "[Main]\n"
      "; key=comment\r"
      "  Name = two = parts  \r\n"
      "Empty=\r\n"
      "[ main ]\r\n"
      "Name=second section\r\n"
      "[Other]\r\n"
      "Last=no line end");
  EXPECT_EQ(ini.Read("MAIN", "name"), " two = parts  ");
  EXPECT_EQ(ini.Read("main", "EMPTY"), "");
  EXPECT_EQ(ini.Read("Other", "last"), "no line end");
  EXPECT_EQ(ini.Read("Main", "top"), std::nullopt);
  EXPECT_EQ(ini.Read("Main", "; key"), std::nullopt);
  EXPECT_EQ(ini.Read("Main", "Last"), std::nullopt);
  EXPECT_EQ(ini.Read("Missing", "Name"), std::nullopt);
}

TEST(IniText, WriteKeepsEveryOtherByte) {
  struct Case {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      // value replaced in place; the key's spelling and other line ends stay
      {"; note\n[S]\nA=1\n B =2\n", "s", "b", "new", "; note\n[S]\nA=1\n B =new\n"},
      // added after the section's last line, before the blank separator
      {"[S]\r\nA=1\r\n\r\n[T]\r\nX=1\r\n", "S", "B", "2", "[S]\r\nA=1\r\nB=2\r\n\r\n[T]\r\nX=1\r\n"},
      // section at the end without a line end
      {"[S]\r\nA=1", "S", "B", "2", "[S]\r\nA=1\r\nB=2\r\n"},
      {"[S]", "S", "B", "2", "[S]\r\nB=2\r\n"},
      // new section after a blank line
      {"[S]\r\nA=1", "T", "B", "2", "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n"},
      {"", "T", "B", "2", "[T]\r\nB=2\r\n"},
      // line breaks inside a value become blanks
      {"", "T", "B", "x\r\ny\nz\r", "[T]\r\nB=x  y z \r\n"},
  };
  for (const Case& c : cases) {
    TIniText ini(c.before);
    ini.Write(c.section, c.key, c.value);
    EXPECT_EQ(ini.Text(), c.after) << c.before;
  }
}

TEST(IniText, WriteThenReadRoundTrip) {
  TIniText ini;
  ini.Write("A", "k", "first");
  ini.Write("B", "k", "second");
  ini.Write("a", "K", "third");
  EXPECT_EQ(ini.Read("A", "k"), "third");
  EXPECT_EQ(ini.Read("B", "k"), "second");
  EXPECT_EQ(ini.Text(), "[A]\r\nk=third\r\n\r\n[B]\r\nk=second\r\n");
}

TEST(IniText, ValuesChangedInPlaceKeepTheLinesAfterThemInReach) {
  TIniText ini("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
  ini.Write("A", "x", "a much longer value");
  ini.Write("A", "y", "");
  EXPECT_EQ(ini.Read("B", "z"), "3");
  ini.Write("B", "z", "4");
  ini.Write("A", "new", "5");  // a new line after the changed ones
  EXPECT_EQ(ini.Read("A", "y"), "");
  EXPECT_EQ(ini.Read("B", "z"), "4");
  EXPECT_EQ(ini.Text(), "[A]\r\nx=a much longer value\r\ny=\r\nnew=5\r\n[B]\r\nz=4\r\n");
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreatedOnWrite) {
  TempFolder folder;
  const std::string name = folder.File("s.ini");
  EXPECT_EQ(IniReadValue(name, "S", "K"), std::nullopt);
  ASSERT_TRUE(IniWriteValue(name, "S", "K", "v"));
  EXPECT_EQ(ReadFile(name), "[S]\r\nK=v\r\n");
  EXPECT_EQ(IniReadValue(name, "s", "k"), "v");
}

TEST(IniFile, ReplacesAtomicallyWithoutLeftovers) {
  TempFolder folder;
  const std::string name = folder.File("s.ini");
  WriteFile(name, "# mine\n[S]\nK=old\n");
  fs::permissions(name, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(IniWriteValues(name, "S", {{"K", "new"}, {"L", "2"}}));
  EXPECT_EQ(ReadFile(name), "# mine\n[S]\nK=new\nL=2\r\n");
  EXPECT_EQ(fs::status(name).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(IniFile, WritesThroughALink) {
  TempFolder folder;
  WriteFile(folder.File("real.ini"), "[S]\r\nK=1\r\n");
  fs::create_symlink(folder.File("real.ini"), folder.File("link.ini"));
  ASSERT_TRUE(IniWriteValue(folder.File("link.ini"), "S", "K", "2"));
  EXPECT_TRUE(fs::is_symlink(folder.File("link.ini")));
  EXPECT_EQ(ReadFile(folder.File("real.ini")), "[S]\r\nK=2\r\n");
}

TEST(IniFile, FailedWritesChangeNothing) {
  TempFolder folder;
  EXPECT_FALSE(IniWriteValue(folder.File("no/such/folder.ini"), "S", "K", "v"));
  EXPECT_FALSE(FileExists(folder.File("no")));
  EXPECT_FALSE(IniWriteValue("", "S", "K", "v"));
  // A name that cannot be read as a file is never replaced by one.
  fs::create_directory(folder.File("dir.ini"));
  EXPECT_FALSE(IniWriteValue(folder.File("dir.ini"), "S", "K", "v"));
  EXPECT_TRUE(fs::is_directory(folder.File("dir.ini")));
  EXPECT_EQ(IniReadValue(folder.File("dir.ini"), "S", "K"), std::nullopt);
}

}  // namespace
}  // namespace gleaner
