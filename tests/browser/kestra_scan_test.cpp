#include "browser/kestra_scan.h"

#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "viewer/text_browse.h"

namespace gleaner {
namespace {

using testing::FakePorts;
using testing::TempFolder;
using testing::WriteFile;

class KestraScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Eng().InternalCall = false;
    savedIni = IniFileName();
    savedCaption = NoticeCaption();
  }
  void TearDown() override {
    SetIniFileName(savedIni);
    SetNoticeCaption(savedCaption);
  }
  TempFolder home;
  FakePorts ports;
  std::string savedIni;
  std::string savedCaption;
};

TEST_F(KestraScanTest, SwitchesAndTheirMessage) {
  const TBrowserSwitches plain = ReadBrowserSwitches({"x", "/", "-p-", "\\W\"Doc-*.txt\""}, "/h/");
  EXPECT_EQ(plain.FolderList, "/h/\r");
  EXPECT_FALSE(plain.ReadTitles);
  EXPECT_EQ(plain.Wildcard, "Doc-*.txt");
  EXPECT_EQ(plain.Unrecognized, "");

  const TBrowserSwitches odd = ReadBrowserSwitches({"/pYes", "/q", "-Z1", "/?", "/D\"/srv\""}, "/h/");
  EXPECT_TRUE(odd.ReadTitles);
  EXPECT_TRUE(odd.ShowOwnHelp);
  EXPECT_EQ(odd.FolderList, "/srv/\r/h/\r");
  EXPECT_EQ(odd.Wildcard, "Help-*.txt");
  EXPECT_EQ(UnrecognizedSwitchesMessage(odd.Unrecognized),
            "Unrecognized command-line switches are ignored\r\n\r\nYou used:  /Q /Z ");
  EXPECT_EQ(UnrecognizedSwitchesMessage(""), "");
}

// --help and -h are /? in the window; --version, and --help where no window
// can open, are answered on standard output instead.
TEST_F(KestraScanTest, UnixHelpAndVersionSwitches) {
  for (const char* help : {"--help", "-h"}) {
    const TBrowserSwitches switches = ReadBrowserSwitches({help}, "/h/");
    EXPECT_TRUE(switches.ShowOwnHelp) << help;
    EXPECT_EQ(switches.Unrecognized, "") << help;
    EXPECT_EQ(TerminalAnswer({help}, true), std::nullopt) << help;
    const std::optional<std::string> usage = TerminalAnswer({"/P-", help}, false);
    ASSERT_TRUE(usage.has_value()) << help;
    EXPECT_EQ(
        usage->substr(0, usage->find('\n')),
        "KestraScan lists help documents by title and opens them in the file viewer; it needs a display.");
    EXPECT_NE(usage->find("\n  /W\"pattern\"        the file pattern to look for (default: Help-*.txt)\n"),
              std::string::npos);
  }
  const std::string version = "KestraScan 1.10.00 (Gleaner Engine 4.50.02)\n";
  EXPECT_EQ(TerminalAnswer({"/?", "--version"}, true), version);
  EXPECT_EQ(TerminalAnswer({"--help", "--version"}, false), version);
  EXPECT_EQ(ReadBrowserSwitches({"--version"}, "/h/").Unrecognized, "");
  EXPECT_EQ(TerminalAnswer({"/?", "/D/srv"}, false), std::nullopt);  // "/?" keeps to the window
  EXPECT_EQ(ReadBrowserSwitches({"--verbose"}, "/h/").Unrecognized, "-");
}

TEST_F(KestraScanTest, StartStampsTheFirstRunOnceAndReportsSwitches) {
  TKestraScan scan(home.Path());
  scan.Start({"/x"});
  EXPECT_TRUE(ports.notice.texts.empty());
  scan.ReportSwitches();
  EXPECT_EQ(IniFileName(), home.File("KestraScan.ini"));
  const std::string stamp = ReadTextIn("Information", "FirstRun", "");
  EXPECT_EQ(stamp.size(), 11u);
  EXPECT_EQ(stamp[6], '-');
  EXPECT_EQ(ports.notice.captions, std::vector<std::string>{"KestraScan"});
  EXPECT_EQ(
      ports.notice.texts,
      std::vector<std::string>{"Unrecognized command-line switches are ignored\r\n\r\nYou used:  /X   "});

  WriteTextIn("Information", "FirstRun", "010101-0000");
  TKestraScan again(home.Path());
  again.Start({});
  again.ReportSwitches();
  EXPECT_EQ(ReadTextIn("Information", "FirstRun", ""), "010101-0000");
  EXPECT_EQ(ports.notice.texts.size(), 1u);
}

TEST_F(KestraScanTest, SortChoiceSurvivesBetweenRuns) {
  TKestraScan scan(home.Path());
  scan.Start({});
  EXPECT_EQ(scan.Order(), TListOrder::ByName);
  scan.SetOrder(TListOrder::ByFolder);
  scan.Close();
  EXPECT_EQ(ReadText("SortListBy", ""), "F");
  TKestraScan next(home.Path());
  next.Start({});
  EXPECT_EQ(next.Order(), TListOrder::ByFolder);
  WriteText("SortListBy", "x");  // anything but "N" groups by folder
  next.Start({});
  EXPECT_EQ(next.Order(), TListOrder::ByFolder);
}

TEST_F(KestraScanTest, ViewerWindowsFollowTheReadTitlesFlag) {
  TKestraScan scan(home.Path());
  scan.Start({"/D/srv/docs", "/P-", "/?"});
  const TViewerSetup setup = scan.DocumentViewer({"Title", "/srv/docs/Help-A.txt"});
  EXPECT_EQ(setup.FileName + "|" + setup.Title + "|" + setup.Caption + "|" + setup.SettingsName,
            "/srv/docs/Help-A.txt|Title|/srv/docs/Help-A.txt|frmKestraScan");
  EXPECT_FALSE(setup.MarkupMode || setup.WordWrap);
  EXPECT_EQ(setup.BackgroundColour, 0xFAFFFFu);
  EXPECT_EQ(setup.SearchPath, "/srv/docs/\r" + home.Path() + "\r");
  EXPECT_EQ(BrowserFolderList(), "/srv/docs/;" + home.Path() + ";");

  EXPECT_TRUE(scan.TakeShowOwnHelp());
  EXPECT_FALSE(scan.TakeShowOwnHelp());
  const TViewerSetup help = scan.OwnHelpViewer();
  EXPECT_EQ(help.FileName + "|" + help.Title, home.File("Help-KestraScan.txt") + "|KestraScan Help");
}

TEST_F(KestraScanTest, InstalledCopyListsAndOpensItsShippedDocuments) {
  TempFolder shipped;
  WriteFile(shipped.File("Help-KestraScan.txt"), "<H1>Shipped</H1>");
  WriteFile(shipped.File("Help-Shipped.txt"), "<H1>From the package</H1>");
  UseHomeFolders({home.Path(), shipped.Path(), true});
  struct TBackToBuildCopy {
    ~TBackToBuildCopy() { InitHomeFolder(""); }
  } backToBuildCopy;  // also when an assertion ends the test early
  EXPECT_EQ(ReadBrowserSwitches({}, "/h/").FolderList, "/h/\r" + shipped.Path() + "\r");
  EXPECT_EQ(ReadBrowserSwitches({"/D" + shipped.Path()}, "/h/").FolderList, shipped.Path() + "\r/h/\r");
  TKestraScan scan(home.Path());
  scan.Start({});
  const std::vector<TListInfo> list = scan.Rebuild();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Path, shipped.File("Help-Shipped.txt"));
  EXPECT_EQ(scan.OwnHelpViewer().FileName, shipped.File("Help-KestraScan.txt"));
  WriteFile(home.File("Help-KestraScan.txt"), "<H1>Own</H1>");  // the user's copy wins
  EXPECT_EQ(scan.OwnHelpViewer().FileName, home.File("Help-KestraScan.txt"));
}

TEST_F(KestraScanTest, AboutTextAndList) {
  WriteFile(home.File("Help-One.txt"), "<H1>One &amp; only</H1>");
  TKestraScan scan(home.Path());
  scan.Start({});
  EXPECT_EQ(scan.AboutText(),
            "KestraScan Version 1.10.00\r\nCopyright (c) 2026 Gleaner developers   \r\n\r\n"
            "TextBrowse Version 4.10.00\r\nCopyright (c) 2026 Gleaner developers   \r\n\r\n"
            "Search path:\r\n" +
                home.Path() + "\r");
  const auto list = scan.Rebuild();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Title, "One & only");
}

}  // namespace
}  // namespace gleaner
