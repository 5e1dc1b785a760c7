// Leaving and editing the boxes, viewing the files they name, and choosing files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/engine_info.h"
#include "foundation/search_path.h"
#include "interface/controller_fixture.h"

namespace gleaner::testing {
namespace {

class BoxHandlers : public ControllerTest {
 protected:
  BoxHandlers() { StartUp(); }
};

TEST_F(BoxHandlers, LeavingABoxTidiesItsName) {
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {kCboInputFile, "  \"My Data.txt\"  ", "My Data.txt"},
      {kCboInputFile, "clipboard", "Clipboard"},
      {kCboInputFile, "data\\", "data\\ParseInp.txt"},
      {kCboInputFile, "(Not used by this application)", ""},
      {kCboOutputFile, "none", "None"},
      {kCboOutputFile, "culler-error.txt", "ParseOut.txt"},
      {kCboOutputFile, Home() + "Culler-Log.txt", "ParseOut.txt"},
      {kCboOutputFile, "out/", "out/Output.txt"},
      {kCboOutputFile, "(File name generated automatically)", ""},
      {kCboScriptFile, "ScrJobs", "ScrJobs.txt"},
      {kCboScriptFile, "dir.d/ScrJobs", "dir.d/ScrJobs.txt"},
      {kCboScriptFile, "NONE", "None"},
      {kCboScriptFile, "scripts\\", ""},
      {kCboSupportFile, "logs/", ""},
      {kCboSupportFile, "\"CULLER-ERROR.TXT\"", "Culler-Error.txt"},
      {kCboParameterX, " /Cat ", " /Cat "},
      {kCboParameterX, " /cat ", " /cat "},
  };
  for (const auto& [box, typed, expected] : cases) {
    form[box].Text = typed;
    controller.BoxExit(box);
    EXPECT_EQ(form[box].Text, expected) << box << " <- " << typed;
    if (*expected != '\0') {
      EXPECT_EQ(form[box].Items.front(), expected) << box;
    }
  }
  // Parameters keep their case in the history, file names do not.
  EXPECT_EQ(form[kCboParameterX].Items, (std::vector<std::string>{" /cat ", " /Cat "}));
  form[kCboInputFile].Text = "my data.TXT";
  controller.BoxExit(kCboInputFile);
  EXPECT_EQ(std::count(form[kCboInputFile].Items.begin(), form[kCboInputFile].Items.end(), "My Data.txt"),
            0);
  EngineInfo().CfgDefaultOFN = "clipboard";
  form[kCboOutputFile].Text = "out\\";
  controller.BoxExit(kCboOutputFile);
  EXPECT_EQ(form[kCboOutputFile].Text, "out\\ParseOut.txt");
}

TEST_F(BoxHandlers, ScriptBoxAndOutputBoxEvents) {
  WriteFile(folder.File("ScrJobs.txt"), "OutEnd $Data\n");
  form[kCboScriptFile].Text = "ScrJobs";
  controller.BoxExit(kCboScriptFile);
  EXPECT_EQ(controller.ScriptState(), 'C');
  form.SetTimer(TTimer::AutoStart, true);
  controller.ScriptBoxEnter();
  EXPECT_FALSE(form.TimerOn(TTimer::AutoStart));

  form[kCboOutputFile].Text = "+Out.txt";
  controller.OutputChanged();
  EXPECT_EQ(form[kCboOutputFile].Text, "Out.txt");
  EXPECT_TRUE(form[kChkAppendOutput].Checked);
  form[kCboOutputFile].Text = "+Clipboard";
  controller.OutputChanged();
  EXPECT_FALSE(form[kChkAppendOutput].Checked);  // the clipboard cannot be appended to
}

TEST_F(BoxHandlers, TheOutputLabelBorrowsTheInputFolder) {
  std::filesystem::create_directory(folder.File("data"));
  WriteFile(folder.File("data/Far.txt"), "far\r\n");
  SetBoxes(folder.File("data/Far.txt"), "old/Result.txt");
  controller.OutputLabelClick();
  EXPECT_EQ(form[kCboOutputFile].Text, folder.File("data/Result.txt"));
  EXPECT_EQ(form[kCboOutputFile].SelStart, folder.File("data/").size());
  EXPECT_EQ(form[kCboOutputFile].SelLength, 10u);
  for (const auto& [input, output] :
       {std::pair{"Missing.txt", "Result.txt"}, std::pair{"*.txt", "Result.txt"},
        std::pair{"None", "Result.txt"}, std::pair{"In.txt", "Clipboard"}}) {
    SetBoxes(input, output);
    controller.OutputLabelClick();
    EXPECT_EQ(form[kCboOutputFile].Text, output) << input;
  }
}

TEST_F(BoxHandlers, ViewingMissingOrUnsetFilesExplainsWhy) {
  EngineInfo().CfgSupportFiles = "|Extra.txt|Other.txt";
  const std::tuple<TFileBox, std::string, std::string> cases[] = {
      {TFileBox::Input, "(File name generated automatically)",
       "The input file is not set until processing begins"},
      {TFileBox::Input, "Clipboard", "The clipboard input file is created during processing"},
      {TFileBox::Output, "(File name generated automatically)",
       "The output file is not set until processing begins"},
      {TFileBox::Output, "clipboard", "The clipboard output file is created during processing"},
      {TFileBox::Support, "Other.txt",
       "The Culler support file " + Home() +
           "Other.txt\r\n is not available.\r\nIt may be required for this "
           "application."},
      {TFileBox::Support, Home() + "Culler-Log.txt",
       "The Culler processing log file \r\n" + Home() +
           "Culler-Log.txt\r\nis available only after processing"},
      {TFileBox::Support, "Culler-Error.txt",
       "The Culler error log file \r\n" + Home() +
           "Culler-Error.txt\r\nis created only when an error occurs"},
      {TFileBox::Input, "", "The file was not found"},
      {TFileBox::Script, "ScrNope.txt", Home() + "ScrNope.txt was not found"},
  };
  const char* boxes[] = {kCboInputFile, kCboOutputFile, kCboScriptFile, kCboSupportFile};
  for (const auto& [box, name, message] : cases) {
    view.shown.clear();
    form[boxes[static_cast<int>(box)]].Text = name;
    controller.ViewFile(box);
    EXPECT_EQ(Shown(), std::vector<std::string>{message}) << name;
  }
  EXPECT_TRUE(view.viewed.empty());
  EXPECT_FALSE(FileExists(folder.File("Culler-Error.txt")));  // viewing is not a report
}

TEST_F(BoxHandlers, ViewingExistingAndChosenFiles) {
  std::filesystem::create_directory(folder.File("lib"));
  WriteFile(folder.File("lib/ScrLib.txt"), "OutEnd $Data\n");
  SearchFolders().push_back(folder.File("lib/"));
  SetBoxes(folder.File("I*.txt;Other*.txt"), "In.txt", "ScrLib.txt");
  EngineInfo().CfgOutputFileMask = "*.txt";
  controller.ViewFile(TFileBox::Script);
  controller.ViewFile(TFileBox::Output);
  view.chooserReplies = {std::nullopt, folder.File("In.txt")};
  controller.ViewFile(TFileBox::Input);
  controller.ViewFile(TFileBox::Input);
  ASSERT_EQ(view.viewed.size(), 3u);
  EXPECT_EQ(view.viewed[0].File, folder.File("lib/ScrLib.txt"));
  EXPECT_EQ(view.viewed[0].Title, "Culler - View Script");
  EXPECT_EQ(view.viewed[1].Mask, "Output (*.txt)");
  EXPECT_EQ(view.viewed[2].File, folder.File("In.txt"));
  EXPECT_EQ(view.choosers[0].Title, "Culler - Browse Input");
  EXPECT_EQ(view.choosers[0].Folder, Home());
}

TEST_F(BoxHandlers, AutoviewOfAGeneratedOutputName) {
  adjustInfo = [] { EngineInfo().CfgDefaultOFN = "*.csv"; };
  WriteFile(folder.File("ScrGen.txt"), "OutEnd $Data\n");
  StartUp();
  form[kCboInputFile].Text = "In.txt";
  form[kCboScriptFile].Text = "ScrGen.txt";
  StartAndRun();
  ASSERT_EQ(view.viewed.size(), 1u);
  EXPECT_EQ(view.viewed[0].File, folder.File("ParseOut.txt"));
  EXPECT_EQ(view.viewed[0].Mask, "Auto (*.txt)");
}

// A name without a folder is the current folder's, so its chooser opens
// there, not in the home folder; a name with a folder opens in its own.
TEST_F(BoxHandlers, ChoosersOpenWhereTheNameIs) {
  std::filesystem::create_directory(folder.File("work"));
  testing::CurrentFolderScope inWork(folder.File("work"));
  SetBoxes(folder.File("data/In.txt"), "Out.txt", "ScrJob.txt");
  controller.ChooseFile(TFileBox::Output);
  controller.ChooseFile(TFileBox::Script);
  controller.ChooseFile(TFileBox::Input);
  ASSERT_EQ(view.choosers.size(), 3u);
  EXPECT_EQ(view.choosers[0].Folder, folder.File("work/"));
  EXPECT_EQ(view.choosers[1].Folder, folder.File("work/"));
  EXPECT_EQ(view.choosers[2].Folder, folder.File("data/"));
}

TEST_F(BoxHandlers, ChoosingAFileFillsTheBox) {
  WriteFile(folder.File("ScrPicked.txt"), "OutEnd $Data\n");
  view.chooserReplies = {folder.File("ScrPicked.txt")};
  controller.ChooseFile(TFileBox::Script);
  controller.ChooseFile(TFileBox::Output);
  ASSERT_EQ(view.choosers.size(), 2u);
  EXPECT_EQ(view.choosers[0].Title, "Culler - Select Script File");
  EXPECT_EQ(view.choosers[0].Filter,
            "Script files (Scr*.txt)|Scr*.txt|Text files (*.txt)|*.txt|All files (*.*)|*.*");
  EXPECT_EQ(form[kCboScriptFile].Text, folder.File("ScrPicked.txt"));
  EXPECT_EQ(controller.ScriptState(), 'C');
  EXPECT_EQ(view.choosers[1].Title, "Culler - Select Output File");
  EXPECT_EQ(view.choosers[1].Filter,
            "All files (*.*)|*.*|Text files (*.txt)|*.txt|Comma-separated values (*.csv)|*.csv|Tab-delimited "
            "values "
            "(*.tab)|*.tab|Hypertext markup (*.htm; *.html)|*.htm;*.html");
  EXPECT_EQ(form[kCboOutputFile].Text, "Output.txt");  // cancelled: unchanged
}

}  // namespace
}  // namespace gleaner::testing
