#include "gui/viewer/text_browse_window.h"

#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "foundation/screen_fit.h"
#include "foundation/settings_store.h"
#include "gui/gui_fixture.h"
#include "gui/viewer/print_text.h"
#include "gui/common/qt_text.h"
#include "viewer/viewer_document.h"

namespace gleaner {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class TextBrowseWindowTest : public testing::GuiTest {
 protected:
  // A viewer window on a document of the given bytes, loaded.
  TfrmTextBrowse* Open(const std::string& bytes, bool markup) {
    WriteFile(home.File("Doc.txt"), bytes);
    TViewerSetup setup;
    setup.FileName = home.File("Doc.txt");
    setup.Title = "Test document";
    setup.SettingsName = "frmTest";
    setup.MarkupMode = markup;
    setup.WordWrap = markup;
    TfrmTextBrowse* window = ShowTextBrowse(setup, nullptr);
    ProcessEvents();
    return window;
  }
  static QString BlockText(TfrmTextBrowse* window, int line) {
    return window->Text().document()->findBlockByNumber(line).text();
  }
  static void SendKey(QWidget* to, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
  }
  static void Click(QWidget* viewport, const QPoint& at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(viewport, &event);
    }
  }
  static std::string Lines(int count, const char* text) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += text + std::to_string(i) + "\r\n";
    return lines;
  }
};

TEST_F(TextBrowseWindowTest, ShowsHeadingsWithTheirFormats) {
  QPointer<TfrmTextBrowse> window = Open("<H1>Guide Title</H1>\r\nSome <B>bold</B> text\r\n", true);
  EXPECT_EQ(window->windowTitle(), "Test document");
  const QString rule(80, QChar(0x2014));
  EXPECT_EQ(BlockText(window, 0), rule);
  EXPECT_EQ(BlockText(window, 1), "Guide Title");
  EXPECT_EQ(BlockText(window, 2), rule);
  EXPECT_EQ(BlockText(window, 3), "Some bold text");

  QTextCursor cursor(window->Text().document()->findBlockByNumber(1));
  cursor.movePosition(QTextCursor::Right);
  const QTextCharFormat heading = cursor.charFormat();
  EXPECT_EQ(heading.fontWeight(), QFont::Bold);
  EXPECT_EQ(heading.fontPointSize(), 26.0);  // 2.6 times the default 10 points
  EXPECT_EQ(heading.foreground().color(), QColor(0, 0, 0x70));
  cursor.setPosition(window->Text().document()->findBlockByNumber(3).position() + 6);
  EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
  cursor.setPosition(window->Text().document()->findBlockByNumber(3).position() + 3);
  EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);

  EXPECT_EQ(window->StatusText(0), "1:1");
  EXPECT_EQ(window->StatusText(1), "W");
  EXPECT_TRUE(window->StatusText(2).startsWith("  4 lines, saved "))
      << window->StatusText(2).toStdString();
  window->close();
}

TEST_F(TextBrowseWindowTest, LinkClickJumpsToTheAnchorAndBackspaceReturns) {
  QPointer<TfrmTextBrowse> window =
      Open("Intro with a <A HREF=\"#part\">link to the part</A> here.\r\n" + Lines(150, "filler ") +
               "<A NAME=\"part\">Part two\r\n" + Lines(150, "more "),
           true);
  const std::optional<int> anchor = window->Browse().Document().Anchors.Find("part");
  ASSERT_TRUE(anchor);
  EXPECT_EQ(BlockText(window, *anchor), "Part two");

  QTextCursor onLink(window->Text().document()->findBlockByNumber(0));
  onLink.setPosition(17);  // inside "link"
  Click(window->Text().viewport(), window->Text().cursorRect(onLink).center());
  ProcessEvents();
  const TViewPosition there = window->Text().Position();
  EXPECT_EQ(there.FirstVisibleLine, *anchor);
  EXPECT_EQ(there.Caret, window->Browse().Document().Display.LineStart(*anchor));
  EXPECT_EQ(window->StatusText(0), QString("%1:1").arg(*anchor + 1));

  SendKey(&window->Text(), Qt::Key_Backspace, "\b");
  const TViewPosition back = window->Text().Position();
  EXPECT_EQ(back.FirstVisibleLine, 0);
  EXPECT_EQ(back.Caret, 13);  // the start of the link text
  window->close();
}

TEST_F(TextBrowseWindowTest, EscStopsALongLoad) {
  WriteInt("MaxAddLines", 99999);
  WriteFile(home.File("Big.txt"), Lines(40000, "a line of the big file "));
  TViewerSetup setup;
  setup.FileName = home.File("Big.txt");
  setup.SettingsName = "frmTest";
  QPointer<TfrmTextBrowse> window = ShowTextBrowse(setup, nullptr);
  bool progressShown = false;
  QTimer::singleShot(0, window, [&] {
    progressShown = window->findChild<QProgressBar*>("barLoading")->isVisible();
    SendKey(&window->Text(), Qt::Key_Escape, "\x1b");
  });
  ProcessEvents();
  ASSERT_FALSE(window.isNull());  // Esc while loading stops; it does not close
  EXPECT_TRUE(progressShown);
  EXPECT_FALSE(window->findChild<QProgressBar*>("barLoading")->isVisible());
  const int last = window->Text().document()->blockCount() - 1;
  EXPECT_LT(last, 200);
  EXPECT_EQ(BlockText(window, last), FromAnsi(MarkerLine(kInterruptedMarker)));
  EXPECT_TRUE(window->StatusText(2).contains("shown (incomplete)"));

  SendKey(&window->Text(), Qt::Key_Escape, "\x1b");  // now it closes
  ProcessEvents();
  EXPECT_TRUE(window.isNull());
}

TEST_F(TextBrowseWindowTest, ClosingDuringALoadWaitsForTheLoadToStop) {
  WriteInt("MaxAddLines", 99999);
  WriteFile(home.File("Big.txt"), Lines(40000, "line "));
  TViewerSetup setup;
  setup.FileName = home.File("Big.txt");
  setup.SettingsName = "frmTest";
  QPointer<TfrmTextBrowse> window = ShowTextBrowse(setup, nullptr);
  bool stillOpen = false;
  QTimer::singleShot(0, window, [&] {
    window->close();
    stillOpen = window->isVisible() && window->Browse().IsLoading();
  });
  ProcessEvents();
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(window.isNull());
}

TEST_F(TextBrowseWindowTest, PrintsWithinTheMarginsOnSeveralPages) {
  QPointer<TfrmTextBrowse> window = Open(Lines(300, "printed line "), false);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(home.File("out.pdf")));
  PrintDocument(*window->Text().document(), "Printed", printer);
  const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Inch);
  EXPECT_EQ(margins, QMarginsF(1.0, 0.75, 1.0, 0.75));
  const std::string pdf = ReadFile(home.File("out.pdf"));
  ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
  int pages = 0;
  for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
       at = pdf.find("/Type /Page\n", at + 1)) {
    ++pages;
  }
  EXPECT_GE(pages, 5);
  window->close();
}

// The too-large message comes while the text widget is still empty; it must
// be painting then, or the area behind the message stays black.
TEST_F(TextBrowseWindowTest, TheTextAreaIsPaintedWhileTheTooLargeMessageIsUp) {
  class TWatchingNotice : public INotice {
   public:
    void ShowNotice(const std::string&, const std::string& text) override {
      if (onShow) onShow(text);
    }
    std::function<void(const std::string&)> onShow;
  } watching;
  WriteInt("MaxAddLines", 50);
  WriteFile(home.File("Big.txt"), Lines(200, "line "));
  TViewerSetup setup;
  setup.FileName = home.File("Big.txt");
  setup.SettingsName = "frmTest";
  setup.BackgroundColour = 0x00C0FFFF;  // a light yellow, as BBGGRR
  QPointer<TfrmTextBrowse> window = ShowTextBrowse(setup, nullptr);
  int notices = 0;
  bool painting = false;
  QColor behind;
  watching.onShow = [&](const std::string& text) {
    ++notices;
    EXPECT_NE(text.find("too large"), std::string::npos) << text;
    painting = window->Text().viewport()->updatesEnabled() && window->Text().isVisible();
    const QImage area = window->Text().viewport()->grab().toImage();
    behind = area.pixelColor(area.width() / 2, area.height() / 2);
  };
  const TPorts saved = Ports();
  Ports().Notice = &watching;
  ProcessEvents();
  Ports() = saved;
  ASSERT_FALSE(window.isNull());
  EXPECT_EQ(notices, 1);
  EXPECT_TRUE(painting);
  EXPECT_EQ(behind, QColor(0xFF, 0xFF, 0xC0));
  EXPECT_EQ(window->Text().document()->blockCount(), 51);  // filled after the message
  window->close();
}

// Closing a window must not cost per line: the text is one document with a
// block per line, never an object per line that teardown would destroy one
// by one.
TEST_F(TextBrowseWindowTest, AWindowHoldsNoObjectPerLine) {
  WriteInt("MaxAddLines", 99999);
  const std::string markup = "<H1>Title</H1>\r\n";
  QPointer<TfrmTextBrowse> small = Open(markup + Lines(20, "<B>bold</B> line "), true);
  const auto smallObjects = small->findChildren<QObject*>().size();
  small->close();
  ProcessEvents();
  QPointer<TfrmTextBrowse> large = Open(markup + Lines(20000, "<B>bold</B> line "), true);
  EXPECT_GT(large->Text().document()->blockCount(), 20000);
  EXPECT_EQ(large->findChildren<QObject*>().size(), smallObjects);
  large->close();
  ProcessEvents();
  EXPECT_TRUE(large.isNull());
}

// A place saved on another monitor or at another scale comes back on the
// screen there is: moved, and shrunk where it is larger.
TEST_F(TextBrowseWindowTest, ASavedPlaceOffTheScreenIsFittedOntoIt) {
  WriteTextIn(kWindowSection, "frmTest.Left", "2500");
  WriteTextIn(kWindowSection, "frmTest.Top", "100");
  WriteTextIn(kWindowSection, "frmTest.Width", "5000");
  WriteTextIn(kWindowSection, "frmTest.Height", "300");
  QPointer<TfrmTextBrowse> window = Open("text\r\n", false);
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(window->frameGeometry())) << window->frameGeometry().x();
  EXPECT_EQ(window->frameGeometry().width(), screen.width());
  EXPECT_EQ(window->geometry().top(), 100);
  EXPECT_EQ(window->height(), 300);
  window->close();
}

TEST_F(TextBrowseWindowTest, NewWindowsWithoutASavedPlaceOpenCascaded) {
  WriteTextIn(kWindowSection, "frmTest.Width", "640");
  WriteTextIn(kWindowSection, "frmTest.Height", "300");
  QPointer<TfrmTextBrowse> first = Open("one\r\n", false);
  QPointer<TfrmTextBrowse> second = Open("two\r\n", false);
  EXPECT_EQ(second->pos(), first->pos() + QPoint(kCascadeStep, kCascadeStep));
  EXPECT_EQ(second->size(), QSize(640, 300));
  second->close();
  first->close();
}

// Alt+W reaches the width box, and the arrow keys choose another width.
TEST_F(TextBrowseWindowTest, TheWidthBoxIsReachableFromTheKeyboard) {
  QPointer<TfrmTextBrowse> window = Open(std::string(200, 'x') + "\r\n", false);
  auto* width = window->findChild<QComboBox*>("cboWidth");
  ASSERT_NE(width, nullptr);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_W, Qt::AltModifier);
  ASSERT_EQ(QApplication::focusWidget(), width);
  const int before = width->currentIndex();
  QTest::keyClick(width, Qt::Key_Down);
  ProcessEvents();
  ASSERT_EQ(width->currentIndex(), before + 1);
  EXPECT_EQ(width->currentData().toInt(), 100);
  EXPECT_EQ(BlockText(window, 0).size(), 100);  // reloaded at the new width
  window->close();
}

}  // namespace
}  // namespace gleaner
