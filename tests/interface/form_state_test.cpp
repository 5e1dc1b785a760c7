// The start-up sequence and the form's saved state.
#include "interface/form_state.h"

#include <gtest/gtest.h>

#include <regex>

#include "engine/engine_info.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "interface/controller_fixture.h"

namespace gleaner::testing {
namespace {

using FormState = ControllerTest;

TEST_F(FormState, TheFirstStartWritesFirstRunAndOffersTheDefaults) {
  StartUp();
  EXPECT_EQ(IniFileName(), Home() + "Culler.ini");
  const std::string firstRun = ReadTextIn("Information", "FirstRun", "");
  EXPECT_TRUE(std::regex_match(firstRun, std::regex(R"(\d{6}-\d{4})"))) << firstRun;
  EXPECT_EQ(SearchFolders(), std::vector<std::string>{Home()});
  EXPECT_EQ(form.Caption, "Culler - Parsing Parameters");
  EXPECT_EQ(form[kCboInputFile].Text, "ThingsToDo.txt");
  EXPECT_EQ(form[kCboOutputFile].Text, "Output.txt");
  EXPECT_EQ(form[kCboScriptFile].Text, "None");
  EXPECT_TRUE(form[kChkBrowseOutput].Checked);
  EXPECT_FALSE(form[kChkAppendOutput].Checked);
  EXPECT_EQ(EngineInfo().CfgLogFileName, Home() + "Culler-Log.txt");
  EXPECT_EQ(EngineInfo().CfgErrorFileName, "Culler-Error.txt");
  // The support box offers both logs and shows the last one offered.
  EXPECT_EQ(form[kCboSupportFile].Text, Home() + "Culler-Log.txt");
  EXPECT_EQ(form[kCboSupportFile].Items,
            (std::vector<std::string>{Home() + "Culler-Log.txt", Home() + "Culler-Error.txt"}));
  EXPECT_EQ(form[kLblParameterX].Caption, "/&Keep list");
  EXPECT_EQ(form[kCboParameterZ].Hint, "Parsing controls (example: /KM/DM/KR/DR/NS)");
  EXPECT_TRUE(form[kBtnStart].Enabled);

  WriteTextIn("Information", "FirstRun", "240101-0930");
  WriteFile(folder.File("Logo-Culler.bmp"), "BM");
  StartUpMainForm(controller, [&] {
    EXPECT_EQ(form[kCboInputFile].Text, "ThingsToDo.txt");  // the command line comes after the saved state
    form[kCboInputFile].Text.clear();
  });
  EXPECT_EQ(ReadTextIn("Information", "FirstRun", ""), "240101-0930");
  EXPECT_EQ(form[kImgBanner].Text, folder.File("Logo-Culler.bmp"));
  EXPECT_FALSE(form[kBtnStart].Enabled);  // and before the button states
}

TEST_F(FormState, SavedSettingsComeBack) {
  StartUp();
  form[kCboInputFile].Text = "Jobs.txt";
  form[kCboInputFile].Items = {"Jobs.txt", "Old.txt"};
  form[kCboOutputFile].Text = "Result.txt";
  form[kCboScriptFile].Text = "ScrJobs.txt";
  form[kCboSupportFile].Text = "Notes.txt";
  form[kCboParameterX].Text = "/cat/moose";
  form[kCboParameterX].Items = {"/cat/moose", "/dog"};
  form[kChkAppendOutput].Checked = true;
  form[kChkBrowseOutput].Checked = false;
  SaveFormSettings(form);

  TMainForm again;
  ApplySettingsToForm(again, true);
  for (const char* box :
       {kCboInputFile, kCboOutputFile, kCboScriptFile, kCboSupportFile, kCboParameterX}) {
    EXPECT_EQ(again[box].Text, form[box].Text) << box;
  }
  EXPECT_EQ(again[kCboInputFile].Items, form[kCboInputFile].Items);
  EXPECT_EQ(again[kCboParameterX].Items, form[kCboParameterX].Items);
  EXPECT_TRUE(again[kChkAppendOutput].Checked);
  EXPECT_FALSE(again[kChkBrowseOutput].Checked);
  TMainForm withoutScript;
  ApplySettingsToForm(withoutScript, false);
  EXPECT_EQ(withoutScript[kCboScriptFile].Text, "");
}

TEST_F(FormState, GeneratedOutputsAndDisabledParametersAreShownAndNotSaved) {
  adjustInfo = [] {
    TEngineInfo& info = EngineInfo();
    info.CfgDefaultOFN = "*.csv";
    info.CfgEnableOptionY = false;
    info.CfgCaptionZ.clear();
    info.CfgHintZ = "   ";
  };
  StartUp();
  const TControl& output = form[kCboOutputFile];
  EXPECT_EQ(output.Text, "(File name generated automatically)");
  EXPECT_FALSE(output.Enabled || form[kLblOutputFile].Enabled || form[kChkAppendOutput].Enabled);
  EXPECT_TRUE(output.ButtonFace);
  EXPECT_EQ(form[kCboParameterY].Text, "(Not used by this application)");
  EXPECT_FALSE(form[kCboParameterY].Enabled || form[kLblParameterY].Enabled);
  EXPECT_TRUE(form[kCboParameterY].ButtonFace);
  EXPECT_EQ(form[kLblParameterZ].Caption, "Option &Z");
  EXPECT_EQ(form[kCboParameterZ].Hint, "Optional parameter - see documentation");
  SaveFormSettings(form);
  for (const char* key : {"cboOutputFile.Text", "chkAppendOutput.State", "cboParameterY.Text"}) {
    EXPECT_EQ(ReadText(key, "(absent)"), "(absent)") << key;
  }
  EXPECT_EQ(ReadText("cboParameterZ.Text", "(absent)"), "");
}

TEST_F(FormState, SupportFilesAreSplitAtTheirOwnDelimiterOnly) {
  EngineInfo().CfgSupportFiles = "/Extra.txt//Other.txt";
  StartUp();
  EXPECT_EQ(form[kCboSupportFile].Items,
            (std::vector<std::string>{Home() + "Culler-Log.txt", Home() + "Culler-Error.txt", "Other.txt",
                                      "Extra.txt"}));
}

TEST_F(FormState, TheDefaultOutputNameGetsItsCanonicalSpelling) {
  for (const auto& [given, canonical] : {std::pair{"clipboard", "Clipboard"}, std::pair{"NONE", "None"},
                                         std::pair{"nonesuch.txt", "nonesuch.txt"}}) {
    EngineInfo().CfgDefaultOFN = given;
    StoreCanonicalDefaultOFN();
    EXPECT_EQ(EngineInfo().CfgDefaultOFN, canonical);
  }
}

TEST_F(FormState, ClosingSavesTheBoxesAndTheSearchPath) {
  StartUp();
  SearchFolders().push_back(Home() + "data/");
  form[kCboInputFile].Text = "Closing.txt";
  MainFormClosed(controller);
  SearchFolders().clear();
  LoadSearchPath();
  EXPECT_EQ(SearchFolders(), (std::vector<std::string>{Home(), Home() + "data/"}));
  EXPECT_EQ(ReadText("cboInputFile.Text", ""), "Closing.txt");
}

}  // namespace
}  // namespace gleaner::testing
