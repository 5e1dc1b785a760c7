#include "engine/file_commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/writer.h"
#include "foundation/search_path.h"
#include "support/error_text.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::WriteFile;

// TEXT output into a temporary folder, where names without a folder are found.
class FileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    Eng().InternalCall = false;
    Eng().OutputType = FileType::Text;
    savedFolders_ = SearchFolders();
    SearchFolders() = {folder_.Path()};
    OpenOutput(File("out.txt"));
  }
  void TearDown() override {
    CloseOutput();
    SearchFolders() = savedFolders_;
  }
  std::string File(const std::string& name) const { return folder_.File(name); }

 private:
  testing::TempFolder folder_;
  std::vector<std::string> savedFolders_;
};

TEST_F(FileCommands, SetFromFileModes) {
  const std::string nul("ab\0cd", 5);
  const std::string breaks = "\r\nx\r\n\r\n";
  const struct {
    std::string contents, controls, result;
  } cases[] = {
      {nul, "Text", "ab"},
      {nul, "Binary", nul},
      {nul, "", "ab"},
      {nul, "Clean", nul},  // neither Text nor Binary: binary
      {std::string("ab\x1a") + "cd", "", "ab"},
      {breaks, "Text Clean", "x"},
      {breaks, "Text", breaks},
      {breaks, "Binary Clean", breaks},
      {"\n a\nb \r\n\x1a\n", "Text Clean", " a\nb "},
      {std::string(40000, 'a'), "Binary", std::string(32767, 'a')},
  };
  for (const auto& c : cases) {
    WriteFile(File("in.txt"), c.contents);
    std::string target = "old";
    EXPECT_TRUE(SetFromFile(target, "in.txt", c.controls)) << c.controls;
    EXPECT_EQ(target, c.result) << c.controls;
  }
}

TEST_F(FileCommands, SetFromFileFailures) {
  ASSERT_EQ(mkfifo(File("fifo").c_str(), 0600), 0);  // must not block
  ::mkdir(File("sub").c_str(), 0700);
  for (const std::string& name : {std::string("missing.txt"), File("fifo"), File("sub")}) {
    std::string target = "old";
    EXPECT_FALSE(SetFromFile(target, name, "Text")) << name;
    EXPECT_EQ(target, "") << name;
  }
  std::string target = "old";
  EXPECT_EQ(ErrorText([&] { SetFromFile(target, "x.txt", "Text Binary"); }),
            "Error in SetFromFile command\r\n\r\nFile must be either Text or Binary\r\n\r\n"
            "Parameters:\r\nParm1: 'x.txt'\r\nParm2: 'Text Binary'");
  EXPECT_EQ(target, "old");
}

TEST_F(FileCommands, OutrulerLinesReachFilesReadLater) {
  const std::string text(105, 'x');
  Outruler("abc");
  Outruler("a\tb\x01\x7f\xe9");  // only codes below 32 are shown as "^"
  Outruler("");
  Outruler(text);
  EXPECT_EQ(Eng().CurrentCommand, Cmd::Outruler);
  EXPECT_FALSE(Eng().InternalCall);
  std::string written;
  ASSERT_TRUE(SetFromFile(written, File("out.txt"), "Binary"));  // flushes the output first
  const std::string ruler100 =
      "----+----1----+----2----+----3----+----4----+----5----+----6----+----7----+----8----+----9----+----0";
  EXPECT_EQ(written, "---\r\nabc\r\n----+-\r\na^b^\x7f\xe9\r\n----+-- OutRuler Null --+----\r\n\r\n" +
                         ruler100 + "----+\r\n" + text + "\r\n");
}

TEST_F(FileCommands, ShowNoteUnderTheInternalCallMark) {
  Eng().CurrentCommand = Cmd::OutCSV;
  Eng().InternalCall = true;
  ShowNote("Step 2");
  Eng().InternalCall = false;
  EXPECT_EQ(Eng().Note, "Step 2");
  EXPECT_EQ(Eng().CurrentCommand, Cmd::OutCSV);
  ShowNote("");
  EXPECT_EQ(Eng().CurrentCommand, Cmd::ShowNote);
}

}  // namespace
}  // namespace gleaner
