// Help from the main form itself: F1 with the help documents and the
// document browser beside the program shows the chooser; its Application
// topic opens the help document with the about section at its end. (The
// missing-document message is tested through the controller in
// culler_help_test, where the browser can be absent.)
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include "gui/culler/culler_window_fixture.h"
#include "gui/culler/show_my_help_dialog.h"
#include "gui/viewer/text_browse_window.h"
#include "interface/help_folders.h"

namespace gleaner::testing {
namespace {

class CullerFormHelp : public CullerWindowTest {
 protected:
  // F1 is a window shortcut: the form must be the active window.
  void PressF1() {
    QApplication::setActiveWindow(&Window());
    QTest::keyClick(&Window(), Qt::Key_F1);
  }
  static QString LineFromEnd(TfrmTextBrowse& window, int fromEnd) {
    const QTextDocument* document = window.Text().document();
    return document->findBlockByNumber(document->blockCount() - 1 - fromEnd).text().trimmed();
  }
};

TEST_F(CullerFormHelp, F1ShowsTheChooserAndApplicationOpensTheHelpWithTheAboutSectionLast) {
  if (!FileExists(BrowserProgram())) GTEST_SKIP() << "kestrascan is not built beside the tests";
  WriteFile(home.File("Help-Culler.txt"), "<H1>Culler</H1>\r\n<a href=\"#AUTABOUT\">About Culler</a>\r\n");
  WriteFile(home.File("ScrJob.txt"), "Main\r\n");
  WriteFile(home.File("Help-ScrJob.txt"), "<H1>Job Help</H1>\r\n");
  int topics = -1;
  onDialog = [&](TDialogSeen& seen) {
    auto* chooser = dynamic_cast<TfrmShowMyHelp*>(seen.Dialog);
    if (chooser == nullptr) return int(QDialog::Accepted);
    topics = 0;
    for (auto* button : chooser->findChildren<QPushButton*>()) {
      if (button->objectName() != "CancelBtn" && !button->isHidden() && button->isEnabled()) ++topics;
    }
    chooser->findChild<QPushButton*>("btnProject")->click();
    return int(QDialog::Accepted);
  };
  Open({"/SScrJob.txt"});
  ASSERT_TRUE(WaitUntilIdle());
  PressF1();
  EXPECT_EQ(topics, 3);
  const std::vector<TfrmTextBrowse*> viewers = Viewers();
  ASSERT_EQ(viewers.size(), 1u);
  TfrmTextBrowse& viewer = *viewers.back();
  ASSERT_TRUE(WaitUntil([&] { return !LineFromEnd(viewer, 1).isEmpty(); }));
  EXPECT_EQ(viewer.Browse().LabelText(), "Culler Help");
  // The about section ends the document, just above the viewer's closing marker line.
  EXPECT_EQ(LineFromEnd(viewer, 1), QString("Output File") + QString(12, ' ') + "Text");
  EXPECT_EQ(LineFromEnd(viewer, 2), QString("Input File") + QString(13, ' ') + "Text");
  viewer.close();
}

}  // namespace
}  // namespace gleaner::testing
