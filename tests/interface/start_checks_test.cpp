// Starting a run: the name checks, the overwrite question, append, the close
// rule, autoview and how the end of a run is reported.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "interface/controller_fixture.h"
#include "interface/error_report.h"
#include "script/executor.h"

namespace gleaner::testing {
namespace {

using StartChecks = ControllerTest;

const std::string kWildcards =
    "You cannot use the characters ? * ; in the output file name\r\n\r\n(Those characters are used for "
    "wildcarding)";
const std::string kSameName = "Input and output file names must be different";
const std::string kBak =
    "The output file may not use a .bak extension\r\n\r\nThe .bak extension is used to make a backup copy of "
    "the "
    "output file";

TEST_F(StartChecks, RefusedNamesShowTheirMessageAndNothingRuns) {
  std::filesystem::create_symlink(folder.File("In.txt"), folder.File("Link.txt"));
  const std::pair<std::string, std::string> cases[] = {
      {"Out*.txt", kWildcards}, {"a.txt;b.txt", kWildcards},           {"IN.TXT", kSameName},
      {"Link.txt", kSameName},  {Home() + "sub/../In.txt", kSameName}, {"notes.bak", kBak},
      {"Notes.BAK ", kBak},
  };
  StartUp();
  for (const auto& [output, message] : cases) {
    view.shown.clear();
    SetBoxes("In.txt", output);
    StartAndRun();
    EXPECT_EQ(Shown(), std::vector<std::string>{message}) << output;
  }
  SetBoxes("Missing.txt", "Out.txt");
  StartAndRun();
  EXPECT_EQ(view.plain.back().Title, "Culler");
  EXPECT_EQ(view.plain.back().Text,
            "Warning:  The specified input file cannot be found\r\n\r\nMissing.txt  ");
  EXPECT_EQ(view.focused, std::vector<std::string>{kCboInputFile});
  EXPECT_NE(ReadFile(folder.File("Culler-Error.txt")).find("Missing.txt"), std::string::npos);
  EXPECT_EQ(ReadFile(folder.File("In.txt")), "alpha\r\nbeta\r\n");
  EXPECT_FALSE(FileExists(folder.File("Out.txt")));
}

TEST_F(StartChecks, AcceptedNamesRun) {
  StartUp();
  SetBoxes("In.txt", "a.bak.txt");
  StartAndRun();
  EXPECT_EQ(ReadFile(folder.File("a.bak.txt")), "alpha\r\nbeta\r\n");
  SetBoxes("None", "Clipboard");
  StartAndRun();
  EXPECT_EQ(ports.clipboard.writes, 1);
  SetBoxes("I?.txt", "Out.txt");
  StartAndRun();
  EXPECT_EQ(Output(), "alpha\r\nbeta\r\n");
  EXPECT_TRUE(Shown().empty());
}

TEST_F(StartChecks, OverwritingAScriptHelpOrLookupFileAsksFirst) {
  StartUp();
  for (const auto& [name, kind] : {std::pair{"ScrJobs.txt", "Script"}, std::pair{"help-Culler.txt", "Help"},
                                   std::pair{"LufColours.txt", "Lookup"}}) {
    WriteFile(folder.File(name), "precious\r\n");
    view.questions.clear();
    view.answerOk = false;
    SetBoxes("In.txt", name);
    StartAndRun();
    ASSERT_EQ(view.questions.size(), 1u) << name;
    EXPECT_EQ(view.questions[0].Title, "Culler");
    EXPECT_EQ(view.questions[0].Text,
              " \r\nYou are about to overwrite a file whose    \r\nname suggests that it is a " +
                  std::string(kind) + " file.\r\n\r\nDo you want to proceed?\r\n ");
    EXPECT_EQ(ReadFile(folder.File(name)), "precious\r\n") << name;
    view.answerOk = true;
    StartAndRun();
    EXPECT_EQ(ReadFile(folder.File(name)), "alpha\r\nbeta\r\n") << name;
  }
  EXPECT_EQ(ReadFile(folder.File("ScrJobs.bak")), "precious\r\n");
  EXPECT_TRUE(Shown().empty());
}

TEST_F(StartChecks, NoQuestionForNewFilesOtherExtensionsOrAppending) {
  WriteFile(folder.File("LufJobs.csv"), "old\r\n");
  WriteFile(folder.File("ScrJobs.txt"), "old\r\n");
  StartUp();
  SetBoxes("In.txt", "ScrNew.txt");
  StartAndRun();
  SetBoxes("In.txt", "LufJobs.csv");
  StartAndRun();
  form[kChkAppendOutput].Checked = true;
  SetBoxes("In.txt", "ScrJobs.txt");
  StartAndRun();
  EXPECT_TRUE(view.questions.empty());
  EXPECT_EQ(ReadFile(folder.File("ScrJobs.txt")), "old\r\nalpha\r\nbeta\r\n");
  EXPECT_FALSE(FileExists(folder.File("ScrJobs.bak")));
  EXPECT_EQ(form[kCboOutputFile].Text, "ScrJobs.txt");  // the "+" was for the run only
}

TEST_F(StartChecks, OldLogsAreDeletedAtEachStart) {
  StartUp();
  WriteFile(folder.File("Culler-Error.txt"), "old error");
  WriteFile(folder.File("Culler-Log.txt"), "old log");
  SetBoxes("In.txt", "Out.txt");
  StartAndRun();
  EXPECT_FALSE(FileExists(folder.File("Culler-Error.txt")));
  EXPECT_EQ(ReadFile(folder.File("Culler-Log.txt")).find("old log"), std::string::npos);
}

// The close mode, the way the start ended, and whether the form closed.
TEST_F(StartChecks, CloseRule) {
  WriteFile(folder.File("ScrBad.txt"), "Rewind X\n");
  const std::tuple<char, const char*, const char*, int> cases[] = {
      {'N', "In.txt", "None", 0},       {'A', "In.txt", "None", 1},       {'S', "In.txt", "None", 1},
      {'N', "In.txt", "ScrBad.txt", 0}, {'A', "In.txt", "ScrBad.txt", 1}, {'S', "In.txt", "ScrBad.txt", 0},
      {'N', "Missing.txt", "None", 0},  {'A', "Missing.txt", "None", 1},  {'S', "Missing.txt", "None", 1},
  };
  StartUp();
  for (const auto& [mode, input, script, closes] : cases) {
    view.closes = 0;
    SetCloseMode(mode);
    SetBoxes(input, "Out.txt", script);
    StartAndRun();
    EXPECT_EQ(view.closes, closes) << mode << ' ' << input << ' ' << script;
  }
}

TEST_F(StartChecks, AutoviewOnlyAfterARunThatWroteSomethingWithACodeBelow200) {
  WriteFile(folder.File("Empty.txt"), "");
  WriteFile(folder.File("ScrRewind.txt"), "OutEnd $Data\nIf $Data = 'beta' Rewind X\n");           // code 200
  WriteFile(folder.File("ScrCompare.txt"), "OutEnd $Data\nIf $Data = 'beta' CompareCtrl 'No'\n");  // code 145
  const std::tuple<const char*, const char*, bool, char, std::size_t> cases[] = {
      {"In.txt", "None", true, 'N', 1},          {"In.txt", "None", false, 'N', 0},
      {"Empty.txt", "None", true, 'N', 0},       {"In.txt", "None", true, 'S', 0},
      {"In.txt", "ScrRewind.txt", true, 'N', 0}, {"In.txt", "ScrCompare.txt", true, 'N', 1},
  };
  StartUp();
  for (const auto& [input, script, autoview, mode, views] : cases) {
    view.viewed.clear();
    form[kChkBrowseOutput].Checked = autoview;
    SetCloseMode(mode);
    SetBoxes(input, "Out.txt", script);
    StartAndRun();
    EXPECT_EQ(view.viewed.size(), views) << input << ' ' << script << ' ' << autoview << mode;
  }
  EXPECT_EQ(view.viewed[0].File, folder.File("Out.txt"));
  EXPECT_EQ(view.viewed[0].Title, "Culler - View Output");
  EXPECT_EQ(view.reportForms[0].Message, "Command not yet supported\r\n\r\nRewind");
}

TEST_F(StartChecks, StopsCompileFailuresAndUnexpectedFailures) {
  WriteFile(folder.File("ScrStop.txt"), "If $Data = 'beta' Stop 'Enough for today'\nOutEnd $Data\n");
  WriteFile(folder.File("ScrQuiet.txt"), "If $Data = 'beta' Stop\nOutEnd $Data\n");
  WriteFile(folder.File("ScrBroken.txt"), "Begin\n");
  StartUp();
  SetBoxes("In.txt", "Out.txt", "ScrStop.txt");
  StartAndRun();
  EXPECT_EQ(Shown(), std::vector<std::string>{"Enough for today"});
  EXPECT_TRUE(view.reportForms.empty());
  EXPECT_EQ(Output(), "alpha\r\n");
  SetBoxes("In.txt", "Out.txt", "ScrQuiet.txt");
  StartAndRun();
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Output(), "alpha\r\n");

  SetBoxes("In.txt", "Out2.txt", "ScrBroken.txt");
  StartAndRun();
  EXPECT_EQ(Eng().ErrorKind, kErrCompile);
  EXPECT_EQ(view.reportForms.size(), 1u);
  SetBoxes("In.txt", "Out2.txt", "Scr*.txt");
  StartAndRun();
  EXPECT_EQ(Shown().back(),
            "You cannot use the wildcard characters ? * ; in the script file name\r\n\r\nScr*.txt");
  EXPECT_FALSE(FileExists(folder.File("Out2.txt")));

  handlers.afterTaskInit = [] { throw std::length_error("vector too long"); };
  SetBoxes("In.txt", "Out.txt");
  StartAndRun();
  EXPECT_EQ(Eng().ErrorKind, kErrInternal);
  EXPECT_EQ(view.reportForms.back().Message, "vector too long");
  EXPECT_FALSE(Eng().EngineOpen);
  EXPECT_FALSE(ScriptActive());
}

TEST_F(StartChecks, NextStepAndNextRecordThroughARealScriptRun) {
  WriteFile(folder.File("A1.txt"), "a\r\nskip\r\nb\r\nnext\r\nc\r\n");
  WriteFile(folder.File("A2.txt"), "d\r\n");
  WriteFile(folder.File("ScrFlow.txt"),
            "TaskInit\nOutEnd 'TI'\nEnd\n"
            "If $OutData = 'skip' NextRecord\nIf $OutData = 'next' NextStep\nOutEnd $OutData\n"
            "FileDone\nOutEnd 'FD'\nEnd\nTaskDone\nOutEnd 'TD'\nEnd\n");
  StartUp();
  SetBoxes("A?.txt", "Out.txt", "ScrFlow.txt");
  StartAndRun();
  EXPECT_EQ(Output(), "TI\r\na\r\nb\r\nFD\r\nd\r\nFD\r\nTD\r\n");
  // A NextStep in the application's TaskInit also skips the script's TaskInit.
  handlers.afterTaskInit = [] { NextStep(); };
  StartAndRun();
  EXPECT_EQ(Output(), "a\r\nb\r\nFD\r\nd\r\nFD\r\nTD\r\n");
  EXPECT_TRUE(Shown().empty());
}

}  // namespace
}  // namespace gleaner::testing
