// The viewer window on UTF-8 and Windows-1252 documents: every character of
// a UTF-8 document shows, find selects the characters it found, and a
// Windows-1252 document shows as it always did.
#include <QPointer>
#include <QTextBlock>

#include "gui/gui_fixture.h"
#include "gui/viewer/text_browse_window.h"
#include "gui/viewer/text_view.h"

namespace gleaner {
namespace {

using testing::WriteFile;

class TextBrowseUtf8Test : public testing::GuiTest {
 protected:
  TfrmTextBrowse* Open(const std::string& bytes, bool markup = false) {
    WriteFile(home.File("Doc.txt"), bytes);
    TViewerSetup setup;
    setup.FileName = home.File("Doc.txt");
    setup.SettingsName = "frmTest";
    setup.MarkupMode = markup;
    TfrmTextBrowse* window = ShowTextBrowse(setup, nullptr);
    ProcessEvents();
    return window;
  }
  static QString Line(TfrmTextBrowse* window, int line) {
    return window->Text().document()->findBlockByNumber(line).text();
  }
  // Finds text (as the dialog gives it: UTF-8) from the top, or again from
  // the selection, and applies the position; the selected text.
  static QString FindAndSelect(TfrmTextBrowse* window, const std::string& text, bool again = false) {
    TTextView& view = window->Text();
    const std::optional<TViewPosition> found = again ? window->Browse().FindAgain(view.Position())
                                                     : window->Browse().Find({text, false, false}, view.Position());
    if (!found) return "(not found)";
    view.SetPosition(*found);
    return view.textCursor().selectedText();
  }
};

TEST_F(TextBrowseUtf8Test, Utf8DocumentsShowEveryCharacter) {
  QPointer<TfrmTextBrowse> window =
      Open("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88\r\n"
           "\xC5\xA1pi\xC4\x8Dka \xF0\x9F\x98\x80 \xC5\xA1PI\xC4\x8CKA\r\n");
  EXPECT_EQ(Line(window, 0), QString::fromUtf8("日本語 テキスト"));
  EXPECT_EQ(Line(window, 1), QString::fromUtf8("špička 😀 šPIČKA"));
  EXPECT_TRUE(Line(window, 2).contains("END OF FILE"));
  EXPECT_EQ(FindAndSelect(window, "テキスト"), QString::fromUtf8("テキスト"));
  // After a character of two UTF-16 units the positions still meet.
  EXPECT_EQ(FindAndSelect(window, "pi"), "pi");
  EXPECT_EQ(FindAndSelect(window, "", true), "PI");
  EXPECT_EQ(FindAndSelect(window, "Š"), QString::fromUtf8("š"));
  EXPECT_EQ(FindAndSelect(window, "", true), QString::fromUtf8("š"));
  // The caret status counts the model's columns; the caret is where find left it.
  EXPECT_EQ(window->Text().textCursor().blockNumber(), 1);
  delete window;
}

TEST_F(TextBrowseUtf8Test, Windows1252DocumentsShowAsBefore) {
  QPointer<TfrmTextBrowse> window = Open("Caf\xE9 \x93quoted\x94 \x80 \xC3\xA9\xFF\r\n");
  EXPECT_EQ(Line(window, 0), QString::fromUtf8("Café “quoted” € Ã©ÿ"));
  EXPECT_EQ(FindAndSelect(window, "CAFÉ"), QString::fromUtf8("Café"));
  EXPECT_EQ(FindAndSelect(window, "€"), QString::fromUtf8("€"));
  delete window;
  // Marked-up UTF-8: entities in UTF-8, rule lines as before.
  window = Open("<H1>\xC5\xA1pi\xC4\x8Dka &copy; &mdash;</H1>\r\n", true);
  EXPECT_EQ(Line(window, 1), QString::fromUtf8("špička © —"));
  EXPECT_EQ(Line(window, 0), QString(80, QChar(0x2014)));
  delete window;
}

}  // namespace
}  // namespace gleaner
