#include "gui/kestrascan/browser_main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>
#include <filesystem>

#include "foundation/settings_store.h"
#include "gui/gui_fixture.h"

namespace gleaner {
namespace {

using testing::WriteFile;

class StartUpWindowTest : public testing::GuiTest {
 protected:
  StartUpWindowTest() {
    std::filesystem::create_directory(home.File("sub"));
    WriteFile(home.File("Help-B.txt"), "<H1>Beta Guide</H1>\r\n");
    WriteFile(home.File("Help-A.txt"), "intro\r\n<h1>Alpha &amp;amp; Co</h1>\r\n");
    WriteFile(home.File("sub/Help-C.txt"), "<H1>Gamma</H1>\r\n");
  }
  static QStringList Titles(TfrmStartUp& form) {
    QStringList titles;
    for (int i = 0; i < form.Titles().count(); ++i) titles << form.Titles().item(i)->text();
    return titles;
  }
};

TEST_F(StartUpWindowTest, ListsTitlesByNameOrByFolder) {
  TfrmStartUp form(home.Path());
  form.StartUp({"/D" + home.File("sub"), "/x"});
  ProcessEvents();
  EXPECT_EQ(form.windowTitle(), "KestraScan");
  EXPECT_EQ(Titles(form), (QStringList{"Alpha & Co", "Beta Guide", "Gamma"}));
  EXPECT_EQ(
      ports.notice.texts,
      std::vector<std::string>{"Unrecognized command-line switches are ignored\r\n\r\nYou used:  /X   "});

  form.findChild<QRadioButton*>("radSortByFolder")->click();
  EXPECT_EQ(Titles(form), (QStringList{"Gamma", "Alpha & Co", "Beta Guide"}));
  form.close();
  EXPECT_EQ(ReadText("SortListBy", ""), "F");
}

TEST_F(StartUpWindowTest, OneViewerWindowAtATime) {
  TfrmStartUp form(home.Path());
  form.StartUp({});
  ProcessEvents();
  ASSERT_EQ(form.Titles().count(), 2);
  form.OpenItem(1);
  ProcessEvents();
  QPointer<TfrmTextBrowse> first = form.Viewer();
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first->Browse().Setup().FileName, home.File("Help-B.txt"));
  EXPECT_EQ(first->Browse().LabelText(), "Beta Guide");
  EXPECT_EQ(first->windowTitle().toStdString(), home.File("Help-B.txt"));

  form.OpenItem(0);
  ProcessEvents();
  EXPECT_TRUE(first.isNull());
  ASSERT_NE(form.Viewer(), nullptr);
  EXPECT_EQ(form.Viewer()->Browse().Setup().FileName, home.File("Help-A.txt"));
  form.close();
}

TEST_F(StartUpWindowTest, KeysShowTheAboutMessageAndRebuild) {
  TfrmStartUp form(home.Path());
  form.StartUp({"/P-"});
  ProcessEvents();
  EXPECT_EQ(Titles(form), (QStringList{"Help-A.txt", "Help-B.txt"}));
  WriteFile(home.File("Help-0.txt"), "new");
  for (int key : {Qt::Key_F5, Qt::Key_F1}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&form.Titles(), &press);
  }
  EXPECT_EQ(Titles(form), (QStringList{"Help-0.txt", "Help-A.txt", "Help-B.txt"}));
  ASSERT_EQ(ports.notice.texts.size(), 1u);
  EXPECT_EQ(ports.notice.captions[0], "KestraScan");
  EXPECT_EQ(ports.notice.texts[0].rfind("KestraScan Version 1.10.00\r\n", 0), 0u);
  form.close();
}

}  // namespace
}  // namespace gleaner
