#include "interface/help_entry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/engine_info.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "interface/command_line.h"
#include "interface/controller_fixture.h"
#include "interface/help_folders.h"
#include "platform/shell_port.h"
#include "script/values.h"
#include "viewer/text_browse.h"

namespace gleaner::testing {
namespace {

class FakeShell : public IShellPort {
 public:
  bool OpenAddress(const std::string&, std::string&) override { return false; }
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingFolder, std::string& error) override {
    started.push_back({program, arguments, workingFolder});
    error = "no such program";
    return succeed;
  }
  struct TStart {
    std::string Program;
    std::vector<std::string> Arguments;
    std::string Folder;
  };
  std::vector<TStart> started;
  bool succeed = true;
};

class HelpEntryTest : public ControllerTest {
 protected:
  HelpEntryTest() {
    StartUp();
    savedShell_ = SetShellPort(&shell);
  }
  ~HelpEntryTest() override { SetShellPort(savedShell_); }
  void Press() { ShowHelp(controller, Browser()); }
  std::string Browser() const { return folder.File("kestrascan"); }
  void WriteHelpFiles(bool application, bool browser) {
    if (application) WriteFile(folder.File("Help-Culler.txt"), "<H1>Culler</H1>\r\nSee <a href=\"#AUTABOUT\">About</a>\r\n");
    if (browser) WriteFile(Browser(), "");
  }

  FakeShell shell;

 private:
  IShellPort* savedShell_ = nullptr;
};

TEST_F(HelpEntryTest, ChoosingApplicationShowsTheHelpDocumentWithTheAboutSectionLast) {
  WriteHelpFiles(true, true);
  WriteFile(folder.File("ScrJob.txt"), "Main\r\n");
  WriteFile(folder.File("Help-ScrJob.txt"), "<h1>Job &amp; Script</h1>\r\n");
  form[kCboScriptFile].Text = "ScrJob.txt";
  view.topicReply = THelpTopic::Application;
  Press();
  ASSERT_EQ(view.choosersShown.size(), 1u);
  const THelpChooserLayout& layout = view.choosersShown[0];
  EXPECT_EQ(layout.Count, 3);
  EXPECT_EQ(layout.Script.Caption, "Job & Script");
  EXPECT_EQ(ReadText(kHelpTopicKey, ""), "Application");
  ASSERT_EQ(view.documents.size(), 1u);
  const TViewerSetup& shown = view.documents[0];
  EXPECT_EQ(shown.FileName, Home() + "Help-Culler.txt");
  EXPECT_EQ(shown.Title, "Culler Help");
  EXPECT_EQ(shown.Caption, "Culler - View Help");
  EXPECT_EQ(shown.SettingsName, "frmBrowseHelp");
  EXPECT_TRUE(shown.MarkupMode);
  ASSERT_GE(shown.ExtraLines.size(), 2u);
  EXPECT_EQ(shown.ExtraLines[1], "<A NAME=\"AUTABOUT\"><H1>About Culler</H1>");
  EXPECT_EQ(shown.ExtraLines.back(), "<HL>Output File</HL>            Text");
  EXPECT_EQ(BrowserFolderList(), Home());
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(HelpEntryTest, NothingPresentGoesStraightToTheMissingDocumentMessage) {
  Press();
  EXPECT_TRUE(view.choosersShown.empty());
  EXPECT_TRUE(view.documents.empty());
  EXPECT_EQ(view.shown, std::vector<std::string>{Home() + "Help-Culler.txt was not found"});
}

TEST_F(HelpEntryTest, ChoosingTheIndexStartsTheBrowserWithTheSearchPath) {
  WriteHelpFiles(true, true);
  SearchFolders() = {"/data/docs/", Home()};
  view.topicReply = THelpTopic::HelpIndex;
  Press();
  ASSERT_EQ(view.choosersShown.size(), 1u);
  EXPECT_FALSE(view.choosersShown[0].Script.Visible);
  EXPECT_EQ(ReadText(kHelpTopicKey, ""), "Help Index");
  ASSERT_EQ(shell.started.size(), 1u);
  EXPECT_EQ(shell.started[0].Program, Browser());
  EXPECT_EQ(shell.started[0].Arguments, std::vector<std::string>{"/D\"/data/docs/;" + Home() + "\""});
  EXPECT_EQ(shell.started[0].Folder, Home());
  // A browser that cannot start says so.
  shell.succeed = false;
  StartHelpIndex(view, Browser());
  EXPECT_EQ(view.shown.back(), Browser() + " could not be started: no such program");
}

TEST_F(HelpEntryTest, CancelShowsNothingAndKeepsTheStoredTopic) {
  WriteHelpFiles(true, true);
  WriteText(kHelpTopicKey, "Script");
  Press();
  EXPECT_EQ(view.choosersShown.size(), 1u);
  EXPECT_TRUE(view.documents.empty());
  EXPECT_TRUE(shell.started.empty());
  EXPECT_EQ(ReadText(kHelpTopicKey, ""), "Script");
}

TEST_F(HelpEntryTest, ScriptTopicShowsTheScriptHelpWithItsAboutSection) {
  WriteFile(folder.File("ScrJob.txt"), "Main\r\n");
  WriteFile(folder.File("Help-ScrJob.txt"), "<H1>Job Help</H1>\r\n");
  form[kCboScriptFile].Text = "ScrJob.txt";
  ScriptCfg() = TCfg{};
  ScriptCfg().Version = "3.1";
  Press();  // the script help is the only topic
  EXPECT_TRUE(view.choosersShown.empty());
  ASSERT_EQ(view.documents.size(), 1u);
  EXPECT_EQ(view.documents[0].FileName, Home() + "Help-ScrJob.txt");
  EXPECT_EQ(view.documents[0].Title, "Job Help");
  EXPECT_EQ(view.documents[0].SettingsName, "frmBrowseHelp");
  const std::vector<std::string>& lines = view.documents[0].ExtraLines;
  EXPECT_EQ(lines[1], "<A NAME=\"AUTABOUT\"><H1>About This Script</H1>");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "<HL>Version</HL>                3.1"), lines.end());
}

TEST_F(HelpEntryTest, BrowserFoldersListEachBoxFolderOnce) {
  WriteFile(folder.File("ScrJob.txt"), "Main\r\n");
  SetBoxes("/data/in/*.log", "+/data/out/Result.txt", "ScrJob.txt", "/data/in/Support.txt");
  EXPECT_EQ(BrowserFolders(form), Home() + ";/data/in/;/data/out/");
  // Keywords and names without a folder add nothing beyond the home folder.
  SetBoxes("Clipboard", "(File name generated automatically)", "None", "(Not used by this application)");
  EXPECT_EQ(BrowserFolders(form), Home());
  // A subfolder of the home folder is listed after it, not hidden by it.
  SetBoxes(Home() + "sub/In.txt", "Out.txt", "None", "");
  EXPECT_EQ(BrowserFolders(form), Home() + ";" + Home() + "sub/");
}

TEST_F(HelpEntryTest, SearchPathDialogOkReplacesTheListAndCancelKeepsIt) {
  SearchFolders() = {Home()};
  DefineSearchPath(view);  // cancelled
  EXPECT_EQ(SearchFolders(), std::vector<std::string>{Home()});
  view.editSearchPath = [](TSearchPathList& list) {
    EXPECT_FALSE(list.Add("/data/docs").has_value());
    list.MoveUp();
    return true;
  };
  DefineSearchPath(view);
  EXPECT_EQ(SearchFolders(), (std::vector<std::string>{"/data/docs/", Home()}));
  ASSERT_EQ(view.searchPathHelp.size(), 2u);
  const TViewerSetup& help = view.searchPathHelp[0];
  EXPECT_EQ(help.Title, "Search Path Help");
  EXPECT_EQ(help.SettingsName, "frmDSPHelp");
  EXPECT_FALSE(help.HasFile());
  for (const char* heading : {"<H1>The Define Search Path Dialog</H1>", "<H2>Introduction</H2>",
                              "<H2>How the Search Path Works</H2>", "<H2>Overriding the Search Path</H2>",
                              "<H2>Modifying the List</H2>", "<h2>Using the Search Path with Lookup Files</h2>"}) {
    EXPECT_NE(std::find(help.ExtraLines.begin(), help.ExtraLines.end(), heading), help.ExtraLines.end()) << heading;
  }
  const std::string homeLine = "<hl>" + Home() + "</hl>";
  EXPECT_NE(std::find(help.ExtraLines.begin(), help.ExtraLines.end(), homeLine), help.ExtraLines.end());
}

TEST_F(HelpEntryTest, F1RunsTheHelpOnceInstalled) {
  // Whether or not a browser stands beside the test program, Application
  // is one of the topics.
  WriteHelpFiles(true, false);
  view.topicReply = THelpTopic::Application;
  InstallHelp(controller);
  EXPECT_TRUE(controller.OnKey(1));
  ASSERT_EQ(view.documents.size(), 1u);
  EXPECT_EQ(view.documents[0].Title, "Culler Help");
}

}  // namespace
}  // namespace gleaner::testing
