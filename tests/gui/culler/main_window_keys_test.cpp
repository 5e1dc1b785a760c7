// Culler's main form under the keyboard and assistive tools: a run started
// with Enter or F9 holds its busy display, the focus on Cancel, Esc
// cancelling; Enter presses the focused button or stands for Start; a box
// holds what was typed, letter for letter; check boxes follow their state.
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
  void OpenActive(const std::vector<std::string>& params) {
    Open(params);
    QApplication::setActiveWindow(&Window());
  }
  QLineEdit& Edit(const char* box) { return *Control<QComboBox>(box).lineEdit(); }
};

TEST_F(CullerKeys, AKeyboardStartHoldsTheBusyDisplayWithTheFocusOnCancelAndEscCancels) {
  std::string big;
  for (int i = 0; i < 5000000; ++i) big += "line " + std::to_string(i) + "\r\n";  // lasts past a few pumps
  WriteFile(home.File("Big.txt"), big);
  const TQtPorts qtPorts;  // events are processed during the run
  for (const char* box : {kCboOutputFile, kCboInputFile}) {  // Enter, then F9
    dialogs.clear();
    OpenActive({"/IBig.txt", "/OOut.txt", "/SNone", "/AN"});
    std::map<std::string, bool> enabled;
    QWidget* focus = nullptr;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!Window().Form()[kBtnCancel].Visible || Eng().BytesOut == 0 || focus != nullptr) return;
      Window().Refresh();  // as the next progress tick would
      for (const char* name : {kBtnStart, kBtnExit, kBtnBrowseInput, kBtnBrowseOutput, kBtnBrowseScript,
                               kBtnBrowseSupport, kChkAppendOutput, kCboOutputFile}) {
        enabled[name] = Control(name).isEnabled();
      }
      focus = QApplication::focusWidget();
      QTest::keyClick(focus != nullptr ? focus : &Window(), Qt::Key_Escape);
    });
    watch.start(5);
    Edit(box).setFocus();
    QTest::keyClick(&Edit(box), box == kCboOutputFile ? Qt::Key_Return : Qt::Key_F9);
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(enabled, (std::map<std::string, bool>{{kBtnStart, false}, {kBtnExit, false},
                                                     {kBtnBrowseInput, false}, {kBtnBrowseOutput, false},
                                                     {kBtnBrowseScript, false}, {kBtnBrowseSupport, false},
                                                     {kChkAppendOutput, false}, {kCboOutputFile, false}}))
        << box;
    EXPECT_EQ(focus, &Control(kBtnCancel)) << box;
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].Text, "Processing cancelled\n\nOutput may be incomplete  ");
  }
}

TEST_F(CullerKeys, WhatWasTypedStaysLetterForLetterWhateverKeyLeavesTheBox) {
  WriteFile(home.File("Output.txt"), "old\r\n");
  OpenActive({"/IIn.txt", "/OOutput.txt", "/SNone", "/AN"});
  TMainForm& form = Window().Form();
  form[kCboOutputFile].Items = {"Output.txt"};
  form[kCboParameterX].Items = {"/v7"};
  Window().Refresh();
  Edit(kCboParameterX).setFocus();
  Type(kCboParameterX, "/V7");
  QTest::keyClick(&Edit(kCboParameterX), Qt::Key_Tab);
  EXPECT_EQ(form[kCboParameterX].Text, "/V7");
  EXPECT_EQ(BoxText(kCboParameterX), "/V7");
  form[kCboParameterX].Text.clear();  // no keep list for the run
  Window().Refresh();
  Edit(kCboOutputFile).setFocus();
  Type(kCboOutputFile, "output.TXT");
  QTest::keyClick(&Edit(kCboOutputFile), Qt::Key_Return);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(ReadFile(home.File("output.TXT")), "alpha\r\nbeta\r\n");
  EXPECT_EQ(ReadFile(home.File("Output.txt")), "old\r\n");
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(CullerKeys, TheCheckBoxesFollowTheirStateWithoutAClick) {
  WriteFile(home.File("ScrJobs.txt"), "keep me\r\n");
  OpenActive({"/IIn.txt", "/OScrJobs.txt", "/SNone", "/AN", "/EN"});
  // What a screen reader sends.
  QAccessibleInterface* append = QAccessible::queryAccessibleInterface(&Control(kChkAppendOutput));
  ASSERT_TRUE(append != nullptr && append->actionInterface() != nullptr);
  append->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(Control<QCheckBox>(kChkAppendOutput).isChecked());
  Control<QCheckBox>(kChkBrowseOutput).setChecked(true);
  QTest::mouseClick(&Control<QPushButton>(kBtnStart), Qt::LeftButton);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_TRUE(dialogs.empty());  // no overwrite question: the output is appended to
  EXPECT_EQ(ReadFile(home.File("ScrJobs.txt")), "keep me\r\nalpha\r\nbeta\r\n");
  ASSERT_EQ(Viewers().size(), 1u);  // autoview
  Viewers()[0]->close();
}

TEST_F(CullerKeys, EnterPressesTheFocusedButtonOrStandsForStartWhenStartIsEnabled) {
  OpenActive({"/IIn.txt", "/OOut.txt", "/SNone", "/AN"});
  auto& autoview = Control<QCheckBox>(kChkBrowseOutput);
  autoview.setFocus();
  QTest::keyClick(&autoview, Qt::Key_Return);
  EXPECT_FALSE(autoview.isChecked());  // Enter is not Space
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(ReadFile(home.File("Out.txt")), "alpha\r\nbeta\r\n");
  Control(kBtnBrowseInput).setFocus();
  QTest::keyClick(&Control(kBtnBrowseInput), Qt::Key_Enter);
  ASSERT_EQ(Viewers().size(), 1u);
  EXPECT_EQ(Viewers()[0]->windowTitle(), "Culler - View Input");
  Viewers()[0]->close();
  // Neither F9 nor Enter starts while Start is disabled.
  Type(kCboInputFile, "");
  QTest::keyClick(&Edit(kCboInputFile), Qt::Key_F9);
  QTest::keyClick(&Edit(kCboInputFile), Qt::Key_Return);
  QTest::keyClick(&autoview, Qt::Key_Return);
  EXPECT_FALSE(Window().Timer(TTimer::AutoStart).isActive());
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_TRUE(dialogs.empty());
  int closed = 0;
  Window().OnClosed = [&] { ++closed; };
  Control(kBtnExit).setFocus();
  QTest::keyClick(&Control(kBtnExit), Qt::Key_Return);
  EXPECT_EQ(closed, 1);
}

}  // namespace
}  // namespace gleaner::testing
