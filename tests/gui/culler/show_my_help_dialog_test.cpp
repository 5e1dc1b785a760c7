#include "gui/culler/show_my_help_dialog.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui/gui_fixture.h"

namespace gleaner {
namespace {

class ShowMyHelpTest : public testing::GuiTest {
 protected:
  static THelpChooserLayout Layout(bool application, bool script, bool browser) {
    return DecideHelpChooser({"Culler", application, script ? "Job Help" : "", browser});
  }
  static QPushButton* Button(QWidget& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }
};

TEST_F(ShowMyHelpTest, ShowsTheButtonsAsLaidOut) {
  TfrmShowMyHelp chooser(Layout(true, false, true), nullptr);
  chooser.show();
  EXPECT_EQ(chooser.windowTitle(), "Help Options");
  QPushButton* project = Button(chooser, "btnProject");
  QPushButton* script = Button(chooser, "btnScript");
  QPushButton* index = Button(chooser, "btnHelpIndex");
  ASSERT_TRUE(project && script && index && Button(chooser, "CancelBtn"));
  EXPECT_EQ(project->text(), "Culler");
  EXPECT_EQ(project->geometry().top(), 62);
  EXPECT_EQ(project->height(), 42);
  EXPECT_FALSE(script->isVisible());
  EXPECT_EQ(index->geometry().top(), 122);
  EXPECT_TRUE(index->isEnabled());
  EXPECT_TRUE(project->isDefault());
  EXPECT_TRUE(chooser.AutoClose().isActive());
  EXPECT_EQ(chooser.AutoClose().interval(), 30000);
  chooser.reject();
}

TEST_F(ShowMyHelpTest, ThreeTopicsFocusTheScriptAndEnterChoosesIt) {
  TfrmShowMyHelp chooser(Layout(true, true, true), nullptr);
  chooser.show();
  chooser.activateWindow();
  ProcessEvents();
  QPushButton* script = Button(chooser, "btnScript");
  EXPECT_EQ(script->text(), "Job Help");
  EXPECT_EQ(script->geometry().top(), 100);
  EXPECT_EQ(chooser.focusWidget(), script);
  for (const char* name : {"btnProject", "btnScript", "btnHelpIndex"}) {
    EXPECT_TRUE(Button(chooser, name)->isVisible()) << name;
    EXPECT_EQ(Button(chooser, name)->height(), 25) << name;
  }
  // Enter presses the focused topic, not the default one.
  QTest::keyClick(script, Qt::Key_Return);
  EXPECT_EQ(chooser.result(), QDialog::Accepted);
  EXPECT_EQ(chooser.Chosen(), THelpTopic::Script);
}

TEST_F(ShowMyHelpTest, ATopicButtonChoosesAndCancelOrTheTimerDoNot) {
  TfrmShowMyHelp chosen(Layout(true, true, true), nullptr);
  chosen.show();
  Button(chosen, "btnHelpIndex")->click();
  EXPECT_EQ(chosen.result(), QDialog::Accepted);
  EXPECT_EQ(chosen.Chosen(), THelpTopic::HelpIndex);
  EXPECT_FALSE(chosen.AutoClose().isActive());

  TfrmShowMyHelp cancelled(Layout(true, true, true), nullptr);
  cancelled.show();
  Button(cancelled, "CancelBtn")->click();
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
  EXPECT_EQ(cancelled.Chosen(), std::nullopt);

  // The automatic close, shortened so that the test need not wait 30 seconds.
  QTimer::singleShot(0, [] {
    if (auto* open = dynamic_cast<TfrmShowMyHelp*>(QApplication::activeModalWidget())) open->AutoClose().start(1);
  });
  EXPECT_EQ(TfrmShowMyHelp::Ask(Layout(true, false, true), nullptr), std::nullopt);
}

}  // namespace
}  // namespace gleaner
