// The run lifecycle: self-tests, resets, file types, wildcard walks that skip
// the run's own files, cancel, closing after errors and clipboard output.
#include "engine/lifecycle.h"

#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/io_fixture.h"
#include "engine/process_log.h"
#include "engine/reader.h"
#include "engine/writer.h"

namespace gleaner {
namespace {

using testing::FileExists;
using testing::IoTest;
using testing::ReadFile;
using testing::WriteFile;
using Records = std::vector<std::string>;

using Lifecycle = IoTest;

TEST_F(Lifecycle, CopiesInputToOutput) {
  WriteFile(Home("in.txt"), "one\r\ntwo\r\n");
  EXPECT_EQ(CopyRun("in.txt", "out.txt"), (Records{"one", "two"}));
  EXPECT_EQ(ReadFile(Home("out.txt")), "one\r\ntwo\r\n");
  EXPECT_EQ(Eng().BytesOutCount, "10");
  EXPECT_FALSE(Eng().EngineOpen);
  EXPECT_EQ(GivenInputSpec(), "in.txt");
  EXPECT_EQ(GivenOutputSpec(), "out.txt");
  EXPECT_GE(ports_.pump.calls, 3);
}

TEST_F(Lifecycle, OpenResetsTheRunState) {
  WriteFile(Home("in.txt"), "");
  Eng().ErrorOccurred = true;
  Eng().BytesOut = 99;
  Eng().ScriptPhase = "Compiling";
  Eng().CurrentCommand = Cmd::Parse;
  Eng().TestModeOn = true;
  Eng().Csv.QuoteChar = "'";
  Eng().Csv.DefaultSeparator = ";";
  Eng().Csv.MaxWidth = "9";
  Eng().Csv.QuotedMinWidth = "3";
  OpenEngine("in.txt", "out.txt");
  EXPECT_FALSE(Eng().ErrorOccurred);
  EXPECT_EQ(Eng().BytesOutCount, "0");
  EXPECT_EQ(Eng().ScriptPhase, "");
  EXPECT_EQ(Eng().CurrentCommand, Cmd::Undetermined);
  EXPECT_EQ(Eng().TestMode, "Y");
  EXPECT_EQ(Eng().Csv.QuoteChar, "\"");
  EXPECT_EQ(Eng().Csv.DefaultSeparator, ",");
  EXPECT_EQ(Eng().Csv.MaxWidth + Eng().Csv.QuotedMinWidth, "");
  EXPECT_EQ(Eng().StepName, "After Open Engine");
  EXPECT_EQ(Eng().ErrorKind, kErrSuccess);
  EXPECT_FALSE(Eng().CancelRequested);
  EXPECT_TRUE(Eng().EngineOpen);
  EXPECT_TRUE(Eng().EndOfInput);
  EXPECT_TRUE(ports_.notice.texts.empty());
  Eng().Csv.FirstField = false;
  Eng().Csv.Separator = "|";
  BeginRun(false);
  EXPECT_TRUE(Eng().Csv.FirstField);
  EXPECT_EQ(Eng().Csv.Separator, ",");
  EXPECT_FALSE(LogIsOpen());
}

TEST_F(Lifecycle, EmptyVersionIsReportedAndTheRunStillOpens) {
  EngineInfo().CfgVersion.clear();
  OpenEngine("None", "None");
  ASSERT_EQ(ports_.notice.texts, Records{"Parse engine self-test error VPV"});
  EXPECT_EQ(ports_.notice.captions[0], "Gleaner Engine 4.50.02");
  EXPECT_TRUE(Eng().EngineOpen);
}

TEST_F(Lifecycle, FileTypeFailures) {
  struct Case {
    const char* input;
    const char* output;
    std::int32_t recordLength;
    const char* message;
  };
  const Case cases[] = {
      {"XML", "TEXT", 0, "Unknown input file format\r\n\r\nXML"},
      {"text", "", 0, "Unknown output file format\r\n\r\n"},
      {"Binary", "TEXT", 0, "Binary input needs a record length of 1 or more\r\n\r\nThe record length is 0"},
      {"BINARY", "TEXT", -2, "Binary input needs a record length of 1 or more\r\n\r\nThe record length is -2"},
  };
  for (const Case& c : cases) {
    EngineInfo().CfgInputFileType = c.input;
    EngineInfo().CfgOutputFileType = c.output;
    EngineInfo().CfgRecLen = c.recordLength;
    EXPECT_EQ(ErrorOf([] { OpenEngine("None", "out.txt"); }), c.message);
    EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
    EXPECT_EQ(Eng().StepName, "Open Parsing Engine (Specifications)");
    EXPECT_TRUE(Eng().CancelRequested);
    EXPECT_FALSE(FileExists(Home("out.txt")));
  }
}

TEST_F(Lifecycle, WildcardInputSkipsTheRunsOwnFiles) {
  for (const char* name : {"Culler-Error.txt", "Culler-Log.txt", "Out.txt", "x.txt", "y.txt"}) {
    WriteFile(Home(name), std::string(name) + "\r\n");
  }
  BeginRun(true);
  EXPECT_EQ(CopyRun("*.txt", "Out.txt"), (Records{"x.txt", "y.txt"}));
  EXPECT_EQ(ReadFile(Home("Out.txt")), "x.txt\r\ny.txt\r\n");
  EXPECT_EQ(ReadFile(Home("Out.bak")), "Out.txt\r\n");
}

TEST_F(Lifecycle, FirstMatchSkipsTheLogBeforeItIsNamed) {
  WriteFile(Home("Culler-Log.txt"), "old log\r\n");
  WriteFile(Home("data.txt"), "data\r\n");
  EXPECT_EQ(CopyRun("*.txt", "None"), Records{"data"});
  EXPECT_EQ(EngineInfo().CfgLogFileName, "");
}

TEST_F(Lifecycle, ListOfNames) {
  WriteFile(Home("a.txt"), "a\r\n");
  WriteFile(Home("b.txt"), "b\r\n");
  EXPECT_EQ(CopyRun("a.txt;b.txt", "out.dat"), (Records{"a", "b"}));
  EXPECT_EQ(WildcardSpec(), "a.txt;b.txt");
  EXPECT_EQ(ErrorOf([] { OpenEngine("c.txt;d.txt", "out.dat"); }),
            "Cannot find any input files matching c.txt;d.txt\r\n\r\nError code = 999999");
  EXPECT_EQ(ErrorOf([] { OpenEngine("out*.dat", "out.dat"); }),
            "Cannot find any input files matching out*.dat\r\n\r\nError code = 18");
  EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
  EXPECT_FALSE(FileExists(Home("out.bak")));
}

TEST_F(Lifecycle, CancelKeepsTheOutputWrittenSoFar) {
  WriteFile(Home("in.txt"), "1\r\n2\r\n3\r\n4\r\n");
  ports_.pump.onPump = [](int calls) {
    if (calls == 3) Eng().CancelRequested = true;
  };
  OpenEngine("in.txt", "out.txt");
  std::string error = ErrorOf([] {
    while (ReadNextRecord()) OutEnd(Eng().Record);
  });
  EXPECT_EQ(error, "Processing cancelled\r\n\r\nOutput may be incomplete");
  EXPECT_EQ(Eng().ErrorKind, kErrCancel);
  CloseEngine();
  EXPECT_EQ(ReadFile(Home("out.txt")), "1\r\n2\r\n");
}

TEST_F(Lifecycle, CloseAfterAnErrorKeepsEverythingWritten) {
  WriteFile(Home("in.txt"), "a\n" + std::string(kMaxLineLength + 1, 'z'));
  OpenEngine("in.txt", "out.txt");
  EXPECT_NE(ErrorOf([] {
              while (ReadNextRecord()) OutEnd(Eng().Record);
            }),
            "");
  CloseEngine();
  EXPECT_EQ(ReadFile(Home("out.txt")), "a\r\n");
  EXPECT_EQ(ErrorOf([] { CloseEngine(); }), "");
}

TEST_F(Lifecycle, ClipboardOutputAtClose) {
  WriteFile(Home("in.txt"), "x\ny\n");
  EngineInfo().CfgOutputFileType = "TEXTLF";
  CopyRun("in.txt", "Clipboard");
  EXPECT_EQ(ports_.clipboard.text, "x\ny\n");
  EXPECT_EQ(ports_.clipboard.writes, 1);
  EngineInfo().CfgInputFileType = "XML";
  EXPECT_NE(ErrorOf([] { OpenEngine("in.txt", "Clipboard"); }), "");
  CloseEngine();
  EXPECT_EQ(ports_.clipboard.writes, 1);
}

TEST_F(Lifecycle, ConfigurationOnlyRun) {
  OpenEngine("None", "None");
  BeginRun(false);
  EXPECT_EQ(ErrorOf([] { LogMsg("hello"); }), "LogMsg file not open\r\n\r\nhello");
  EXPECT_TRUE(ReadNextRecord());
  EXPECT_EQ(Eng().Record, "None");
  EXPECT_FALSE(ReadNextRecord());
  EXPECT_FALSE(NextInputFile());
  EndRun();
  CloseEngine();
  EXPECT_FALSE(Eng().EngineOpen);
}

}  // namespace
}  // namespace gleaner
