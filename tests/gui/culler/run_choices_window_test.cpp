// The form's LF check box and Encoding choice, and what is typed into the
// parameter boxes, as they reach a run.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "foundation/settings_store.h"
#include "gui/culler/culler_window_fixture.h"

namespace gleaner::testing {
namespace {

class RunChoicesWindow : public CullerWindowTest {
 protected:
  // Types any characters, as an input method delivers them: key events with their text.
  void TypeCharacters(const char* name, const QString& text) {
    Type(name, "");
    QLineEdit* edit = Control<QComboBox>(name).lineEdit();
    for (const QChar c : text) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(edit, &key);
    }
  }
  std::string RunWith(const std::string& input, const QString& keep) {
    WriteFile(home.File("In.txt"), input);
    Type(kCboInputFile, "In.txt");
    Type(kCboOutputFile, "Result.txt");
    TypeCharacters(kCboParameterX, keep);
    QTest::mouseClick(&Control<QPushButton>(kBtnStart), Qt::LeftButton);
    if (!WaitUntilIdle()) return "(still busy)";
    return ReadFile(home.File("Result.txt"));
  }
};

TEST_F(RunChoicesWindow, TheCheckBoxWritesLfAndTypedTextMeetsTheDataInItsEncoding) {
  Open({"/AN"});
  auto& lf = Control<QCheckBox>(kChkLfLineEnds);
  EXPECT_FALSE(lf.isChecked());
  lf.setFocus();
  QTest::keyClick(&lf, Qt::Key_Space);  // the keyboard counts as much as the mouse
  EXPECT_TRUE(Window().Form()[kChkLfLineEnds].Checked);
  EXPECT_EQ(RunWith("Caf\xC3\xA9 cr\xC3\xA8me\r\nTea\r\n", QString::fromUtf8("/crème")), "Caf\xC3\xA9 cr\xC3\xA8me\n");
  EXPECT_EQ(RunWith("Caf\xE9 cr\xE8me\r\nTea\r\n", QString::fromUtf8("/crème")), "Caf\xE9 cr\xE8me\n");
  QTest::keyClick(&lf, Qt::Key_Space);
  auto& encoding = Control<QComboBox>(kCboEncoding);
  EXPECT_EQ(encoding.currentText(), "Auto");
  encoding.setCurrentText("Windows-1252");
  EXPECT_EQ(Window().Form()[kCboEncoding].Text, "Windows-1252");
  // Read as Windows-1252, the UTF-8 bytes are not the typed word.
  EXPECT_EQ(RunWith("Caf\xC3\xA9 cr\xC3\xA8me\r\nTea\r\n", QString::fromUtf8("/crème")), "");
  EXPECT_EQ(ReadText("cboEncoding.Text", ""), "Windows-1252");
  EXPECT_FALSE(ReadBool("chkLfLineEnds.State", true));
}

TEST_F(RunChoicesWindow, TheCommandLineSetsTheControls) {
  Open({"--lf", "--encoding=utf-8"});
  EXPECT_TRUE(Control<QCheckBox>(kChkLfLineEnds).isChecked());
  EXPECT_EQ(Control<QComboBox>(kCboEncoding).currentText(), "UTF-8");
}

}  // namespace
}  // namespace gleaner::testing
