// Culler's main form driven as a user would: the first start, typing and
// Start, the busy display and Cancel, the overwrite question, the close
// modes, the report form, the help text window and the clipboard.
#include "gui/culler/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "engine/engine_state.h"
#include "foundation/settings_store.h"
#include "gui/common/qt_ports.h"
#include "gui/culler/culler_window_fixture.h"
#include "gui/culler/help_window.h"
#include "gui/culler/report_form.h"
#include "gui/viewer/text_browse_window.h"

namespace gleaner::testing {
namespace {

using culler::TfrmHelpWindow;
using culler::TReportForm;

class CullerWindow : public CullerWindowTest {
 protected:
  CullerWindow() { WriteFile(home.File("In.txt"), "alpha\r\nbeta\r\n"); }
  bool Shown(const char* name) { return Control(name).isVisibleTo(&Window()); }
  std::vector<std::string> Kinds() const {
    std::vector<std::string> kinds;
    for (const TDialogSeen& seen : dialogs) kinds.push_back(seen.Kind);
    return kinds;
  }
};

TEST_F(CullerWindow, FirstStartShowsTheDefaultsWithTheirCaptionsAndHints) {
  Open({});
  for (const auto& [name, control] : Window().Form().Controls()) {
    EXPECT_NE(Window().findChild<QWidget*>(QString::fromStdString(name)), nullptr) << name;
  }
  EXPECT_EQ(Window().windowTitle(), "Culler - Parsing Parameters");
  EXPECT_EQ(BoxText(kCboInputFile), "ThingsToDo.txt");
  EXPECT_EQ(BoxText(kCboOutputFile), "Output.txt");
  EXPECT_EQ(BoxText(kCboScriptFile), "None");
  EXPECT_EQ(Control(kCboInputFile).toolTip(), "Input file name, wildcard or wildcard list");
  EXPECT_EQ(Control(kCboOutputFile).toolTip(), "Output file - does NOT consult Search Path");
  EXPECT_EQ(Control<QLabel>(kLblOutputFile).text(), "&Output file");
  EXPECT_EQ(Control(kLblOutputFile).toolTip(), "Click to copy input path");
  EXPECT_EQ(Control<QLabel>(kLblParameterX).text(), "/&Keep list");
  EXPECT_EQ(Control(kCboParameterX).toolTip(), "Terms whose lines should be kept (example: /cat/moose)");
  auto& autoview = Control<QCheckBox>(kChkBrowseOutput);
  EXPECT_EQ(autoview.text(), " &Autoview");
  EXPECT_EQ(autoview.toolTip(), "View the output file after processing");
  EXPECT_TRUE(autoview.isChecked());
  EXPECT_EQ(Control<QCheckBox>(kChkAppendOutput).text(), "App&end");
  EXPECT_FALSE(Control<QCheckBox>(kChkAppendOutput).isChecked());
  EXPECT_EQ(Control<QPushButton>(kBtnCancel).text(), "&Cancel");
  EXPECT_EQ(Control<QPushButton>(kBtnOptions).text(), "Path");
  EXPECT_TRUE(Control(kBtnStart).isEnabled());
  EXPECT_FALSE(Shown(kBtnCancel) || Shown(kBarProgress) || Shown(kLblBytesIn) || Shown(kLblShowNote));
  EXPECT_TRUE(Shown(kImgBanner) && Shown(kBtnNavInput));
  EXPECT_FALSE(Control<QLabel>(kImgBanner).pixmap().isNull());
  EXPECT_EQ(Window().Timer(TTimer::AutoStart).interval(), 50);
  EXPECT_EQ(Window().Timer(TTimer::Progress).interval(), 100);
  EXPECT_EQ(Window().Timer(TTimer::RunConfig).interval(), 25);
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(CullerWindow, TheConfigSectionCaptionsTheOptionAndALogoReplacesTheBanner) {
  WriteFile(home.File("ScrCfg.txt"), "Config\n$CfgCaptionX = 'Keep &words'\n$CfgEnableOptionY = 'N'\nEnd\n");
  QImage logo(12, 7, QImage::Format_RGB32);
  logo.fill(Qt::red);
  ASSERT_TRUE(logo.save(QString::fromStdString(home.File("Logo-Culler.bmp")), "BMP"));
  Open({"/SScrCfg.txt"});
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Control<QLabel>(kLblParameterX).text(), "Keep &words");
  EXPECT_FALSE(Control(kCboParameterY).isEnabled());
  EXPECT_EQ(BoxText(kCboParameterY), "(Not used by this application)");
  EXPECT_EQ(Control<QLabel>(kImgBanner).pixmap().size(), QSize(12, 7));
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(CullerWindow, AutoviewShowsTheOutputInTheViewerAfterTheRun) {
  Open({"/IIn.txt", "/OOut.txt", "/SNone", "/AY", "/R"});
  ASSERT_TRUE(WaitUntilIdle());
  std::vector<TfrmTextBrowse*> viewers;  // (the window class has no meta-object of its own)
  for (QWidget* child : Window().findChildren<QWidget*>()) {
    if (auto* viewer = dynamic_cast<TfrmTextBrowse*>(child)) viewers.push_back(viewer);
  }
  ASSERT_EQ(viewers.size(), 1u);
  EXPECT_EQ(viewers[0]->windowTitle(), "Culler - View Output");
  EXPECT_EQ(viewers[0]->Browse().Setup().FileName, home.File("Out.txt"));
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(CullerWindow, TypedNamesAndStartRunTheJob) {
  Open({});
  Type(kCboInputFile, "In.txt");
  Type(kCboOutputFile, "+Result.txt");  // a leading "+" means Append
  EXPECT_EQ(BoxText(kCboOutputFile), "Result.txt");
  EXPECT_TRUE(Control<QCheckBox>(kChkAppendOutput).isChecked());
  Type(kCboOutputFile, "");
  EXPECT_FALSE(Control(kBtnStart).isEnabled());
  Type(kCboOutputFile, "Result.txt");
  QTest::mouseClick(&Control<QCheckBox>(kChkBrowseOutput), Qt::LeftButton);
  EXPECT_FALSE(Window().Form()[kChkBrowseOutput].Checked);
  QTest::mouseClick(&Control<QPushButton>(kBtnStart), Qt::LeftButton);
  EXPECT_TRUE(Window().Timer(TTimer::AutoStart).isActive());
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(ReadFile(home.File("Result.txt")), "alpha\r\nbeta\r\n");
  EXPECT_TRUE(FileExists(home.File("Culler-Log.txt")));
  EXPECT_TRUE(dialogs.empty());
  // F9 starts again, with the same names.
  WriteFile(home.File("In.txt"), "gamma\r\n");
  QTest::keyClick(&Window(), Qt::Key_F9);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(ReadFile(home.File("Result.txt")), "alpha\r\nbeta\r\ngamma\r\n");
}

TEST_F(CullerWindow, TheBusyDisplayShowsDuringARunAndCancelKeepsTheOutput) {
  std::string big;
  for (int i = 0; i < 3000000; ++i) big += "line " + std::to_string(i) + "\r\n";
  WriteFile(home.File("Big.txt"), big);
  const TQtPorts qtPorts;  // events are processed during the run
  Open({"/IBig.txt", "/OOut.txt", "/SNone", "/AN"});
  std::map<std::string, bool> during;
  QTimer watch;
  watch.setInterval(5);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!Window().Form()[kBtnCancel].Visible || Eng().BytesOut == 0 || !during.empty()) return;
    for (const char* name : {kBtnCancel, kBarProgress, kLblBytesIn, kLblBytesOut, kLblShowNote, kImgBanner,
                             kBtnNavInput}) {
      during[name] = Shown(name);
    }
    during["btnStart enabled"] = Control(kBtnStart).isEnabled();
    during["cboInputFile enabled"] = Control(kCboInputFile).isEnabled();
    QTest::mouseClick(&Control<QPushButton>(kBtnCancel), Qt::LeftButton);
  });
  watch.start();
  QTest::mouseClick(&Control<QPushButton>(kBtnStart), Qt::LeftButton);
  ASSERT_TRUE(WaitUntilIdle());
  const std::map<std::string, bool> expected = {
      {kBtnCancel, true},  {kBarProgress, true},           {kLblBytesIn, true},
      {kLblBytesOut, true}, {kLblShowNote, true},          {kImgBanner, false},
      {kBtnNavInput, false}, {"btnStart enabled", false},   {"cboInputFile enabled", false}};
  EXPECT_EQ(during, expected);
  ASSERT_EQ(Kinds(), std::vector<std::string>{"message"});
  EXPECT_EQ(dialogs[0].Text, "Processing cancelled\n\nOutput may be incomplete  ");
  EXPECT_EQ(dialogs[0].Title, "Culler");
  const std::string out = ReadFile(home.File("Out.txt"));
  EXPECT_GT(out.size(), 0u);
  EXPECT_LT(out.size(), big.size());
  EXPECT_EQ(big.compare(0, out.size(), out), 0);
  EXPECT_FALSE(Shown(kBtnCancel) || Shown(kBarProgress));
  EXPECT_TRUE(Shown(kImgBanner) && Control(kBtnStart).isEnabled());
}

TEST_F(CullerWindow, ClosingTheFormDuringARunCancelsItAndClosesAfterwards) {
  std::string lines;
  for (int i = 0; i < 3000000; ++i) lines += "row " + std::to_string(i) + "\r\n";
  WriteFile(home.File("Big.txt"), lines);
  const TQtPorts qtPorts;
  Open({"/IBig.txt", "/OOut.txt", "/SNone", "/AN"});
  int closed = 0;
  Window().OnClosed = [&] { ++closed; };
  bool openWhileBusy = false;
  QTimer watch;
  watch.setInterval(5);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (Eng().BytesOut == 0 || openWhileBusy || closed > 0) return;
    Window().close();
    openWhileBusy = Window().isVisible();
  });
  watch.start();
  QTest::mouseClick(&Control<QPushButton>(kBtnStart), Qt::LeftButton);
  ASSERT_TRUE(WaitUntil([&] { return closed > 0; }));
  EXPECT_TRUE(openWhileBusy);
  EXPECT_FALSE(Window().isVisible());
  ASSERT_EQ(Kinds(), std::vector<std::string>{"message"});
  EXPECT_EQ(dialogs[0].Text, "Processing cancelled\n\nOutput may be incomplete  ");
  EXPECT_LT(ReadFile(home.File("Out.txt")).size(), lines.size());
}

TEST_F(CullerWindow, ACompileErrorShowsTheReportFormAndWritesTheErrorLog) {
  WriteFile(home.File("ScrBad.txt"), "OutEnd $OutData\r\n\r\nX Output 'b'\r\n");
  std::map<std::string, QString> labels;
  onDialog = [&](TDialogSeen& seen) {
    for (const char* name : {"lblBanner", "lblErrorCategory", "lblErrorDescription", "lblErrorCode", "lblStep"}) {
      labels[name] = seen.Dialog->findChild<QLabel*>(name)->text();
    }
    return int(QDialog::Accepted);
  };
  Open({"/IIn.txt", "/OOut.txt", "/SScrBad.txt", "/R"});
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(Kinds(), std::vector<std::string>{"report"});
  EXPECT_EQ(dialogs[0].Title, "Culler - Error Report");
  EXPECT_EQ(dialogs[0].Text,
            "Script compilation error\n\nLine 3 of ScrBad.txt:\nX Output 'b'\n\n"
            "Variable is followed by a command that does not return a value:\nOutput");
  const std::map<std::string, QString> expected = {{"lblBanner", "Processing Halted"},
                                                   {"lblErrorCategory", "Compilation errors"},
                                                   {"lblErrorDescription", "Could not compile script"},
                                                   {"lblErrorCode", "240"},
                                                   {"lblStep", "Script line 3"}};
  EXPECT_EQ(labels, expected);
  EXPECT_TRUE(Window().ReportForm().Message().isReadOnly());
  EXPECT_NE(ReadFile(home.File("Culler-Error.txt")).find("Could not compile script"), std::string::npos);
  EXPECT_FALSE(FileExists(home.File("Out.txt")));  // the failed Config run dropped the start
  EXPECT_FALSE(ReadTextIn(kWindowSection, "frmCrashAndStop.Width", "").empty());  // its place is kept
}

TEST_F(CullerWindow, OverwritingAScriptFileIsAskedAndCancelAbandonsTheStart) {
  WriteFile(home.File("ScrJobs.txt"), "keep me\r\n");
  answerOk = false;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  onDialog = [&](TDialogSeen& seen) {
    auto& box = static_cast<QMessageBox&>(*seen.Dialog);
    defaultButton = box.standardButton(box.defaultButton());
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    return int(QMessageBox::Cancel);
  };
  Open({"/IIn.txt", "/OScrJobs.txt", "/SNone", "/EN", "/R"});
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(Kinds(), std::vector<std::string>{"question"});
  EXPECT_EQ(dialogs[0].Title, "Culler");
  EXPECT_EQ(dialogs[0].Text,
            " \nYou are about to overwrite a file whose    \nname suggests that it is a Script file.\n\n"
            "Do you want to proceed?\n ");
  EXPECT_EQ(defaultButton, QMessageBox::Cancel);
  EXPECT_EQ(ReadFile(home.File("ScrJobs.txt")), "keep me\r\n");
  EXPECT_FALSE(FileExists(home.File("Culler-Log.txt")));
  EXPECT_TRUE(Window().isVisible());
}

TEST_F(CullerWindow, CloseIfSuccessfulClosesAfterSuccessAndStaysOpenAfterAnError) {
  int closed = 0;
  Open({"/IIn.txt", "/OOut.txt", "/SNone", "/R", "/CS"});
  Window().OnClosed = [&] { ++closed; };
  ASSERT_TRUE(WaitUntil([&] { return closed > 0; }));
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(ReadFile(home.File("Out.txt")), "alpha\r\nbeta\r\n");

  WriteFile(home.File("In.txt"), "1\r\nx\r\n");
  WriteFile(home.File("ScrSum.txt"), "TaskInit\r\nSum = 0\r\nEnd\r\nInc Sum $OutData\r\nOutEnd Sum\r\n");
  closed = 0;
  Open({"/IIn.txt", "/OOut.txt", "/SScrSum.txt", "/R", "/CS"});
  Window().OnClosed = [&] { ++closed; };
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(Kinds(), std::vector<std::string>{"report"});
  ProcessEvents();
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(closed, 0);
  QTest::mouseClick(&Control<QPushButton>(kBtnExit), Qt::LeftButton);
  EXPECT_EQ(closed, 1);
}

TEST_F(CullerWindow, TheCommandLineHelpOpensInTheHelpWindowAndTheFormStillOpens) {
  QString firstLine;
  QTextCharFormat heading;
  QTextCharFormat body;
  onDialog = [&](TDialogSeen& seen) {
    const QTextDocument& page = *static_cast<TfrmHelpWindow*>(seen.Dialog)->Info().document();
    firstLine = page.firstBlock().text();
    heading = page.firstBlock().begin().fragment().charFormat();
    body = page.findBlockByNumber(3).begin().fragment().charFormat();
    return int(QDialog::Accepted);
  };
  Open({"/?", "/Q"});
  ASSERT_EQ(Kinds(), (std::vector<std::string>{"help", "help"}));
  EXPECT_EQ(dialogs[0].Text, "Culler - Command Line Help");
  EXPECT_EQ(dialogs[1].Text, "Unrecognized command-line switch:  /Q");
  EXPECT_EQ(firstLine, "Command Line Parameter Summary");
  EXPECT_EQ(heading.fontWeight(), QFont::Bold);
  EXPECT_EQ(heading.font().family(), "Arial");
  EXPECT_GT(heading.font().pointSizeF(), body.font().pointSizeF());
  EXPECT_EQ(heading.foreground().color(), QColor(0, 0, 0x70));
  EXPECT_NE(body.fontWeight(), QFont::Bold);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_FALSE(Window().Timer(TTimer::AutoStart).isActive());
}

TEST_F(CullerWindow, FileChoosersHaveTheirTitlesAndFiltersAndCancelChangesNothing) {
  QStringList filters;
  onDialog = [&](TDialogSeen& seen) {
    auto& chooser = static_cast<QFileDialog&>(*seen.Dialog);
    filters = chooser.nameFilters();
    if (seen.Title.contains("Script")) return int(QDialog::Rejected);
    chooser.selectFile(QString::fromStdString(home.File("In.txt")));
    return int(QDialog::Accepted);
  };
  Open({});
  QTest::mouseClick(&Control(kBtnNavScript), Qt::LeftButton);
  EXPECT_EQ(BoxText(kCboScriptFile), "None");
  EXPECT_EQ(filters, (QStringList{"Script files (Scr*.txt)", "Text files (*.txt)", "All files (*)"}));
  QTest::mouseClick(&Control(kBtnNavInput), Qt::LeftButton);
  EXPECT_EQ(BoxText(kCboInputFile), QString::fromStdString(home.File("In.txt")));
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0].Title, "Culler - Select Script File");
  EXPECT_EQ(dialogs[1].Title, "Culler - Select Input File");
  EXPECT_EQ(filters.size(), 4);
}

TEST_F(CullerWindow, TheClipboardIsReadAsInputAndGetsTheOutput) {
  const TQtPorts qtPorts;
  QApplication::clipboard()->setText("one\ntwo\n");
  Open({"/IClipboard", "/OClipboard", "/SNone", "/AN", "/R"});
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_TRUE(dialogs.empty());
  EXPECT_EQ(QApplication::clipboard()->text(), "one\r\ntwo\r\n");
}

}  // namespace
}  // namespace gleaner::testing
