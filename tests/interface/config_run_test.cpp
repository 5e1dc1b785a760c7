// The script check and the Config run with its $Cfg checks.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "interface/controller_fixture.h"
#include "interface/form_state.h"
#include "script/executor.h"
#include "script/values.h"

namespace gleaner::testing {
namespace {

class ConfigRun : public ControllerTest {
 protected:
  ConfigRun() {
    adjustInfo = [] { EngineInfo().CfgSettableList += "/$CfgRecLen/$CfgSupportFiles"; };
    StartUp();
    form[kCboInputFile].Text = "In.txt";
    form[kCboOutputFile].Text = "Out.txt";
  }
  // Writes a script with these Config lines and selects it.
  void UseScript(const std::string& configLines) {
    WriteFile(folder.File("ScrCfg.txt"), "Config\n" + configLines + "End\nOutEnd '>' $OutData\n");
    form[kCboScriptFile].Text = "ScrCfg.txt";
  }
};

TEST_F(ConfigRun, TheScriptCheckSeesNewAndChangedScripts) {
  UseScript("$CfgCaptionX = 'Keep &words'\n$CfgEnableOptionY = 'n'\n");
  EXPECT_TRUE(controller.ScriptCheck(false));
  EXPECT_EQ(controller.ScriptName(), folder.File("ScrCfg.txt"));
  EXPECT_TRUE(controller.ConfigPending());
  RunTimers();
  EXPECT_FALSE(controller.ConfigPending());
  EXPECT_EQ(form[kLblParameterX].Caption, "Keep &words");
  EXPECT_FALSE(form[kCboParameterY].Enabled || form[kLblParameterY].Enabled);
  EXPECT_TRUE(form[kCboParameterY].ButtonFace);
  EXPECT_EQ(form[kCboParameterY].Text, "(Not used by this application)");
  controller.FormActivate();
  EXPECT_EQ(controller.ScriptState(), 'N');
  EXPECT_TRUE(controller.OnKey(5));  // F5 forces it
  EXPECT_EQ(controller.ScriptState(), 'C');
  RunTimers();
  const auto time = std::filesystem::last_write_time(folder.File("ScrCfg.txt"));
  std::filesystem::last_write_time(folder.File("ScrCfg.txt"), time + std::chrono::seconds(5));
  EXPECT_TRUE(controller.ScriptCheck(false));
  EXPECT_TRUE(Shown().empty());
}

TEST_F(ConfigRun, AMissingScriptIsToldOnceAndNoneRedrawsTheParameters) {
  form[kCboScriptFile].Text = "ScrGone.txt";
  controller.FormActivate();
  controller.FormActivate();
  EXPECT_EQ(Shown(), std::vector<std::string>{"The script ScrGone.txt cannot be found"});
  form[kCboScriptFile].Text = "None";
  EngineInfo().CfgEnableOptionX = false;  // an earlier Config section's doing
  controller.FormActivate();
  EXPECT_EQ(controller.ScriptState(), 'X');
  EXPECT_TRUE(form[kCboParameterX].Enabled);
  EXPECT_FALSE(form.TimerOn(TTimer::RunConfig));
}

TEST_F(ConfigRun, ValidValuesReachTheProgramInformation) {
  form[kCboParameterX].Text = "(Not used by this application)";
  ScriptCfg().Copyright = "left over";
  UseScript(
      "$CfgRecLen = '12'\n$CfgSupportFiles = '|Extra.txt'\n$CfgEnableOptionX = 'yes'\n"
      "$CfgCaptionY = $CfgEnableOptionZ\n$CfgCaptionZ = $CfgCopyright\n$CfgVersion = '9.1'\n"
      "$CfgLicense = 'Free'\n");
  controller.FormActivate();
  RunTimers();
  EXPECT_EQ(EngineInfo().CfgRecLen, 12);
  EXPECT_EQ(EngineInfo().CfgSupportFiles, "|Extra.txt");
  EXPECT_EQ(EngineInfo().CfgVersion, "9.1");
  EXPECT_EQ(EngineInfo().CfgLicense, "Free");
  EXPECT_EQ(EngineInfo().CfgCopyright, "Copyright (c) 2026 Gleaner developers");  // not set: kept
  EXPECT_TRUE(form[kCboParameterX].Enabled);
  EXPECT_EQ(form[kCboParameterX].Text, "");
  // The Config inputs were refilled: the flags as "Y" or "N", the others emptied.
  EXPECT_EQ(form[kLblParameterY].Caption, "Y");
  EXPECT_EQ(form[kLblParameterZ].Caption, "Option &Z");
}

TEST_F(ConfigRun, InvalidValuesAreRefusedAndDropAPendingStart) {
  const std::pair<const char*, const char*> cases[] = {
      {"$CfgRecLen = '12x'\n", "Invalid $CfgRecLen value (12x) in Config section"},
      {"$CfgRecLen = ''\n", "Invalid $CfgRecLen value () in Config section"},
      {"$CfgEnableOptionX = 'maybe'\n",
       "Invalid $CfgEnableOptionX setting (maybe) in Config section -- must be Y or N"},
      {"$CfgEnableOptionZ = ''\n",
       "Invalid $CfgEnableOptionZ setting () in Config section -- must be Y or N"},
      {"Stop 'Not configured'\n", "Not configured"},
  };
  for (const auto& [lines, message] : cases) {
    view.shown.clear();
    UseScript(lines);
    controller.ScriptCheck(true);
    controller.Start();
    RunTimers();
    EXPECT_EQ(Shown(), std::vector<std::string>{message});
    EXPECT_FALSE(controller.ConfigPending());
    EXPECT_FALSE(FileExists(folder.File("Out.txt"))) << lines;
  }
  EXPECT_TRUE(view.reportForms.empty());
  WriteFile(folder.File("ScrCfg.txt"), "Config\nOutEnd 'x'\nEnd\n");
  controller.ScriptCheck(true);
  RunTimers();
  EXPECT_EQ(view.reportForms.size(), 1u);
  EXPECT_EQ(Eng().ErrorKind, kErrCompile);
  EXPECT_FALSE(ScriptActive());
}

TEST_F(ConfigRun, AStartWaitsForThePendingConfigRun) {
  UseScript("$CfgCaptionX = 'Words'\n");
  controller.FormActivate();
  controller.Start();
  controller.OnTimer(TTimer::AutoStart);
  EXPECT_TRUE(form.TimerOn(TTimer::AutoStart));
  EXPECT_FALSE(FileExists(folder.File("Out.txt")));
  controller.OnTimer(TTimer::RunConfig);
  controller.OnTimer(TTimer::AutoStart);
  EXPECT_EQ(Output(), ">alpha\r\n>beta\r\n");
  EXPECT_EQ(EngineInfo().CfgCaptionX, "Words");  // the label's caption, copied back for the run
}

// The parameters given on the command line (or typed) before the first
// Config run are the ones the run uses, not the saved ones.
TEST_F(ConfigRun, TheConfigRunKeepsTheParameterTexts) {
  form[kCboParameterX].Text = "/saved";
  SaveFormSettings(form);
  form[kCboParameterX].Text = "/beta";
  UseScript("");
  controller.FormActivate();
  controller.Start();
  RunTimers();
  EXPECT_EQ(form[kCboParameterX].Text, "/beta");
  EXPECT_EQ(Output(), ">beta\r\n");
}

TEST_F(ConfigRun, QuietEndsOfTheConfigSection) {
  UseScript("Stop\n");  // no failure, but the run stops in its own Config section
  controller.ScriptCheck(true);
  controller.Start();
  RunTimers();
  EXPECT_EQ(Output(), "");
  UseScript("NextStep\n$CfgCaptionX = 'never'\n");
  controller.ScriptCheck(true);
  controller.Start();
  RunTimers();
  EXPECT_EQ(Output(), ">alpha\r\n>beta\r\n");
  EXPECT_EQ(form[kLblParameterX].Caption, "/&Keep list");
  EXPECT_TRUE(Shown().empty());
}

}  // namespace
}  // namespace gleaner::testing
