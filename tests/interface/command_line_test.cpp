#include "interface/command_line.h"

#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "interface/error_report.h"
#include "interface/fake_main_view.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::ReadFile;
using testing::TempFolder;

const std::string kSeparator = std::string(12, '\x97') + "  " + std::string(66, '\x97');

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetReportState();
    SetReportView(&view);
    TEngineInfo& info = EngineInfo();
    info.CfgProgramName = "Culler";
    info.CfgErrorFileName = folder.File("Culler-Error.txt");
    info.CfgCaptionX = "/&Keep list";
    info.CfgCaptionY = "Dele&te &list";
    info.CfgCaptionZ = "";
    Eng().ErrorKind = 0;
    SetTestMode(false);
  }
  void TearDown() override {
    SetReportView(nullptr);
    ResetReportState();
    SetTestMode(false);
  }
  TCommandLineResult Process(const std::vector<std::string>& params) {
    return ProcessCommandLine(params, form, view);
  }

  TempFolder folder;
  TMainForm form;
  testing::FakeMainView view;
};

TEST_F(CommandLine, BoxSwitchesFillTheBoxes) {
  form[kCboInputFile].Text = "old.txt";
  const TCommandLineResult result = Process(
      {"/IIn Box/a b.txt", "/oOut.txt", "/SNone", "/uSupport.txt", "/X/cat/moose", "/y/dog", "/Z/NS", "/I"});
  EXPECT_EQ(form[kCboInputFile].Text, "");  // the last /I, empty, wins
  EXPECT_EQ(form[kCboOutputFile].Text, "Out.txt");
  EXPECT_EQ(form[kCboScriptFile].Text, "None");
  EXPECT_EQ(form[kCboSupportFile].Text, "Support.txt");
  EXPECT_EQ(form[kCboParameterX].Text, "/cat/moose");
  EXPECT_EQ(form[kCboParameterY].Text, "/dog");
  EXPECT_EQ(form[kCboParameterZ].Text, "/NS");
  EXPECT_FALSE(result.Run);
  EXPECT_FALSE(result.Error);
  EXPECT_FALSE(form.TimerOn(TTimer::AutoStart));
  EXPECT_TRUE(view.plain.empty());
}

TEST_F(CommandLine, ChoiceSwitchesTakeExactlyOneLetter) {
  struct Case {
    const char* param;
    bool browse;
    bool append;
    char closeMode;
    const char* message;  // empty when accepted
  };
  const char* kAutoview = "The /A (Autoview) switch must be set to /AY (Yes) or /AN (No)";
  const char* kAppend = "The /E (Append) switch must be set to /EY (Yes) or /EN (No)";
  const char* kClose =
      "The /C (Autoview) switch must be set to /CS (Close if successful) or /CA (Close always)";
  const Case cases[] = {
      {"/ay", true, false, 'N', ""},           {"/AN", false, false, 'N', ""},
      {"/AYES", false, false, 'N', kAutoview}, {"/A", false, false, 'N', kAutoview},
      {"/EY", false, true, 'N', ""},           {"/en", false, false, 'N', ""},
      {"/EX", false, false, 'N', kAppend},     {"/CS", false, false, 'S', ""},
      {"/ca", false, false, 'A', ""},          {"/CN", false, false, 'N', kClose},
      {"/CAS", false, false, 'N', kClose},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.param);
    testing::FakeMainView fresh;
    SetReportView(&fresh);
    TMainForm fresh_form;
    fresh_form[kChkBrowseOutput].Checked = false;
    fresh_form[kChkAppendOutput].Checked = c.param == std::string("/en");
    const TCommandLineResult result = ProcessCommandLine({c.param}, fresh_form, fresh);
    EXPECT_EQ(fresh_form[kChkBrowseOutput].Checked, c.browse);
    EXPECT_EQ(fresh_form[kChkAppendOutput].Checked, c.append);
    EXPECT_EQ(CloseMode(), c.closeMode);
    EXPECT_EQ(result.Error, *c.message != '\0');
    if (*c.message == '\0') {
      EXPECT_TRUE(fresh.plain.empty());
    } else {
      ASSERT_EQ(fresh.plain.size(), 1u);
      EXPECT_EQ(fresh.plain[0].Text, std::string(c.message) + "  ");
      EXPECT_EQ(fresh.normals, 1);
    }
  }
}

TEST_F(CommandLine, RunFlagSwitchesTheAutoStartTimerOn) {
  const TCommandLineResult result = Process({"/R", "/CS"});
  EXPECT_TRUE(result.Run);
  EXPECT_TRUE(form.TimerOn(TTimer::AutoStart));
  EXPECT_EQ(CloseMode(), 'S');
}

TEST_F(CommandLine, MalformedParameterStopsReadingAndCancelsTheRun) {
  const std::vector<std::vector<std::string>> lines = {
      {"/R", "-R", "/OLater.txt"}, {"/R", "/", "/OLater.txt"}, {"/R", "", "/OLater.txt"}};
  for (const auto& params : lines) {
    testing::FakeMainView fresh;
    SetReportView(&fresh);
    TMainForm freshForm;
    const TCommandLineResult result = ProcessCommandLine(params, freshForm, fresh);
    EXPECT_TRUE(result.Error);
    EXPECT_FALSE(result.Run);
    EXPECT_FALSE(freshForm.TimerOn(TTimer::AutoStart));
    EXPECT_EQ(freshForm[kCboOutputFile].Text, "");
    EXPECT_EQ(fresh.normals, 1);
    ASSERT_EQ(fresh.plain.size(), 1u);
    EXPECT_EQ(fresh.plain[0].Text, "Incorrectly formatted command-line parameter:\r\n" + params[1] + "  ");
  }
  // The message also reaches the error log.
  EXPECT_NE(
      ReadFile(EngineInfo().CfgErrorFileName).find("Incorrectly formatted command-line parameter:\r\n\r\n"),
      std::string::npos);
}

TEST_F(CommandLine, BadValueKeepsEarlierSwitches) {
  const TCommandLineResult result = Process({"/IKept.txt", "/R", "/EQ", "/OLost.txt"});
  EXPECT_TRUE(result.Error);
  EXPECT_EQ(form[kCboInputFile].Text, "Kept.txt");
  EXPECT_EQ(form[kCboOutputFile].Text, "");
  EXPECT_FALSE(form.TimerOn(TTimer::AutoStart));
}

TEST_F(CommandLine, UnknownSwitchShowsHelpAndStopsButKeepsTheRun) {
  const TCommandLineResult result = Process({"/R", "/q", "/OLost.txt"});
  ASSERT_EQ(view.helpCaptions.size(), 1u);
  EXPECT_EQ(view.helpCaptions[0], "Unrecognized command-line switch:  /Q");
  EXPECT_FALSE(result.Error);
  EXPECT_TRUE(result.UnknownSwitch);
  EXPECT_TRUE(form.TimerOn(TTimer::AutoStart));
  EXPECT_EQ(form[kCboOutputFile].Text, "");
  EXPECT_TRUE(view.plain.empty());
}

TEST_F(CommandLine, HelpSearchPathAndTestModeContinue) {
  SetCloseMode('A');  // a fresh reading starts from 'N'
  const TCommandLineResult result = Process({"/?", "/#", "/T", "/OOut.txt"});
  EXPECT_EQ(view.helpCaptions, std::vector<std::string>{"Culler - Command Line Help"});
  EXPECT_TRUE(result.HelpShown);
  EXPECT_EQ(view.searchPathDialogs, 1);
  EXPECT_TRUE(Eng().TestModeOn);
  EXPECT_EQ(Eng().TestMode, "Y");
  EXPECT_EQ(form[kCboOutputFile].Text, "Out.txt");
  EXPECT_EQ(CloseMode(), 'N');
}

TEST_F(CommandLine, HelpPageLines) {
  const std::vector<std::string> lines = CommandLineHelpLines();
  ASSERT_EQ(lines.size(), 47u);
  const std::vector<std::string> start = {
      "Command Line Parameter Summary", "",         kSeparator,
      "Switch        Meaning",          kSeparator, "/I\"filename\"  Specify input file name"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), start);
  const std::vector<std::string> options = {"/X\"setting\"   Set values for /Keep list",
                                            "/Y\"setting\"   Set values for Delete &list",
                                            "/Z\"setting\"   Set values for OptionZ"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 23, lines.begin() + 26), options);
  const std::vector<std::string> closeNotes = {
      kSeparator,
      "",
      "More about the /C Switch",
      "",
      "/Cx  does not imply /R",
      "/Cx  suppresses autoview, even if it is turned on by /AY",
      "/CA  suppresses pop-up error messages (/CS will display them and wait)",
      "",
      "After processing, you can check for the existence of the file",
      EngineInfo().CfgErrorFileName,
      "to determine if a serious error occurred.",
      "",
      "Notes",
      ""};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 28, lines.begin() + 42), closeNotes);
  EXPECT_EQ(lines.back(), "all of the parameters.");
}

}  // namespace
}  // namespace gleaner
