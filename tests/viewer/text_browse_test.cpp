#include "viewer/text_browse.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "platform/shell_port.h"
#include "support/fake_ports.h"
#include "support/current_folder_scope.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::FakePorts;
using testing::TempFolder;
using testing::WriteFile;

// Records what the shell was asked to do; fails with `failure` when it is set.
class TFakeShell : public IShellPort {
 public:
  bool OpenAddress(const std::string& address, std::string& error) override {
    calls.push_back("open " + address);
    error = failure;
    return failure.empty();
  }
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& folder, std::string& error) override {
    std::string call = "start " + program;
    for (const std::string& argument : arguments) call += " [" + argument + "]";
    calls.push_back(call + " in " + folder);
    error = failure;
    return failure.empty();
  }
  std::vector<std::string> calls;
  std::string failure;
};

class TextBrowseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("GLEANER_HOME");
    InitHomeFolder(folder.File("culler"));
    savedIni = IniFileName();
    SetIniFileName(folder.File("Test.ini"));
    savedShell = SetShellPort(&shell);
  }
  void TearDown() override {
    SetShellPort(savedShell);
    SetIniFileName(savedIni);
  }
  TViewerSetup Setup(const std::string& bytes, bool markup = false) {
    WriteFile(folder.File("doc.txt"), bytes);
    TViewerSetup setup;
    setup.FileName = folder.File("doc.txt");
    setup.SettingsName = "frmTest";
    setup.MarkupMode = markup;
    return setup;
  }
  bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

  TempFolder folder;
  testing::CurrentFolderScope inFolder{folder.Path()};  // the user works in the home folder
  FakePorts ports;
  TFakeShell shell;
  IShellPort* savedShell = nullptr;
  std::string savedIni;
};

TEST_F(TextBrowseTest, StatusTexts) {
  TTextBrowse browse(Setup("one\ntwo\nthree\n"));
  browse.Load(true);
  EXPECT_TRUE(StartsWith(browse.LinesStatus(), "  3 lines, saved ")) << browse.LinesStatus();
  EXPECT_EQ(browse.GotoLineLabel(), "3 lines in file");
  EXPECT_EQ(browse.CaretStatus({0, 6, 0}), "2:3");
  EXPECT_EQ(browse.CaretStatus({0, 6, 4}), "2:3/4");
  browse.ToggleTextify();
  browse.ToggleWordWrap();
  EXPECT_EQ(browse.FlagsStatus(), "BW");

  TTextBrowse single(Setup("only"));
  single.Load(true);
  EXPECT_TRUE(StartsWith(single.LinesStatus(), "  1 line, saved "));
}

TEST_F(TextBrowseTest, LineLimitAndWidthComeFromTheSettings) {
  WriteInt("MaxAddLines", 2);
  WriteInt("frmTest.DisplayWidth", 123);  // not an offered width: 80
  TTextBrowse browse(Setup("1\n2\n3\n4\n" + std::string(120, 'x') + "\n"));
  browse.Load(true);
  EXPECT_EQ(browse.Document().Display.LineCount(), 3);
  EXPECT_TRUE(StartsWith(browse.LinesStatus(), "  2 lines shown (incomplete), saved "));
  EXPECT_EQ(browse.GotoLineLabel(), "2 lines available");

  WriteInt("MaxAddLines", 99999);
  browse.Load(true);
  EXPECT_EQ(browse.DisplayWidth(), 80);
  EXPECT_EQ(browse.Document().Display.Line(4).Text, std::string(80, 'x'));
  browse.ChangeDisplayWidth(150);
  browse.Load(true);
  EXPECT_EQ(browse.Document().Display.Line(4).Text, std::string(120, 'x'));
}

TEST_F(TextBrowseTest, ReloadsOnlyWhenTheFileChanged) {
  TTextBrowse browse(Setup("a"));
  EXPECT_TRUE(browse.NeedsReload());
  browse.Load(true);
  EXPECT_FALSE(browse.NeedsReload());
  const std::filesystem::path name = folder.File("doc.txt");
  std::filesystem::last_write_time(name, std::filesystem::last_write_time(name) + std::chrono::seconds(10));
  EXPECT_TRUE(browse.NeedsReload());

  TViewerSetup none;
  none.FileName = "None";
  TTextBrowse extraOnly(none);
  extraOnly.Load(true);
  EXPECT_FALSE(extraOnly.NeedsReload());
  EXPECT_EQ(extraOnly.LinesStatus(), "");
}

TEST_F(TextBrowseTest, FailedLoadIsNotRetriedUntilTheFileAppears) {
  TViewerSetup setup;
  setup.FileName = folder.File("late.txt");
  TTextBrowse browse(setup);
  browse.Load(true);
  EXPECT_EQ(ports.notice.texts, std::vector<std::string>{folder.File("late.txt") + " not found  "});
  EXPECT_FALSE(browse.IsLoading());
  EXPECT_FALSE(browse.NeedsReload());
  WriteFile(folder.File("late.txt"), "now");
  EXPECT_TRUE(browse.NeedsReload());
}

TEST_F(TextBrowseTest, EscDuringTheLoadStopsIt) {
  TTextBrowse browse(Setup(std::string(5000, 'x') + "\n"));
  ports.pump.onPump = [&browse](int) { browse.RequestStop(); };
  browse.Load(true);
  EXPECT_EQ(ports.pump.calls, 1);
  const TTextDisplay& display = browse.Document().Display;
  EXPECT_EQ(display.LineCount(), 2048 / 80 + 1);
  EXPECT_EQ(display.Line(display.LineCount() - 1).Text, MarkerLine(kInterruptedMarker));
  EXPECT_TRUE(browse.Document().Incomplete);
}

TEST_F(TextBrowseTest, WhileLoadingOnlyTheStopActs) {
  TTextBrowse browse(Setup(std::string(5000, 'x')));
  ASSERT_TRUE(browse.BeginLoad(true));
  EXPECT_FALSE(browse.BeginLoad(true));
  EXPECT_FALSE(browse.NeedsReload());
  EXPECT_FALSE(browse.RequestClose());
  EXPECT_FALSE(browse.LoadStep());
  browse.EndLoad();
  EXPECT_EQ(browse.Document().Display.Line(0).Text, MarkerLine(kInterruptedMarker));
  EXPECT_TRUE(browse.CloseRequested());
  EXPECT_TRUE(browse.RequestClose());
}

TEST_F(TextBrowseTest, FindSelectsTheMatchTwoLinesBelowTheTop) {
  TTextBrowse browse(Setup("alpha\nbeta\ngamma\ndelta\nBeta two\n"));
  browse.Load(true);
  const TViewPosition start{0, 0, 0};
  EXPECT_FALSE(browse.FindAgain(start));  // nothing saved yet
  const auto first = browse.Find({"beta", false, false}, start);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Caret, 6);
  EXPECT_EQ(first->SelectionLength, 4);
  EXPECT_EQ(first->FirstVisibleLine, 1);
  const auto again = browse.FindAgain(*first);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Caret, browse.Document().Display.LineStart(4));
  EXPECT_EQ(again->FirstVisibleLine, 2);
  EXPECT_EQ(browse.History().Count(), 2);
  EXPECT_EQ(ReadText("frmTBFind.edtFindText", ""), "beta");

  EXPECT_FALSE(browse.Find({"bet", false, true}, start));
  EXPECT_EQ(ports.notice.texts, std::vector<std::string>{"\"bet\" not found  "});
  EXPECT_EQ(browse.History().Count(), 2);
  EXPECT_EQ(browse.Back()->Caret, first->Caret);
  browse.Load(false);
  EXPECT_FALSE(browse.Back());  // a load clears the history
}

TEST_F(TextBrowseTest, GoToLine) {
  TTextBrowse browse(Setup("a\nb\nc\nd\n"));
  browse.Load(true);
  const std::pair<const char*, int> cases[] = {{"0", 0}, {"abc", 0}, {" 3 ", 2}, {"99999", 4}};
  for (const auto& [input, line] : cases) {
    const auto position = browse.GoToLine(input);
    ASSERT_TRUE(position) << input;
    EXPECT_EQ(position->FirstVisibleLine, line) << input;
    EXPECT_EQ(position->Caret, browse.Document().Display.LineStart(line)) << input;
  }
  EXPECT_FALSE(browse.GoToLine(""));
  EXPECT_EQ(ReadText("frmTBLineNum.medGotoLine", ""), "99999");
}

TEST_F(TextBrowseTest, OptionsSaveTheLineLimitAndWarning) {
  TTextBrowse browse(Setup("a"));
  browse.Load(true);
  browse.ApplyOptions({true, true, false, " 1-000. "});
  EXPECT_EQ(ReadInt("MaxAddLines", 0), 1000);
  EXPECT_FALSE(ReadBool("TooLarging", true));
  EXPECT_TRUE(browse.WordWrap());
  browse.ApplyOptions({false, true, false, "lots"});
  EXPECT_EQ(ReadInt("MaxAddLines", 0), 1000);
  EXPECT_TRUE(browse.RequestClose());
  EXPECT_FALSE(browse.WordWrap());  // back to the value at opening
}

class LinkFollowTest : public TextBrowseTest {
 protected:
  void Open(bool wordWrap = false) {
    TViewerSetup setup = Setup(
        "<A NAME=\"Intro\">Intro text\n"
        "<A HREF=\"#intro\">go</A> and <A HREF=\"#missing\">bad</A>\n"
        "<A HREF=\"#AUTABOUT\">about</A>\n"
        "<A HREF=\"http://Example.com/X\">web</A>\n"
        "<A HREF=\"EXEC:tool arg\">run</A>\n"
        "<A HREF=\"KESTRA://other.txt|Other\">doc</A>\n"
        "<A HREF=\"#intro\">" +
            std::string(70, 'w') + " tail words</A>\n",
        true);
    setup.WordWrap = wordWrap;
    setup.SearchPath = "/nowhere;";
    browse = std::make_unique<TTextBrowse>(setup);
    browse->Load(true);
  }
  // A click that leaves the caret after the given column of a line.
  TLinkOutcome Click(int line, int column, std::int64_t selection = 0) {
    const std::int64_t caret = browse->Document().Display.LineStart(line) + column;
    return browse->FollowLink({line, caret, selection});
  }
  std::unique_ptr<TTextBrowse> browse;
};

TEST_F(LinkFollowTest, AnchorLinksJumpAndRememberTheLinkStart) {
  Open();
  for (int column : {2, 9}) {  // in "go", and in "bad": the line's first link counts
    const TLinkOutcome outcome = Click(1, column);
    ASSERT_TRUE(outcome.Position);
    EXPECT_EQ(outcome.Position->FirstVisibleLine, 0);
    EXPECT_EQ(outcome.Position->Caret, 0);
  }
  EXPECT_EQ(browse->Back()->Caret, browse->Document().Display.LineStart(1) + 7);
  EXPECT_FALSE(Click(1, 5).Position);     // " and " is no link
  EXPECT_FALSE(Click(1, 2, 1).Position);  // a selection is no click
}

TEST_F(LinkFollowTest, MissingAboutAnchorExplainsItself) {
  Open();
  const TLinkOutcome about = Click(2, 3);
  EXPECT_EQ(about.Position->Caret, browse->Document().Display.LineStart(2));
  EXPECT_EQ(ports.notice.texts,
            std::vector<std::string>{"This \"About\" section is normally added automatically \r\n"
                                     "by the application or script this document describes,\r\n"
                                     "but since you are viewing the file directly the link\r\n"
                                     "is not available.  "});
  EXPECT_EQ(browse->History().Count(), 0);
}

TEST_F(LinkFollowTest, AddressesAndProgramsGoToTheShell) {
  Open();
  Click(3, 1);
  Click(4, 1);
  EXPECT_EQ(shell.calls,
            (std::vector<std::string>{"open http://Example.com/X",
                                      "start " + HomeFolder() + "tool [arg] in " + HomeFolder()}));
  shell.failure = "No such file or directory";
  Click(4, 1);
  EXPECT_EQ(ports.notice.texts, std::vector<std::string>{"Could not start " + HomeFolder() +
                                                         "tool\r\nNo such file or directory  "});
}

TEST_F(LinkFollowTest, DocumentLinksAskForANewWindow) {
  Open();
  const TLinkOutcome outcome = Click(5, 1);
  ASSERT_TRUE(outcome.OpenWindow);
  const TViewerSetup& linked = *outcome.OpenWindow;
  EXPECT_EQ(linked.FileName + "|" + linked.Title + "|" + linked.Caption + "|" + linked.SettingsName,
            HomeFolder() + "other.txt|Other|Linked file|frmLinkFile");
  EXPECT_TRUE(linked.MarkupMode && linked.WordWrap);
}

TEST_F(LinkFollowTest, WrappedLinkWorksFromItsSecondLine) {
  Open(true);
  ASSERT_EQ(browse->Document().Display.Line(7).Text, "words");
  const TLinkOutcome outcome = Click(7, 2);
  ASSERT_TRUE(outcome.Position);
  EXPECT_EQ(outcome.Position->FirstVisibleLine, 0);
}

}  // namespace
}  // namespace gleaner
