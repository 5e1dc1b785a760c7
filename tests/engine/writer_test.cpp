// The output writer: backup and append rules, record ends and byte counts,
// "None" and clipboard output, buffering, and write failures.
#include "engine/writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_errors.h"
#include "engine/io_fixture.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::WriteFile;

class Writer : public testing::IoTest {
 protected:
  // Opens spec, writes one OutEnd of values, closes; the file's bytes.
  static std::string WriteRecord(const std::string& spec, std::vector<std::string_view> values) {
    OpenOutput(spec);
    OutEnd(values);
    CloseOutput();
    return ReadFile(SystemName(Eng().ActualOFN));
  }
};

TEST(BackupName, DotOfTheFileNameOnly) {
  const std::pair<const char*, const char*> cases[] = {{"Out.txt", "Out.bak"},
                                                       {"Readme", "Readme.bak"},
                                                       {"a.b.c", "a.b.bak"},
                                                       {"C:\\my.dir\\Out", "C:\\my.dir\\Out.bak"}};
  for (const auto& [name, backup] : cases) EXPECT_EQ(BackupName(name), backup) << name;
}

TEST_F(Writer, KeepsOneOlderGeneration) {
  WriteFile(Home("Out.txt"), "current");
  WriteFile(Home("Out.bak"), "older");
  EXPECT_EQ(WriteRecord("Out.txt", {"new"}), "new\r\n");
  EXPECT_EQ(ReadFile(Home("Out.bak")), "current");
  std::filesystem::create_directory(Home("my.dir"));
  WriteFile(Home("my.dir/Out"), "in folder");
  WriteRecord(Home("my.dir\\Out"), {});
  EXPECT_EQ(ReadFile(Home("my.dir/Out.bak")), "in folder");
  // A backup that cannot be made leaves the file alone.
  std::filesystem::remove(Home("Out.bak"));
  std::filesystem::create_directories(Home("Out.bak/keep"));
  EXPECT_EQ(ErrorOf([this] { OpenOutput(Home("Out.txt")); }),
            "Could not rename " + Home("Out.txt") + " to " + Home("Out.bak") + "\r\n\r\nIs a directory");
  EXPECT_EQ(ReadFile(Home("Out.txt")), "new\r\n");
}

TEST_F(Writer, AppendOverwritesTheFinalCtrlZOfTextOnly) {
  const std::tuple<FileType, std::string, std::string> cases[] = {
      {FileType::Text, "old\x1a", "oldnew\r\n"},
      {FileType::TextLF, "old\n", "old\nnew\n"},
      {FileType::Text, "", "new\r\n"},
      {FileType::Binary, "old\x1a", std::string("old\x1anew\0", 8)},
  };
  for (const auto& [type, before, after] : cases) {
    WriteFile(Home("App.txt"), before);
    Eng().OutputType = type;
    EXPECT_EQ(WriteRecord("+App.txt", {"new"}), after) << before;
    EXPECT_EQ(Eng().AppendingOutput, "Y");
  }
  EXPECT_FALSE(FileExists(Home("App.bak")));
  std::filesystem::remove(Home("App.txt"));
  EXPECT_EQ(WriteRecord("+App.txt", {"new"}), std::string("new\0", 4));
}

TEST_F(Writer, RecordEndsAndCounts) {
  const std::pair<FileType, std::string> cases[] = {{FileType::Text, "abc12\r\n"},
                                                    {FileType::TextLF, "abc12\n"},
                                                    {FileType::TextCR, "abc12\r"},
                                                    {FileType::Binary, std::string("abc12\0", 6)}};
  for (const auto& [type, bytes] : cases) {
    Eng().OutputType = type;
    Eng().BytesOut = 1000;
    EXPECT_EQ(WriteRecord("Out.txt", {"abc", "", "12"}), bytes);
    EXPECT_EQ(Eng().BytesOutCount, std::to_string(1000 + bytes.size()));
  }
}

TEST_F(Writer, OutputOutNullAndTheInternalCallMark) {
  Eng().OutputType = FileType::TextLF;
  OpenOutput("Out.txt");
  const std::string_view values[] = {"x", "y"};
  Output(values);
  OutNull();
  EXPECT_EQ(Eng().CurrentCommand, Cmd::OutNull);
  EXPECT_FALSE(Eng().InternalCall);
  Eng().CurrentCommand = Cmd::OutCSV;
  SetInternalCallMark(true);
  OutEnd("z");
  SetInternalCallMark(false);
  EXPECT_EQ(Eng().CurrentCommand, Cmd::OutCSV);
  CloseOutput();
  EXPECT_EQ(ReadFile(Home("Out.txt")), "xy\nz\n");
  OpenOutput("NONE");
  EXPECT_EQ(Eng().ActualOFN, "None");
  OutEnd("abc");
  WriteOutputBytes("raw");
  EXPECT_EQ(Eng().BytesOutCount, "5");
}

TEST_F(Writer, DefaultOutputName) {
  const std::pair<std::string, std::string> cases[] = {
      {"*.txt", Home("ParseOut.txt")},          {"", Home("ParseOut.txt")},  {"+", Home("ParseOut.txt")},
      {"Clipboard", Home("Clipboard-Out.txt")}, {"+sub/x.txt", "sub/x.txt"},
  };
  for (const auto& [spec, name] : cases) EXPECT_EQ(OutputNameFor(spec), name) << spec;
  EngineInfo().CfgDefaultOFN = "Def.txt";
  EXPECT_EQ(OutputNameFor(""), Home("Def.txt"));
}

TEST_F(Writer, FlushPutsEveryByteInTheFile) {
  OpenOutput("Out.txt");
  std::string expected;
  for (int i = 0; i < 50; ++i) {
    const std::string bytes(i % 10 == 0 ? 200000 : i * 37 % 3000, static_cast<char>('a' + i % 26));
    WriteOutputBytes(bytes);
    expected += bytes;
  }
  FlushOutput();
  EXPECT_EQ(ReadFile(Home("Out.txt")), expected);
}

TEST_F(Writer, ClipboardGetsTheTextBeforeTheFirstZero) {
  Eng().OutputType = FileType::Binary;
  WriteRecord("clipboard", {"first"});
  OpenOutput("+clipboard");
  OutEnd("second");
  CloseOutput();
  CopyOutputToClipboard();
  EXPECT_EQ(ports_.clipboard.text, "first");
  std::filesystem::remove(Home("Clipboard-Out.txt"));
  EXPECT_EQ(ErrorOf([] { CopyOutputToClipboard(); }),
            "Could not re-open clipboard temporary file\r\n\r\nNo such file or directory");
}

TEST_F(Writer, FailuresAreFileProblemsReportedOnce) {
  EXPECT_EQ(ErrorOf([this] { OpenOutput(Home("missing/Out.txt")); }),
            "Could not create " + Home("missing/Out.txt") + "\r\n\r\nNo such file or directory");
  OpenOutput("/dev/full");
  OutEnd("lost");
  EXPECT_EQ(ErrorOf([] { FlushOutput(); }), "Could not write to /dev/full\r\n\r\nNo space left on device");
  EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
  EXPECT_EQ(ErrorOf([] { CloseOutput(); }), "");
  OpenOutput("/dev/full");
  EXPECT_EQ(ErrorOf([] { WriteOutputBytes(std::string(1 << 20, 'x')); }),
            "Could not write to /dev/full\r\n\r\nNo space left on device");
}

}  // namespace
}  // namespace gleaner
