// What the tests of Culler's windows share: the desktop front end in a
// temporary home folder, every modal dialog answered through the modal hook
// (and recorded), and a wait that lets the form's timers run.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/culler/culler_desktop.h"
#include "gui/gui_fixture.h"

class QComboBox;
class QDialog;

namespace gleaner {
class TfrmTextBrowse;
}

namespace gleaner::testing {

using culler::TCullerDesktop;
using culler::TfrmStartUp;

class CullerWindowTest : public GuiTest {
 protected:
  CullerWindowTest();
  ~CullerWindowTest() override;

  // The form started with these switches and shown.
  TCullerDesktop& Open(const std::vector<std::string>& params);
  TfrmStartUp& Window() { return desktop_->Window(); }
  template <typename Widget = QWidget>
  Widget& Control(const char* name) {
    auto* widget = Window().findChild<Widget*>(name);
    if (widget == nullptr) throw std::runtime_error(std::string("no widget ") + name);
    return *widget;
  }
  QString BoxText(const char* name);
  // Types text into a box as the user would, replacing what it held.
  void Type(const char* name, const QString& text);
  // The visible viewer windows, newest last.
  static std::vector<TfrmTextBrowse*> Viewers();
  // Processes events until done() holds or 30 seconds have passed.
  static bool WaitUntil(const std::function<bool()>& done);
  // Until no run, no Config run and no start is pending.
  bool WaitUntilIdle();

  // A dialog as the hook saw it.
  struct TDialogSeen {
    std::string Kind;  // "message", "question", "report", "help", "file"
    QString Title;
    QString Text;      // message text, report message, or help caption
    QDialog* Dialog;   // valid only inside onDialog
  };
  std::vector<TDialogSeen> dialogs;
  bool answerOk = true;                            // the answer to OK/Cancel questions
  std::function<int(TDialogSeen&)> onDialog;       // a test's own answer

 private:
  int Answer(QDialog& dialog);
  std::unique_ptr<TCullerDesktop> desktop_;
};

}  // namespace gleaner::testing
