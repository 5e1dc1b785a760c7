// Culler's main form under the keyboard and assistive tools: a run started
// with Enter or F9 holds its busy display, with the focus on Cancel and Esc
// cancelling; Enter presses the focused button or stands for Start; a box
// holds what was typed, letter for letter; the check boxes follow their state
// however it changes.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "engine/engine_state.h"
#include "gui/common/qt_ports.h"
#include "gui/culler/culler_window_fixture.h"
#include "gui/viewer/text_browse_window.h"

namespace gleaner::testing {
namespace {

class CullerKeys : public CullerWindowTest {
 protected:
  CullerKeys() { WriteFile(home.File("In.txt"), "alpha\r\nbeta\r\n"); }
  // Keys and focus changes reach only the active window.
  TfrmStartUp& OpenActive(const std::vector<std::string>& params) {
    Open(params);
    QApplication::setActiveWindow(&Window());
    return Window();
  }
  static std::vector<TfrmTextBrowse*> Viewers() {
    std::vector<TfrmTextBrowse*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* viewer = dynamic_cast<TfrmTextBrowse*>(widget); viewer != nullptr && viewer->isVisible()) {
        found.push_back(viewer);
      }
    }
    return found;
  }
};

TEST_F(CullerKeys, AKeyboardStartHoldsTheBusyDisplayWithTheFocusOnCancelAndEscCancels) {
  std::string big;
  for (int i = 0; i < 1000000; ++i) big += "line " + std::to_string(i) + "\r\n";
  WriteFile(home.File("Big.txt"), big);
  const TQtPorts qtPorts;  // events are processed during the run
  for (const bool enter : {true, false}) {
    SCOPED_TRACE(enter ? "Enter in the output box" : "F9 in the input box");
    dialogs.clear();
    OpenActive({"/IBig.txt", "/OOut.txt", "/SNone", "/AN"});
    std::map<std::string, bool> enabled;
    QWidget* focus = nullptr;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!Window().Form()[kBtnCancel].Visible || Eng().BytesOut == 0 || focus != nullptr) return;
      Window().Refresh();  // as the next progress tick would: the widgets show the form's data
      for (const char* name : {kBtnStart, kBtnExit, kBtnBrowseInput, kBtnBrowseOutput, kBtnBrowseScript,
                               kBtnBrowseSupport, kChkAppendOutput, kCboOutputFile}) {
        enabled[name] = Control(name).isEnabled();
      }
      focus = QApplication::focusWidget();
      QTest::keyClick(focus != nullptr ? focus : &Window(), Qt::Key_Escape);
    });
    watch.start();
    if (enter) {
      QLineEdit& edit = *Control<QComboBox>(kCboOutputFile).lineEdit();
      edit.setFocus();
      QTest::keyClick(&edit, Qt::Key_Return);
    } else {
      Control(kCboInputFile).setFocus();
      QTest::keyClick(Control<QComboBox>(kCboInputFile).lineEdit(), Qt::Key_F9);
    }
    ASSERT_TRUE(WaitUntilIdle());
    for (const auto& [name, on] : enabled) EXPECT_FALSE(on) << name;
    EXPECT_EQ(enabled.size(), 8u);
    EXPECT_EQ(focus, &Control(kBtnCancel));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].Text, "Processing cancelled\n\nOutput may be incomplete  ");
    EXPECT_TRUE(Viewers().empty());
    EXPECT_TRUE(Control(kBtnStart).isEnabled());
  }
}

TEST_F(CullerKeys, WhatWasTypedStaysLetterForLetterWhateverKeyLeavesTheBox) {
  WriteFile(home.File("Output.txt"), "old\r\n");
  OpenActive({"/IIn.txt", "/OOutput.txt", "/SNone", "/AN"});
  TMainForm& form = Window().Form();
  form[kCboOutputFile].Items = {"Output.txt"};
  form[kCboParameterX].Items = {"/v7"};
  Window().Refresh();
  // Tab leaves the keep list box, Enter starts from the output box.
  Control(kCboParameterX).setFocus();
  Type(kCboParameterX, "/V7");
  QTest::keyClick(Control<QComboBox>(kCboParameterX).lineEdit(), Qt::Key_Tab);
  EXPECT_EQ(form[kCboParameterX].Text, "/V7");
  EXPECT_EQ(BoxText(kCboParameterX), "/V7");
  form[kCboParameterX].Text.clear();  // no keep list for the run
  Window().Refresh();
  Control(kCboOutputFile).setFocus();
  Type(kCboOutputFile, "output.TXT");
  QTest::keyClick(Control<QComboBox>(kCboOutputFile).lineEdit(), Qt::Key_Return);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(form[kCboOutputFile].Text, "output.TXT");
  EXPECT_EQ(ReadFile(home.File("output.TXT")), "alpha\r\nbeta\r\n");
  EXPECT_EQ(ReadFile(home.File("Output.txt")), "old\r\n");
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(CullerKeys, TheCheckBoxesFollowTheirStateWithoutAClick) {
  WriteFile(home.File("ScrJobs.txt"), "keep me\r\n");
  OpenActive({"/IIn.txt", "/OScrJobs.txt", "/SNone", "/AN", "/EN"});
  auto& append = Control<QCheckBox>(kChkAppendOutput);
  // What a screen reader sends.
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&append);
  ASSERT_NE(accessible, nullptr);
  ASSERT_NE(accessible->actionInterface(), nullptr);
  accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(append.isChecked());
  EXPECT_TRUE(Window().Form()[kChkAppendOutput].Checked);
  Control<QCheckBox>(kChkBrowseOutput).setChecked(true);
  EXPECT_TRUE(Window().Form()[kChkBrowseOutput].Checked);
  QTest::mouseClick(&Control<QPushButton>(kBtnStart), Qt::LeftButton);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_TRUE(dialogs.empty());  // no overwrite question: the output is appended to
  EXPECT_EQ(ReadFile(home.File("ScrJobs.txt")), "keep me\r\nalpha\r\nbeta\r\n");
  ASSERT_EQ(Viewers().size(), 1u);  // autoview
  Viewers()[0]->close();
}

TEST_F(CullerKeys, EnterPressesTheFocusedButtonAndOnACheckBoxStandsForStart) {
  OpenActive({"/IIn.txt", "/OOut.txt", "/SNone", "/AN"});
  auto& autoview = Control<QCheckBox>(kChkBrowseOutput);
  autoview.setFocus();
  QTest::keyClick(&autoview, Qt::Key_Return);
  EXPECT_FALSE(autoview.isChecked());  // Enter is not Space
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(ReadFile(home.File("Out.txt")), "alpha\r\nbeta\r\n");
  auto& view = Control<QPushButton>(kBtnBrowseInput);
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Enter);
  ProcessEvents();
  ASSERT_EQ(Viewers().size(), 1u);
  EXPECT_EQ(Viewers()[0]->windowTitle(), "Culler - View Input");
  Viewers()[0]->close();
  int closed = 0;
  Window().OnClosed = [&] { ++closed; };
  auto& exit = Control<QPushButton>(kBtnExit);
  exit.setFocus();
  QTest::keyClick(&exit, Qt::Key_Return);
  EXPECT_EQ(closed, 1);
}

TEST_F(CullerKeys, F9AndEnterDoNothingWhileStartIsDisabled) {
  OpenActive({"/SNone"});
  Type(kCboInputFile, "");
  ASSERT_FALSE(Control(kBtnStart).isEnabled());
  QTest::keyClick(Control<QComboBox>(kCboInputFile).lineEdit(), Qt::Key_F9);
  QTest::keyClick(Control<QComboBox>(kCboInputFile).lineEdit(), Qt::Key_Return);
  EXPECT_FALSE(Window().Timer(TTimer::AutoStart).isActive());
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_TRUE(dialogs.empty());
}

}  // namespace
}  // namespace gleaner::testing
