// The run lifecycle: self-tests, resets, file types, wildcard walks that skip
// the run's own files, cancel, closing after errors and clipboard output.
#include "engine/lifecycle.h"

#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "engine/io_fixture.h"
#include "engine/process_log.h"

namespace gleaner {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::WriteFile;
using Records = std::vector<std::string>;
using Lifecycle = testing::IoTest;

TEST_F(Lifecycle, OpenResetsTheRunStateAndBeginRunTheCsvRecord) {
  WriteFile(Home("in.txt"), "");
  Eng().ErrorOccurred = true;
  Eng().BytesOut = 99;
  Eng().ScriptPhase = "Compiling";
  Eng().TestModeOn = true;
  Eng().Csv.QuoteChar = "'";
  Eng().Csv.MaxWidth = "9";
  OpenEngine("in.txt", "out.txt");
  EXPECT_FALSE(Eng().ErrorOccurred);
  EXPECT_EQ(
      Eng().BytesOutCount + Eng().ScriptPhase + Eng().TestMode + Eng().Csv.QuoteChar + Eng().Csv.MaxWidth,
      "0Y\"");
  EXPECT_EQ(Eng().StepName, "After Open Engine");
  EXPECT_EQ(Eng().ErrorKind, kErrSuccess);
  EXPECT_TRUE(Eng().EngineOpen && Eng().EndOfInput && !Eng().CancelRequested);
  EXPECT_EQ(ports_.notice.texts, Records{});
  Eng().Csv.FirstField = false;
  BeginRun(false);
  EXPECT_TRUE(Eng().Csv.FirstField);
  EXPECT_EQ(Eng().Csv.Separator, ",");
  EXPECT_FALSE(LogIsOpen());
}

TEST_F(Lifecycle, EmptyVersionIsReportedAndTheRunStillOpens) {
  EngineInfo().CfgVersion.clear();
  OpenEngine("None", "None");
  EXPECT_EQ(ports_.notice.texts, Records{"Parse engine self-test error VPV"});
  EXPECT_EQ(ports_.notice.captions, Records{"Gleaner Engine 4.50.02"});
  EXPECT_TRUE(Eng().EngineOpen);
}

TEST_F(Lifecycle, FileTypeFailuresComeBeforeAnyFileIsTouched) {
  const std::tuple<const char*, const char*, std::int32_t, const char*> cases[] = {
      {"XML", "TEXT", 0, "Unknown input file format\r\n\r\nXML"},
      {"text", "", 0, "Unknown output file format\r\n\r\n"},
      {"BINARY", "TEXT", 0, "Binary input needs a record length of 1 or more\r\n\r\nThe record length is 0"},
  };
  for (const auto& [input, output, recordLength, message] : cases) {
    EngineInfo().CfgInputFileType = input;
    EngineInfo().CfgOutputFileType = output;
    EngineInfo().CfgRecLen = recordLength;
    EXPECT_EQ(ErrorOf([] { OpenEngine("None", "out.txt"); }), message);
    EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
    EXPECT_EQ(Eng().StepName, "Open Parsing Engine (Specifications)");
    EXPECT_TRUE(Eng().CancelRequested);
  }
  EXPECT_FALSE(FileExists(Home("out.txt")));
}

TEST_F(Lifecycle, WildcardInputSkipsTheRunsOwnFiles) {
  for (const char* name : {"Culler-Error.txt", "Culler-Log.txt", "Out.txt", "x.txt", "y.txt"}) {
    WriteFile(Home(name), std::string(name) + "\r\n");
  }
  EXPECT_EQ(CopyRun("*.txt", "Out.txt"), (Records{"x.txt", "y.txt"}));
  EXPECT_EQ(ReadFile(Home("Out.txt")), "x.txt\r\ny.txt\r\n");
  EXPECT_EQ(ReadFile(Home("Out.bak")), "Out.txt\r\n");
  EXPECT_EQ(GivenInputSpec(), "*.txt");
}

TEST_F(Lifecycle, ListOfNames) {
  WriteFile(Home("a.txt"), "a\r\n");
  WriteFile(Home("b.txt"), "b\r\n");
  EXPECT_EQ(CopyRun("a.txt;b.txt", "out.dat"), (Records{"a", "b"}));
  EXPECT_EQ(ErrorOf([] { OpenEngine("c.txt;d.txt", "out.dat"); }),
            "Cannot find any input files matching c.txt;d.txt\r\n\r\nError code = 999999");
  EXPECT_EQ(ErrorOf([] { OpenEngine("out*.dat", "out.dat"); }),
            "Cannot find any input files matching out*.dat\r\n\r\nError code = 18");
  EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
  EXPECT_FALSE(FileExists(Home("out.bak")));
}

TEST_F(Lifecycle, CancelKeepsTheOutputWrittenSoFar) {
  WriteFile(Home("in.txt"), "1\r\n2\r\n3\r\n4\r\n");
  ports_.pump.onPump = [](int calls) { Eng().CancelRequested = calls == 3; };
  EXPECT_EQ(ErrorOf([] { CopyRun("in.txt", "out.txt"); }),
            "Processing cancelled\r\n\r\nOutput may be incomplete");
  EXPECT_EQ(Eng().ErrorKind, kErrCancel);
  CloseEngine();
  EXPECT_EQ(ReadFile(Home("out.txt")), "1\r\n2\r\n");
}

TEST_F(Lifecycle, CloseAfterAnErrorKeepsEverythingWritten) {
  WriteFile(Home("in.txt"), "a\n" + std::string(kMaxLineLength + 1, 'z'));
  EXPECT_NE(ErrorOf([] { CopyRun("in.txt", "out.txt"); }), "");
  CloseEngine();
  EXPECT_EQ(ReadFile(Home("out.txt")), "a\r\n");
  EXPECT_FALSE(Eng().EngineOpen);
  EXPECT_EQ(ErrorOf([] { CloseEngine(); }), "");
}

TEST_F(Lifecycle, ClipboardOutputAtClose) {
  WriteFile(Home("in.txt"), "x\ny\n");
  EngineInfo().CfgOutputFileType = "TEXTLF";
  CopyRun("in.txt", "Clipboard");
  EXPECT_EQ(ports_.clipboard.text, "x\ny\n");
  EngineInfo().CfgInputFileType = "XML";
  EXPECT_NE(ErrorOf([] { OpenEngine("in.txt", "Clipboard"); }), "");
  CloseEngine();
  EXPECT_EQ(ports_.clipboard.writes, 1);  // a run that never opened its output copies nothing
}

TEST_F(Lifecycle, ConfigurationOnlyRun) {
  OpenEngine("None", "None");
  BeginRun(false);
  EXPECT_EQ(ErrorOf([] { LogMsg("hello"); }), "LogMsg file not open\r\n\r\nhello");
  EXPECT_TRUE(ReadNextRecord());
  EXPECT_EQ(Eng().Record, "None");
  EXPECT_FALSE(ReadNextRecord());
  EXPECT_FALSE(NextInputFile());
}

}  // namespace
}  // namespace gleaner
