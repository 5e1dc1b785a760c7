#include "foundation/settings_store.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include <sys/stat.h>

#include "foundation/ini_file.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::FakePorts;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

// A settings file of its own for each test.
class Settings : public ::testing::Test {
 protected:
  void SetUp() override { SetIniFileName(folder_.File("Test.ini")); }
  void TearDown() override { SetIniFileName(""); }
  void Given(const std::string& text) { WriteFile(IniFileName(), text); }
  std::string Stored(std::string_view section, std::string_view key) {
    return IniReadValue(IniFileName(), section, key).value_or("<missing>");
  }

  TempFolder folder_;
};

TEST_F(Settings, MissingFileAndKeysGiveDefaults) {
  EXPECT_EQ(ReadText("Key", "dflt"), "dflt");
  EXPECT_EQ(ReadInt("Key", 42), 42);
  EXPECT_TRUE(ReadBool("Key", true));
  EXPECT_EQ(ReadTextIn("Window", "Key", "w"), "w");
  SetIniFileName("");
  WriteText("Key", "lost");  // no file named yet: nothing happens
  EXPECT_EQ(ReadText("Key", "dflt"), "dflt");
}

TEST_F(Settings, IntegerAndBooleanRules) {
  Given(
      "[Settings]\r\nWord=abc\r\nPlus=+7\r\nBig=2147483648\r\nBlank= 5\r\nEmpty=\r\n"
      "Lower=y\r\nYes=Y\r\nYesWord=Yes\r\n");
  EXPECT_EQ(ReadInt("Word", 9), 0);
  EXPECT_EQ(ReadInt("Plus", 9), 7);
  EXPECT_EQ(ReadInt("Big", 9), 0);
  EXPECT_EQ(ReadInt("Blank", 9), 0);
  EXPECT_EQ(ReadInt("Empty", 9), 9);
  EXPECT_FALSE(ReadBool("Lower", true));
  EXPECT_TRUE(ReadBool("Yes", false));
  EXPECT_FALSE(ReadBool("YesWord", true));
  EXPECT_TRUE(ReadBool("Empty", true));
  EXPECT_EQ(ReadText("Empty", "dflt"), "");
}

TEST_F(Settings, WritesEncodingsAndReturnsToDefaultSection) {
  WriteInt("Int", -5);
  WriteBool("On", true);
  WriteBool("Off", false);
  WriteCheckState("Checked", TCheckState::Checked);
  WriteCheckState("Grayed", TCheckState::Grayed);
  WriteTextIn("Other", "Text", "line\r\nbreak");
  EXPECT_EQ(IniSection(), "Settings");
  EXPECT_EQ(ReadFile(IniFileName()),
            "[Settings]\r\nInt=-5\r\nOn=Y\r\nOff=N\r\nChecked=Y\r\nGrayed=N\r\n\r\n[Other]\r\nText=line  "
            "break\r\n");
  EXPECT_EQ(ReadTextIn("other", "TEXT", ""), "line  break");
  EXPECT_EQ(ReadInt("int", 0), -5);
}

class FakeWindow : public IPlaceableWindow {
 public:
  FakeWindow(bool resizable, int width, int height) : resizable_(resizable), width_(width), height_(height) {}
  std::string Name() const override { return "frmTest"; }
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Resizable() const override { return resizable_; }
  void SetBounds(int left, int top, int width, int height) override {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
  }
  int ScreenWidth() const override { return 1000; }
  int ScreenHeight() const override { return 800; }
  void SetRedraw(bool) override {}

 private:
  bool resizable_;
  int left_ = 1, top_ = 1, width_, height_;
};

std::array<int, 4> Bounds(const IPlaceableWindow& w) { return {w.Left(), w.Top(), w.Width(), w.Height()}; }

TEST_F(Settings, RestoresWindowPlacement) {
  struct Case {
    const char* stored;
    bool resizable;
    int left, top, width, height;
  };
  const Case cases[] = {
      {"", false, 400, 300, 200, 200},                                         // centred by default
      {"frmTest.Left=-20\r\nfrmTest.Top=10\r\n", false, 400, 300, 200, 200},   // off screen: centred
      {"frmTest.Left=-15\r\nfrmTest.Top=610\r\n", false, -15, 610, 200, 200},  // just inside
      {"frmTest.Left=2147483647\r\nfrmTest.Top=0\r\n", false, 400, 300, 200, 200},
      {"frmTest.Left=-20\r\nfrmTest.Top=10\r\nfrmTest.Width=300\r\nfrmTest.Height=100\r\n", true, -20, 10,
       300, 100},
      {"frmTest.Width=0\r\nfrmTest.Height=-4\r\n", true, 400, 300, 200, 200},  // damaged sizes ignored
  };
  for (const Case& c : cases) {
    Given(std::string("[Window]\r\n") + c.stored);
    FakeWindow form(c.resizable, 200, 200);
    RestoreWindow(form);
    EXPECT_EQ(Bounds(form), (std::array{c.left, c.top, c.width, c.height})) << c.stored;
    EXPECT_EQ(IniSection(), "Settings");
  }
  // A fixed frame wider than the screen is centred at 0, not at a negative place.
  FakeWindow wide(false, 1200, 900);
  RestoreWindow(wide, "Wide");
  EXPECT_EQ(Bounds(wide), (std::array{0, 0, 1200, 900}));
}

TEST_F(Settings, SavesWindowPlacement) {
  FakeWindow fixed(false, 200, 100);
  fixed.SetBounds(5, 6, 200, 100);
  SaveWindow(fixed);
  FakeWindow sizable(true, 300, 150);
  SaveWindow(sizable, "Help");
  EXPECT_EQ(ReadFile(IniFileName()),
            "[Window]\r\nfrmTest.Left=5\r\nfrmTest.Top=6\r\nHelp.Left=1\r\nHelp.Top=1\r\nHelp.Width=300\r\n"
            "Help.Height=150\r\n");
}

class FakeBox : public IHistoryBox {
 public:
  explicit FakeBox(int dropDownCount) : count_(dropDownCount) {}
  std::string Name() const override { return "cboInput"; }
  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
  std::vector<std::string>& Items() override { return items; }
  int DropDownCount() const override { return count_; }
  std::string text;
  std::vector<std::string> items;

 private:
  int count_;
};

TEST_F(Settings, ComboHistory) {
  struct Case {
    std::vector<std::string> items;
    const char* boxText;
    const char* text;
    bool ignoreCase;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{"b", "a"}, "", "a", false, {"a", "b"}},
      {{"b", "a"}, "a", "z", false, {"a", "b"}},  // the box's own text wins
      {{"b", "a"}, "c", "", false, {"c", "b", "a"}},
      {{"b", "a"}, "B", "", true, {"b", "a"}},  // found first: nothing
      {{"b", "a"}, "A", "", true, {"A", "b"}},
      {{"b", "a"}, "A", "", false, {"A", "b", "a"}},
      {{"b", "a"}, "", "", false, {"b", "a"}},
      {{"a", "b", "c"}, "d", "", false, {"d", "a", "b"}},  // trimmed to three
  };
  for (const Case& c : cases) {
    FakeBox box(3);
    box.items = c.items;
    box.text = c.boxText;
    UpdateComboHistory(box, c.text, c.ignoreCase);
    EXPECT_EQ(box.items, c.expected) << c.boxText << "/" << c.text;
  }
}

TEST_F(Settings, ComboBoxRoundTrip) {
  FakeBox saved(2);
  saved.items = {"one", "two", "three"};
  saved.text = "typed";
  SaveComboBox(saved);
  EXPECT_EQ(Stored("Settings", "cboInput.3"), "<missing>");
  WriteText("cboInput.1", "");  // empty entries are skipped on loading
  FakeBox loaded(8);
  loaded.items = {"stale"};
  LoadComboBox(loaded, "dflt", 8);
  EXPECT_EQ(loaded.items, std::vector<std::string>{"two"});
  EXPECT_EQ(loaded.text, "typed");
  SetIniFileName(folder_.File("Other.ini"));
  LoadComboBox(loaded, "dflt", 8);
  EXPECT_TRUE(loaded.items.empty());
  EXPECT_EQ(loaded.text, "dflt");
}

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> list;
  for (int i = 0; i < count; ++i) list.push_back("item " + std::to_string(i));
  return list;
}

TEST_F(Settings, StringListRoundTripAndEndMarker) {
  FakePorts ports;
  const std::vector<std::string> list{"C:\\first\\", "", "two\r\nlines"};
  SaveStringList("Paths", list);
  EXPECT_EQ(Stored("StringLists", "Paths.3"),
            "[(\x97\x97"
            "END\x97\x97"
            ")]");
  std::vector<std::string> loaded{"stale"};
  LoadStringList("Paths", loaded);
  EXPECT_EQ(loaded, (std::vector<std::string>{"C:\\first\\", "", "two  lines"}));
  EXPECT_TRUE(ports.notice.texts.empty());
  EXPECT_EQ(IniSection(), "Settings");
  LoadStringList("Unknown", loaded);
  EXPECT_TRUE(loaded.empty());
}

TEST_F(Settings, ShorterListHidesOldKeys) {
  SaveStringList("L", Numbered(10));
  SaveStringList("L", Numbered(3));
  EXPECT_EQ(Stored("StringLists", "L.9"), "item 9");
  std::vector<std::string> loaded;
  LoadStringList("L", loaded);
  EXPECT_EQ(loaded, Numbered(3));
}

TEST_F(Settings, LongListsWarnAndLoadAtMost501) {
  FakePorts ports;
  SetNoticeCaption("Culler");
  SaveStringList("L", Numbered(450));
  EXPECT_TRUE(ports.notice.texts.empty());
  SaveStringList("L", Numbered(460));
  ASSERT_EQ(ports.notice.texts.size(), 1u);
  EXPECT_EQ(ports.notice.captions[0], "Culler");
  EXPECT_EQ(ports.notice.texts[0], "Warning: TStringList L exceeds 450 items\r\nWill truncate at 500  ");
  EXPECT_EQ(Stored("StringLists", "L.459"), "item 459");
  std::vector<std::string> loaded;
  LoadStringList("L", loaded);
  EXPECT_EQ(loaded, Numbered(460));
  SaveStringList("L", Numbered(600));
  LoadStringList("L", loaded);
  EXPECT_EQ(loaded, Numbered(501));
}

TEST_F(Settings, ABatchReadsOnceAndWritesOnceAtItsEnd) {
  Given("; kept\r\n[Settings]\r\nOld=1\r\n");
  {
    TSettingsBatch outer;
    WriteText("A", "1");
    {
      TSettingsBatch inner;  // joins the outer batch
      WriteInt("B", 2);
    }
    EXPECT_EQ(Stored("Settings", "A"), "<missing>");  // nothing on disk yet
    Given("[Settings]\r\nOld=changed behind our back\r\n");
    EXPECT_EQ(ReadText("A", ""), "1");  // reads see the batch's own text
    EXPECT_EQ(ReadText("Old", ""), "1");
  }
  EXPECT_EQ(ReadFile(IniFileName()), "; kept\r\n[Settings]\r\nOld=1\r\nA=1\r\nB=2\r\n");
  {
    TSettingsBatch discarded;
    WriteText("A", "lost");
    discarded.Discard();
  }
  EXPECT_EQ(Stored("Settings", "A"), "1");
  EXPECT_EQ(LastSaveError(), "");
}

std::uintmax_t Inode(const std::string& name) {
  struct stat status {};
  return stat(name.c_str(), &status) == 0 ? status.st_ino : 0;
}

// A batch that leaves every value as it was keeps the very file (a save
// replaces the file by a new one, so its inode would change).
TEST_F(Settings, ABatchThatChangesNothingKeepsTheFile) {
  const std::string text = "; kept\r\n[Settings]\r\nA=1\r\nB=2\r\n";
  Given(text);
  const std::uintmax_t inode = Inode(IniFileName());
  ASSERT_NE(inode, 0u);
  {
    TSettingsBatch batch;
    WriteText("A", "1");
    WriteInt("B", 2);
  }
  EXPECT_EQ(Inode(IniFileName()), inode);
  EXPECT_EQ(ReadFile(IniFileName()), text);
  {
    TSettingsBatch batch;
    WriteText("A", "3");
  }
  EXPECT_NE(Inode(IniFileName()), inode);
  EXPECT_EQ(Stored("Settings", "A"), "3");
}

TEST_F(Settings, AFailedSaveIsToldOnceAndKeepsTheBatchText) {
  FakePorts ports;
  SetNoticeCaption("Culler");
  std::filesystem::create_directory(IniFileName());
  for (int attempt = 0; attempt < 2; ++attempt) {
    TSettingsBatch batch;
    WriteText("X", "/cat");
    EXPECT_EQ(ReadText("X", ""), "/cat");
  }
  EXPECT_EQ(LastSaveError(), "Is a directory");
  ASSERT_EQ(ports.notice.texts.size(), 1u);
  EXPECT_EQ(ports.notice.texts[0], "The settings could not be saved in " + IniFileName() + ": Is a directory  ");
  EXPECT_TRUE(std::filesystem::is_directory(IniFileName()));
}

TEST(OpenTextForReading, GuardsAndReasons) {
  TempFolder folder;
  WriteFile(folder.File("a.txt"), "line\r\n");
  std::filesystem::create_directory(folder.File("dir"));
  std::ifstream file;
  bool isOpen = false;
  EXPECT_FALSE(OpenTextForReading(file, folder.File("none.txt"), isOpen, true));
  EXPECT_EQ(LastFileError(), "No such file or directory");
  EXPECT_FALSE(OpenTextForReading(file, folder.File("dir"), isOpen, true));
  EXPECT_EQ(LastFileError(), "Is a directory");
  EXPECT_FALSE(isOpen);
  ASSERT_TRUE(OpenTextForReading(file, folder.File("a.txt"), isOpen, false));
  EXPECT_TRUE(isOpen);
  std::string line;
  EXPECT_TRUE(std::getline(file, line));
  EXPECT_EQ(line, "line\r");
  EXPECT_FALSE(OpenTextForReading(file, "x.txt", isOpen, true));
  EXPECT_EQ(LastFileError(), "File x.txt is already open");
}

}  // namespace
}  // namespace gleaner
