#include "interface/error_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "foundation/search_path.h"
#include "interface/fake_main_view.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::ReadFile;
using testing::FakeMainView;
using testing::TempFolder;

const std::string kRule(80, '-');

std::string Heading(const std::string& text, bool first = false) {
  return (first ? "" : "\r\n") + kRule + "\r\n" + text + "\r\n" + kRule + "\r\n\r\n";
}

const std::string kProgramBlock = Heading("Program Information") +
                                  "Project ................. Culler\r\n"
                                  "Program Version ......... 2.50.00\r\n"
                                  "Gleaner Engine .......... 4.50.02\r\n"
                                  "Engine Extensions ....... 1.00.06\r\n"
                                  "Scripting Engine ........ 4.40.00\r\n"
                                  "User Interface .......... 3.21.00 (GI)\r\n"
                                  "\r\n";

class ErrorReport : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetReportState();
    SetReportView(&view);
    SetApplicationTitle("Culler");
    TEngineInfo& info = EngineInfo();
    info.CfgProgramName = "Culler";
    info.CfgVersion = "2.50.00";
    info.CfgErrorFileName = folder.File("Culler-Error.txt");
    TEngineState& eng = Eng();
    eng.ActualIFN = "in.txt";
    eng.RecordCount = "0";
    eng.ActualOFN = "out.txt";
    eng.ErrorKind = kErrSuccess;
    eng.StepName = "Main";
    eng.ScriptPhase.clear();
    eng.ScriptLineNumber = 0;
    eng.TestModeOn = false;
  }
  void TearDown() override {
    SetReportView(nullptr);
    ResetReportState();
  }
  std::string Log() { return ReadFile(EngineInfo().CfgErrorFileName); }

  TempFolder folder;
  FakeMainView view;
};

TEST_F(ErrorReport, EngineErrorLogHasEveryBlock) {
  Eng().ErrorKind = kErrNumericExpected;
  Eng().RecordCount = "12";
  Eng().ActualOFN.clear();
  Eng().TestModeOn = true;
  EXPECT_EQ(ErrorLogText("Bad number\r\n\r\nParameters:", "01/02/26 10:11:12"),
            Heading("Error Details (01/02/26 10:11:12)", true) + "Bad number\r\n\r\nParameters:\r\n" +
                Heading("File Information") +
                "Input File Name ......... in.txt\r\n"
                "Records Read ............ 12\r\n"
                "Output File Name ........ [Null]\r\n" +
                Heading("Diagnostic Description") +
                "Error category .......... Parsing\r\n"
                "Description ............. Numeric expected\r\n"
                "Error code .............. 80\r\n"
                "Processing step ......... Main\r\n"
                "Test mode ............... On\r\n" +
                kProgramBlock);
}

TEST_F(ErrorReport, MessageWithoutCategoryHasNoDiagnosticBlock) {
  EXPECT_EQ(ErrorLogText("Stopped here", "D T"), Heading("Error Details (D T)", true) + "Stopped here\r\n" +
                                                     Heading("File Information") +
                                                     "Input File Name ......... in.txt\r\n"
                                                     "Output File Name ........ out.txt\r\n" +
                                                     kProgramBlock);
}

TEST_F(ErrorReport, EmptyMessageStartsWithFileBlockAndEmptyRowsAreLeftOut) {
  Eng().ErrorKind = kErrCancel;
  Eng().ActualIFN.clear();
  Eng().RecordCount.clear();
  EngineInfo().CfgVersion.clear();
  const std::string text = ErrorLogText("", "D T");
  EXPECT_EQ(text.substr(0, text.find("Diagnostic")), Heading("File Information", true) +
                                                         "Input File Name ......... [Null]\r\n"
                                                         "Output File Name ........ out.txt\r\n"
                                                         "\r\n" +
                                                         kRule + "\r\n");
  EXPECT_NE(text.find("Description ............. Cancel\r\nError code .............. 1\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("Test mode ............... Off\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Program Version"), std::string::npos);
}

TEST_F(ErrorReport, StepTextFollowsPhaseAndLine) {
  struct Case {
    const char* phase;
    int line;
    const char* expected;
  };
  const Case cases[] = {
      {"", 0, "FileInit"},
      {"", 9, "FileInit"},
      {"Compile Pass 1", 0, "Script Compile Pass 1"},
      {"Main", 7, "Script line 7"},
  };
  for (const Case& c : cases) {
    Eng().ErrorKind = kErrScript;
    Eng().StepName = "FileInit";
    Eng().ScriptPhase = c.phase;
    Eng().ScriptLineNumber = c.line;
    Report("x", true);
    EXPECT_EQ(LastStepText(), c.expected) << c.phase << " " << c.line;
    EXPECT_NE(Log().find(std::string("Processing step ......... ") + c.expected + "\r\n"), std::string::npos);
    ASSERT_FALSE(view.reportForms.empty());
    EXPECT_EQ(view.reportForms.back().Step, c.expected);
  }
}

TEST_F(ErrorReport, StepTextIsKeptWhenTheCategoryIsSuccess) {
  Eng().ErrorKind = kErrScript;
  Eng().StepName = "TaskDone";
  Report("first", true);
  Eng().ErrorKind = kErrSuccess;
  Eng().StepName = "Main";
  Report("second", false);
  EXPECT_EQ(LastStepText(), "TaskDone");
}

TEST_F(ErrorReport, DisplayFollowsCloseModeAndKind) {
  struct Case {
    char closeMode;
    std::uint8_t kind;
    bool isError;
    const char* message;
    int plain;
    int forms;
  };
  const Case cases[] = {
      {'N', kErrSuccess, false, "check failed", 1, 0},
      {'S', kErrSuccess, false, "check failed", 1, 0},
      {'A', kErrSuccess, false, "check failed", 0, 0},
      {'N', kErrCancel, true, "Processing cancelled", 1, 0},
      {'N', kErrCancel, true, "", 0, 0},
      {'N', kErrFileProblem, true, "no file", 0, 1},
      {'S', kErrFileProblem, true, "no file", 0, 1},
      {'A', kErrFileProblem, true, "no file", 0, 0},
  };
  for (const Case& c : cases) {
    FakeMainView fresh;
    SetReportView(&fresh);
    SetCloseMode(c.closeMode);
    Eng().ErrorKind = c.kind;
    Report(c.message, c.isError);
    SCOPED_TRACE(std::string(1, c.closeMode) + " " + std::to_string(c.kind) + " " + c.message);
    EXPECT_EQ(static_cast<int>(fresh.plain.size()), c.plain);
    EXPECT_EQ(static_cast<int>(fresh.reportForms.size()), c.forms);
    EXPECT_TRUE(testing::FileExists(EngineInfo().CfgErrorFileName));
  }
}

TEST_F(ErrorReport, PlainMessageAndReportFormContents) {
  Report("Warning:  gone", false);
  ASSERT_EQ(view.plain.size(), 1u);
  EXPECT_EQ(view.plain[0].Title, "Culler");
  EXPECT_EQ(view.plain[0].Text, "Warning:  gone  ");

  Eng().ErrorKind = kErrLookupDataNotFound;
  Report("Lookup failed", true);
  ASSERT_EQ(view.reportForms.size(), 1u);
  EXPECT_EQ(view.reportTitles[0], "Culler - Error Report");
  const TReportFormData& data = view.reportForms[0];
  EXPECT_EQ(data.Category, "Parsing");
  EXPECT_EQ(data.Description, "Lookup data not found");
  EXPECT_EQ(data.Code, "130");
  EXPECT_EQ(data.Step, "Main");
  EXPECT_EQ(data.Message, "Lookup failed");
}

TEST_F(ErrorReport, UnexpectedFailureIsReportedAsAnInternalError) {
  Eng().ErrorOccurred = false;
  ReportUnexpectedFailure("bad_alloc");
  EXPECT_EQ(Eng().ErrorKind, kErrInternal);
  EXPECT_TRUE(Eng().ErrorOccurred);
  EXPECT_EQ(WorstReport(), TReportLevel::EngineError);
  ASSERT_EQ(view.reportForms.size(), 1u);
  EXPECT_EQ(view.reportForms[0].Description, "Internal error");
  EXPECT_EQ(view.reportForms[0].Code, "255");
  EXPECT_NE(Log().find("bad_alloc"), std::string::npos);

  // A view that fails in turn must not let the failure escape the last resort.
  struct FailingView : testing::FakeMainView {
    void ShowReportForm(const std::string&, const TReportFormData&) override {
      throw std::runtime_error("no");
    }
  } failing;
  SetReportView(&failing);
  EXPECT_NO_THROW(ReportUnexpectedFailure("second"));
  EXPECT_EQ(WorstReport(), TReportLevel::EngineError);
}

TEST_F(ErrorReport, OnlyTheLastReportStaysInTheFile) {
  Report("first message", false);
  Report("second message", false);
  const std::string log = Log();
  EXPECT_EQ(log.find("first message"), std::string::npos);
  EXPECT_NE(log.find("second message"), std::string::npos);
}

TEST_F(ErrorReport, LogNameWithoutFolderGoesToTheHomeFolder) {
  EngineInfo().CfgErrorFileName.clear();
  EngineInfo().CfgProgramName = "NoSuchProgramForTests";
  // A name without folder is placed in the home folder, whatever the current folder.
  Report("m", false);
  const std::string name = HomeFolder() + "NoSuchProgramForTests-Error.txt";
  EXPECT_TRUE(testing::FileExists(name));
  std::remove(name.c_str());
}

TEST_F(ErrorReport, UnwritableLogStillShowsTheMessageWithTheReason) {
  const std::string name = folder.File("missing/Culler-Error.txt");
  EngineInfo().CfgErrorFileName = name;
  const std::string note = "The error log " + name + " could not be written: No such file or directory";
  Report("check failed", false);
  ASSERT_EQ(view.plain.size(), 1u);
  EXPECT_EQ(view.plain[0].Text, "check failed\r\n\r\n" + note + "  ");

  // Under /CA the log is the batch caller's only sign; without it the message is shown after all.
  SetCloseMode('A');
  Eng().ErrorKind = kErrFileProblem;
  Report("disk trouble", true);
  ASSERT_EQ(view.reportForms.size(), 1u);
  EXPECT_EQ(view.reportForms[0].Message, "disk trouble\r\n\r\n" + note);

  Eng().ErrorKind = kErrCancel;
  Report("", true);
  ASSERT_EQ(view.plain.size(), 2u);
  EXPECT_EQ(view.plain[1].Text, note + "  ");
}

TEST_F(ErrorReport, WorstReportDecidesTheExitLevel) {
  EXPECT_EQ(WorstReport(), TReportLevel::None);
  Eng().ErrorKind = kErrCancel;
  Report("Processing cancelled", true);
  EXPECT_EQ(WorstReport(), TReportLevel::Message);
  Eng().ErrorKind = kErrCompile;
  Report("compile", true);
  EXPECT_EQ(WorstReport(), TReportLevel::EngineError);
  Eng().ErrorKind = kErrSuccess;
  Report("later plain", false);
  EXPECT_EQ(WorstReport(), TReportLevel::EngineError);
}

}  // namespace
}  // namespace gleaner
