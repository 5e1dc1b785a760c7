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
  EXPECT_EQ(form["cboInputFile"].Text, "ThingsToDo.txt");
  EXPECT_EQ(form["cboOutputFile"].Text, "Output.txt");
  EXPECT_EQ(form["cboScriptFile"].Text, "None");
  EXPECT_TRUE(form["chkBrowseOutput"].Checked);
  EXPECT_FALSE(form["chkAppendOutput"].Checked);
  EXPECT_EQ(EngineInfo().CfgLogFileName, Home() + "Culler-Log.txt");
  EXPECT_EQ(EngineInfo().CfgErrorFileName, "Culler-Error.txt");
  // The support box offers both logs and shows the last one offered.
  EXPECT_EQ(form["cboSupportFile"].Text, Home() + "Culler-Log.txt");
  EXPECT_EQ(form["cboSupportFile"].Items,
            (std::vector<std::string>{Home() + "Culler-Log.txt", Home() + "Culler-Error.txt"}));
  EXPECT_EQ(form["lblParameterX"].Caption, "/&Keep list");
  EXPECT_EQ(form["cboParameterZ"].Hint, "Parsing controls (example: /KM/DM/KR/DR/NS)");
  EXPECT_TRUE(form["btnStart"].Enabled);

  WriteTextIn("Information", "FirstRun", "240101-0930");
  WriteFile(folder.File("Logo-Culler.bmp"), "BM");
  StartUpMainForm(controller, [&] {
    EXPECT_EQ(form["cboInputFile"].Text, "ThingsToDo.txt");  // the command line comes after the saved state
    form["cboInputFile"].Text.clear();
  });
  EXPECT_EQ(ReadTextIn("Information", "FirstRun", ""), "240101-0930");
  EXPECT_EQ(form["imgBanner"].Text, folder.File("Logo-Culler.bmp"));
  EXPECT_FALSE(form["btnStart"].Enabled);  // and before the button states
}

TEST_F(FormState, SavedSettingsComeBack) {
  StartUp();
  form["cboInputFile"].Text = "Jobs.txt";
  form["cboInputFile"].Items = {"Jobs.txt", "Old.txt"};
  form["cboOutputFile"].Text = "Result.txt";
  form["cboScriptFile"].Text = "ScrJobs.txt";
  form["cboSupportFile"].Text = "Notes.txt";
  form["cboParameterX"].Text = "/cat/moose";
  form["cboParameterX"].Items = {"/cat/moose", "/dog"};
  form["chkAppendOutput"].Checked = true;
  form["chkBrowseOutput"].Checked = false;
  SaveFormSettings(form);

  TMainForm again;
  ApplySettingsToForm(again, true);
  for (const char* box :
       {"cboInputFile", "cboOutputFile", "cboScriptFile", "cboSupportFile", "cboParameterX"}) {
    EXPECT_EQ(again[box].Text, form[box].Text) << box;
  }
  EXPECT_EQ(again["cboInputFile"].Items, form["cboInputFile"].Items);
  EXPECT_EQ(again["cboParameterX"].Items, form["cboParameterX"].Items);
  EXPECT_TRUE(again["chkAppendOutput"].Checked);
  EXPECT_FALSE(again["chkBrowseOutput"].Checked);
  TMainForm withoutScript;
  ApplySettingsToForm(withoutScript, false);
  EXPECT_EQ(withoutScript["cboScriptFile"].Text, "");
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
  const TControl& output = form["cboOutputFile"];
  EXPECT_EQ(output.Text, "(File name generated automatically)");
  EXPECT_FALSE(output.Enabled || form["lblOutputFile"].Enabled || form["chkAppendOutput"].Enabled);
  EXPECT_TRUE(output.ButtonFace);
  EXPECT_EQ(form["cboParameterY"].Text, "(Not used by this application)");
  EXPECT_FALSE(form["cboParameterY"].Enabled || form["lblParameterY"].Enabled);
  EXPECT_TRUE(form["cboParameterY"].ButtonFace);
  EXPECT_EQ(form["lblParameterZ"].Caption, "Option &Z");
  EXPECT_EQ(form["cboParameterZ"].Hint, "Optional parameter - see documentation");
  SaveFormSettings(form);
  for (const char* key : {"cboOutputFile.Text", "chkAppendOutput.State", "cboParameterY.Text"}) {
    EXPECT_EQ(ReadText(key, "(absent)"), "(absent)") << key;
  }
  EXPECT_EQ(ReadText("cboParameterZ.Text", "(absent)"), "");
}

TEST_F(FormState, SupportFilesAreSplitAtTheirOwnDelimiterOnly) {
  EngineInfo().CfgSupportFiles = "/Extra.txt//Other.txt";
  StartUp();
  EXPECT_EQ(form["cboSupportFile"].Items,
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
  form["cboInputFile"].Text = "Closing.txt";
  MainFormClosed(controller);
  SearchFolders().clear();
  LoadSearchPath();
  EXPECT_EQ(SearchFolders(), (std::vector<std::string>{Home(), Home() + "data/"}));
  EXPECT_EQ(ReadText("cboInputFile.Text", ""), "Closing.txt");
}

}  // namespace
}  // namespace gleaner::testing
