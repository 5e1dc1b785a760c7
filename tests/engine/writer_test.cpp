// The output writer: backup and append rules, record ends and byte counts,
// "None" and clipboard output, buffering, and write failures.
#include "engine/writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/io_fixture.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

using testing::FileExists;
using testing::IoTest;
using testing::ReadFile;
using testing::WriteFile;

class Writer : public IoTest {
 protected:
  // Opens spec, writes one OutEnd of values, closes; the file's bytes.
  std::string WriteRecord(const std::string& spec, std::vector<std::string_view> values) {
    OpenOutput(spec);
    OutEnd(values);
    CloseOutput();
    return ReadFile(SystemName(Eng().ActualOFN));
  }
};

TEST(BackupName, DotOfTheFileNameOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"Out.txt", "Out.bak"},         {"Readme", "Readme.bak"},         {"a.b.c", "a.b.bak"},
      {"dir.x/Out", "dir.x/Out.bak"}, {"C:\\my.dir\\Out", "C:\\my.dir\\Out.bak"}, {"/p/.profile", "/p/.bak"},
  };
  for (const auto& [name, backup] : cases) EXPECT_EQ(BackupName(name), backup) << name;
}

TEST_F(Writer, KeepsOneOlderGeneration) {
  WriteFile(Home("Out.txt"), "current");
  WriteFile(Home("Out.bak"), "older");
  EXPECT_EQ(WriteRecord("Out.txt", {"new"}), "new\r\n");
  EXPECT_EQ(ReadFile(Home("Out.bak")), "current");
  EXPECT_EQ(Eng().AppendingOutput, "N");
  WriteFile(Home("Readme"), "text");
  WriteRecord("Readme", {});
  EXPECT_EQ(ReadFile(Home("Readme.bak")), "text");
  std::filesystem::create_directory(Home("my.dir"));
  WriteFile(Home("my.dir/Out"), "in folder");
  WriteRecord(Home("my.dir\\Out"), {});
  EXPECT_EQ(ReadFile(Home("my.dir/Out.bak")), "in folder");
  EXPECT_FALSE(FileExists(Home("my.bak")));
}

TEST_F(Writer, BackupFailureIsAFileProblem) {
  WriteFile(Home("Out.txt"), "current");
  std::filesystem::create_directory(Home("Out.bak"));
  WriteFile(Home("Out.bak/keep"), "");
  EXPECT_EQ(ErrorOf([this] { OpenOutput(Home("Out.txt")); }),
            "Could not rename " + Home("Out.txt") + " to " + Home("Out.bak") + "\r\n\r\nIs a directory");
  EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
  EXPECT_EQ(ReadFile(Home("Out.txt")), "current");
}

TEST_F(Writer, AppendRules) {
  struct Case {
    FileType type;
    std::string before;
    std::string after;
  };
  const Case cases[] = {
      {FileType::Text, "old\x1a", "oldnew\r\n"},
      {FileType::Text, "old\r\n", "old\r\nnew\r\n"},
      {FileType::TextLF, "\x1a", "new\n"},
      {FileType::Text, "", "new\r\n"},
      {FileType::Binary, "old\x1a", std::string("old\x1anew\0", 8)},
  };
  for (const Case& c : cases) {
    WriteFile(Home("App.txt"), c.before);
    Eng().OutputType = c.type;
    EXPECT_EQ(WriteRecord("+App.txt", {"new"}), c.after) << c.before;
    EXPECT_FALSE(FileExists(Home("App.bak")));
    EXPECT_EQ(Eng().AppendingOutput, "Y");
  }
  std::filesystem::remove(Home("App.txt"));
  EXPECT_EQ(WriteRecord("+App.txt", {"new"}), std::string("new\0", 4));
}

TEST_F(Writer, RecordEndsAndCounts) {
  struct Case {
    FileType type;
    std::string bytes;
  };
  const Case cases[] = {{FileType::Text, "abc12\r\n"},
                        {FileType::TextLF, "abc12\n"},
                        {FileType::TextCR, "abc12\r"},
                        {FileType::Binary, std::string("abc12\0", 6)}};
  for (const Case& c : cases) {
    Eng().OutputType = c.type;
    Eng().BytesOut = 0;
    EXPECT_EQ(WriteRecord("Out.txt", {"abc", "", "12"}), c.bytes);
    EXPECT_EQ(Eng().BytesOut, static_cast<std::int64_t>(c.bytes.size()));
    EXPECT_EQ(Eng().BytesOutCount, std::to_string(c.bytes.size()));
    EXPECT_EQ(Eng().CurrentCommand, Cmd::OutEnd);
  }
}

TEST_F(Writer, OutputOutNullAndTheInternalCallMark) {
  Eng().OutputType = FileType::TextLF;
  OpenOutput("Out.txt");
  const std::string_view values[] = {"x", "y"};
  Output(values);
  EXPECT_EQ(Eng().CurrentCommand, Cmd::Output);
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
  EXPECT_EQ(Eng().BytesOutCount, "5");
}

TEST_F(Writer, NoneWritesNothing) {
  OpenOutput("NONE");
  EXPECT_EQ(Eng().ActualOFN, "None");
  OutEnd("abc");
  OutNull();
  WriteOutputBytes("raw");
  EXPECT_EQ(Eng().BytesOutCount, "0");
  EXPECT_FALSE(OutputIsOpen());
}

TEST_F(Writer, DefaultOutputName) {
  const std::pair<std::string, std::string> cases[] = {
      {"*.txt", Home("ParseOut.txt")}, {"", Home("ParseOut.txt")}, {"a;b", Home("ParseOut.txt")},
      {"+", Home("ParseOut.txt")},     {"Clipboard", Home("Clipboard-Out.txt")}, {"none", "None"},
      {"+sub/x.txt", "sub/x.txt"},
  };
  for (const auto& [spec, name] : cases) EXPECT_EQ(OutputNameFor(spec), name) << spec;
  EngineInfo().CfgDefaultOFN = "Def.txt";
  EXPECT_EQ(OutputNameFor(""), Home("Def.txt"));
  OpenOutput("");
  EXPECT_TRUE(FileExists(Home("Def.txt")));
  CloseOutput();
}

TEST_F(Writer, FlushPutsEveryByteInTheFile) {
  OpenOutput("Out.txt");
  const std::string large(200000, 'L');
  std::string expected;
  for (int i = 0; i < 50; ++i) {
    const std::string small(i * 37 % 3000, static_cast<char>('a' + i % 26));
    WriteOutputBytes(small);
    expected += small;
    if (i % 10 == 0) {
      WriteOutputBytes(large);
      expected += large;
    }
  }
  FlushOutput();
  EXPECT_EQ(ReadFile(Home("Out.txt")), expected);
  EXPECT_EQ(Eng().BytesOut, static_cast<std::int64_t>(expected.size()));
  CloseOutput();
}

TEST_F(Writer, ClipboardGetsTheTextBeforeTheFirstZero) {
  Eng().OutputType = FileType::Binary;
  OpenOutput("clipboard");
  EXPECT_EQ(Eng().ClipboardOutput, "Y");
  OutEnd("first");
  OutEnd("second");
  CloseOutput();
  CopyOutputToClipboard();
  EXPECT_EQ(ports_.clipboard.text, "first");
  std::filesystem::remove(Home("Clipboard-Out.txt"));
  EXPECT_EQ(ErrorOf([] { CopyOutputToClipboard(); }),
            "Could not re-open clipboard temporary file\r\n\r\nNo such file or directory");
}

TEST_F(Writer, FailuresAreFileProblems) {
  EXPECT_EQ(ErrorOf([this] { OpenOutput(Home("missing/Out.txt")); }),
            "Could not create " + Home("missing/Out.txt") + "\r\n\r\nNo such file or directory");
  EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
  OpenOutput("/dev/full");
  OutEnd("lost");
  EXPECT_EQ(ErrorOf([] { FlushOutput(); }), "Could not write to /dev/full\r\n\r\nNo space left on device");
  EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
  EXPECT_EQ(ErrorOf([] { CloseOutput(); }), "");  // reported once
  EXPECT_FALSE(OutputIsOpen());
  OpenOutput("/dev/full");
  EXPECT_EQ(ErrorOf([] { WriteOutputBytes(std::string(100000, 'x')); }),
            "Could not write to /dev/full\r\n\r\nNo space left on device");
}

}  // namespace
}  // namespace gleaner
