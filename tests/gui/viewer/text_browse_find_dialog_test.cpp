#include "gui/viewer/text_browse_find_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>

#include "foundation/settings_store.h"
#include "gui/gui_fixture.h"

namespace gleaner {
namespace {

using FindDialogTest = testing::GuiTest;

// The history stays in the drop-down; typing the start of an earlier entry
// searches for what was typed.
TEST_F(FindDialogTest, TheFindBoxKeepsWhatWasTyped) {
  WriteText("cboFindText.1", "Filler line 05");
  WriteText("cboFindText.Text", "Filler line 05");
  TfrmTBFind dialog(nullptr);
  auto* box = dialog.findChild<QComboBox*>("cboFindText");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->count(), 1);
  EXPECT_EQ(box->itemText(0), "Filler line 05");
  QString typed;
  QTimer::singleShot(0, &dialog, [&] {
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), "Fil");
    typed = box->currentText();
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    if (dialog.isVisible()) dialog.reject();  // Enter did not confirm: fail, never hang
  });
  const std::optional<TFindOptions> options = dialog.Ask();
  EXPECT_EQ(typed.toStdString(), "Fil");
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->Text, "Fil");
  EXPECT_EQ(ReadText("cboFindText.1", ""), "Fil");
  EXPECT_EQ(ReadText("cboFindText.2", ""), "Filler line 05");
}

TEST_F(FindDialogTest, Captions) {
  TfrmTBFind dialog(nullptr);
  EXPECT_EQ(dialog.windowTitle(), "File Viewer - Find Text from Top");
  EXPECT_EQ(dialog.findChild<QCheckBox*>("chkMatchCase")->text(), "&Case-sensitive");
  EXPECT_EQ(dialog.findChild<QCheckBox*>("chkWholeWord")->text().toStdString(), "Match &whole words only");
}

}  // namespace
}  // namespace gleaner
