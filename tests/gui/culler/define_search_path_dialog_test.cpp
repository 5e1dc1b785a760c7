#include "gui/culler/define_search_path_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "gui/common/modal_hook.h"
#include "gui/common/qt_ports.h"
#include "gui/gui_fixture.h"
#include "gui/viewer/text_browse_window.h"

namespace gleaner {
namespace {

class DefineSearchPathTest : public testing::GuiTest {
 protected:
  DefineSearchPathTest() {
    help.FileName = std::string(kNoFileName);
    help.Title = "Search Path Help";
    help.SettingsName = "frmDSPHelp";
    help.MarkupMode = true;
    help.ExtraLines = {"<H1>The Define Search Path Dialog</H1>"};
  }
  std::unique_ptr<TfrmDefineSearchPath> Open(const std::vector<std::string>& folders) {
    auto dialog = std::make_unique<TfrmDefineSearchPath>(TSearchPathList(folders, "/home/app/"), help, nullptr);
    dialog->show();
    return dialog;
  }
  static QStringList Shown(TfrmDefineSearchPath& dialog) {
    QStringList items;
    auto* list = dialog.findChild<QListWidget*>("lstDirs");
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  static QPushButton* Button(TfrmDefineSearchPath& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(name);
  }
  static QString States(TfrmDefineSearchPath& dialog) {
    QString states;
    for (const char* name : {"btnMoveUp", "btnMoveDown", "btnAdd", "btnDrop"}) {
      states += Button(dialog, name)->isEnabled() ? '1' : '0';
    }
    return states;
  }
  // The viewer windows the dialog owns (findChildren cannot tell window kinds apart).
  static std::vector<TfrmTextBrowse*> Viewers(TfrmDefineSearchPath& dialog) {
    std::vector<TfrmTextBrowse*> viewers;
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
      if (auto* viewer = dynamic_cast<TfrmTextBrowse*>(child)) viewers.push_back(viewer);
    }
    return viewers;
  }
  TViewerSetup help;
};

TEST_F(DefineSearchPathTest, ShowsTheListAndKeepsTheButtonsInStep) {
  auto dialog = Open({"/data/docs/", "/home/app/"});
  EXPECT_EQ(dialog->windowTitle(), "Define Search Path");
  EXPECT_EQ(Shown(*dialog), (QStringList{"/data/docs", "/home/app"}));
  EXPECT_EQ(dialog->findChild<QListWidget*>("lstDirs")->currentRow(), 0);
  EXPECT_EQ(States(*dialog), "0111");
  Button(*dialog, "btnMoveDown")->click();
  EXPECT_EQ(Shown(*dialog), (QStringList{"/home/app", "/data/docs"}));
  EXPECT_EQ(dialog->findChild<QListWidget*>("lstDirs")->currentRow(), 1);
  EXPECT_EQ(States(*dialog), "1011");
  // Selecting the home folder disables the drop.
  dialog->findChild<QListWidget*>("lstDirs")->setCurrentRow(0);
  EXPECT_EQ(States(*dialog), "0110");
  dialog->reject();
}

TEST_F(DefineSearchPathTest, AddRefusesAListedFolderWithAPlainMessage) {
  const TQtPorts qtPorts;
  QStringList shown;
  SetModalHook([&](QDialog& box) {
    shown << static_cast<QMessageBox&>(box).text();
    return int(QMessageBox::Ok);
  });
  auto dialog = Open({"/home/app/"});
  std::vector<std::string> replies = {"/data/docs", "/data/docs/"};
  dialog->ChooseFolder = [&]() -> std::optional<std::string> {
    std::string reply = replies.front();
    replies.erase(replies.begin());
    return reply;
  };
  Button(*dialog, "btnAdd")->click();
  EXPECT_EQ(Shown(*dialog), (QStringList{"/home/app", "/data/docs"}));
  EXPECT_TRUE(shown.empty());
  Button(*dialog, "btnAdd")->click();
  SetModalHook({});
  EXPECT_EQ(shown, QStringList{"/data/docs  \nis already on the list  "});
  Button(*dialog, "btnDrop")->click();
  EXPECT_EQ(Shown(*dialog), QStringList{"/home/app"});
  dialog->reject();
}

TEST_F(DefineSearchPathTest, OkGivesTheEditedListAndCancelNothing) {
  QTimer::singleShot(0, [] {
    auto* open = dynamic_cast<TfrmDefineSearchPath*>(QApplication::activeModalWidget());
    open->findChild<QPushButton*>("btnMoveDown")->click();
    open->findChild<QPushButton*>("btnOK")->click();
  });
  EXPECT_EQ(TfrmDefineSearchPath::Ask(TSearchPathList({"/a/", "/home/app/"}, "/home/app/"), help, nullptr),
            (std::vector<std::string>{"/home/app/", "/a/"}));
  QTimer::singleShot(0, [] {
    auto* open = dynamic_cast<TfrmDefineSearchPath*>(QApplication::activeModalWidget());
    open->findChild<QPushButton*>("btnDrop")->click();
    open->findChild<QPushButton*>("btnCancel")->click();
  });
  EXPECT_EQ(TfrmDefineSearchPath::Ask(TSearchPathList({"/a/", "/home/app/"}, "/home/app/"), help, nullptr),
            std::nullopt);
}

TEST_F(DefineSearchPathTest, HelpAndF1OpenTheHelpPage) {
  auto dialog = Open({"/home/app/"});
  Button(*dialog, "btnHelp")->click();
  ProcessEvents();
  std::vector<TfrmTextBrowse*> windows = Viewers(*dialog);
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0]->Browse().LabelText(), "Search Path Help");
  windows[0]->close();
  ProcessEvents();
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(dialog.get(), &f1);
  ProcessEvents();
  ASSERT_EQ(Viewers(*dialog).size(), 1u);
  EXPECT_TRUE(Viewers(*dialog)[0]->isVisible());
  dialog->reject();
}

}  // namespace
}  // namespace gleaner
