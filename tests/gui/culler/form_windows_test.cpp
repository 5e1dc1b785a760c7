// The windows of Culler's form as they meet a small screen, a long path and
// a narrow form; the once-only variable warning; clipboard output at the end.
// The SmallScreen tests also run on the offscreen screen at twice the scale
// (400 by 400), where the windows' own sizes do not fit.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <sstream>

#include "foundation/settings_store.h"
#include "gui/common/clipboard_keeper.h"
#include "gui/common/qt_ports.h"
#include "gui/culler/culler_window_fixture.h"
#include "gui/culler/define_search_path_dialog.h"
#include "gui/viewer/text_browse_window.h"

namespace gleaner::testing {
namespace {

class FormWindows : public CullerWindowTest {
 protected:
  FormWindows() { WriteFile(home.File("In.txt"), "alpha\r\nbeta\r\n"); }
};

using SmallScreen = FormWindows;

TEST_F(SmallScreen, EveryWindowNewOrRestoredFitsTheAvailableScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  WriteTextIn(kWindowSection, "frmBrowseHelp.Width", "5000");  // saved on a larger screen
  WriteTextIn(kWindowSection, "frmBrowseHelp.Height", "4000");
  Open({});
  TViewerSetup help = HelpViewerSetup();
  TfrmTextBrowse* fresh = ShowTextBrowse(help, &Window());
  help.SettingsName = "frmBrowseHelp";
  TfrmTextBrowse* restored = ShowTextBrowse(help, &Window());
  TfrmDefineSearchPath dialog(TSearchPathList({home.Path()}, home.Path()), help, &Window());
  dialog.show();
  ProcessEvents();
  for (QWidget* window : std::initializer_list<QWidget*>{&Window(), fresh, restored, &dialog}) {
    EXPECT_TRUE(screen.contains(window->frameGeometry())) << window->objectName().toStdString();
  }
  dialog.reject();
  fresh->close();
  restored->close();
}

TEST_F(FormWindows, TheViewerHeaderKeepsTheFileNameOfALongPath) {
  const QString path = QString::fromStdString(home.Path()) + QString(60, 'd') + "/" + QString(60, 'e') +
                       "/Quarterly-Report.txt";
  TViewerSetup setup;
  setup.FileName = std::string(kNoFileName);
  setup.ExtraLines = {"x"};
  setup.Title = path.toStdString();
  TfrmTextBrowse* viewer = ShowTextBrowse(setup, nullptr);
  viewer->resize(640, 300);
  ProcessEvents();
  const auto* label = viewer->findChild<QLabel*>("lblFileName");
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->text().endsWith("/Quarterly-Report.txt")) << label->text().toStdString();
  EXPECT_TRUE(label->text().contains(QChar(0x2026)));
  EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
  EXPECT_EQ(label->toolTip(), path);
  EXPECT_LE(viewer->width(), 640);  // the long path does not widen the window
  viewer->close();
}

TEST_F(FormWindows, AtItsMinimumSizeTheFormShowsEveryCaptionWhole) {
  Open({});
  Window().resize(Window().minimumSize());
  Window().layout()->activate();
  for (QWidget* widget : Window().findChildren<QWidget*>()) {
    const bool captioned = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                           (qobject_cast<QLabel*>(widget) != nullptr && widget->objectName() != kImgBanner);
    if (!captioned || !widget->isVisibleTo(&Window())) continue;
    EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << widget->objectName().toStdString();
  }
}

TEST_F(FormWindows, TheOnceOnlyWarningShowsOncePerCompilationOfAChangedScript) {
  WriteFile(home.File("ScrOnce.txt"), "OutEnd Totl\r\n");
  Open({"/IIn.txt", "/OOut.txt", "/SScrOnce.txt", "/AN"});
  ASSERT_TRUE(WaitUntilIdle());  // the Config run compiled it
  for (int start = 0; start < 2; ++start) {
    QTest::mouseClick(&Control<QPushButton>(kBtnStart), Qt::LeftButton);
    ASSERT_TRUE(WaitUntilIdle());
  }
  EXPECT_EQ(ports.notice.texts.size(), 1u);
  EXPECT_TRUE(dialogs.empty());
  WriteFile(home.File("ScrOnce.txt"), "OutEnd Total\r\n");
  QTest::mouseClick(&Control<QPushButton>(kBtnStart), Qt::LeftButton);
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(ports.notice.texts.size(), 2u);
  EXPECT_EQ(ports.notice.texts[1],
            "Warning: The following variables are referenced only once in ScrOnce.txt:\r\n\r\nTotal\r\n\r\n"
            "This typically means that a variable name has been typed incorrectly  ");
}

TEST_F(FormWindows, ClipboardOutputThatNoManagerKeepsIsToldOnStandardError) {
  const TQtPorts qtPorts;
  int closed = 0;
  Open({"/IIn.txt", "/OClipboard", "/SNone", "/R", "/CS"});
  Window().OnClosed = [&] { ++closed; };
  ASSERT_TRUE(WaitUntil([&] { return closed > 0; }));
  std::ostringstream err;
  WarnIfClipboardGoes(err, "culler");
  EXPECT_EQ(err.str(), "culler: no clipboard manager is running: the clipboard's content goes as culler ends\n");
  QApplication::clipboard()->clear();
  err.str("");
  WarnIfClipboardGoes(err, "culler");
  EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace gleaner::testing
