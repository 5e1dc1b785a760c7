#include "gui/culler/culler_window_fixture.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "foundation/search_path.h"
#include "gui/common/modal_hook.h"
#include "gui/culler/help_window.h"
#include "gui/culler/report_form.h"
#include "gui/viewer/text_browse_window.h"
#include "interface/error_report.h"
#include "script/compiler.h"
#include "script/executor.h"
#include "support/engine_reset.h"

namespace gleaner::testing {
namespace {

using culler::TfrmHelpWindow;
using culler::TReportForm;

}  // namespace

CullerWindowTest::CullerWindowTest() {
  InitHomeFolder(home.File("culler"));
  ResetReportState();
  ResetEngineForTest();  // each test starts as a fresh program would
  SetModalHook([this](QDialog& dialog) { return Answer(dialog); });
}

CullerWindowTest::~CullerWindowTest() {
  desktop_.reset();
  SetModalHook({});
  ResetReportState();
  FreeCompiledScript();
  SetScriptActive(false);
}

TCullerDesktop& CullerWindowTest::Open(const std::vector<std::string>& params) {
  desktop_ = std::make_unique<TCullerDesktop>(params);
  desktop_->Show();
  return *desktop_;
}

QString CullerWindowTest::BoxText(const char* name) { return Control<QComboBox>(name).currentText(); }

void CullerWindowTest::Type(const char* name, const QString& text) {
  QLineEdit& edit = *Control<QComboBox>(name).lineEdit();
  edit.selectAll();
  QTest::keyClick(&edit, Qt::Key_Delete);
  QTest::keyClicks(&edit, text);
}

std::vector<TfrmTextBrowse*> CullerWindowTest::Viewers() {
  std::vector<TfrmTextBrowse*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* viewer = dynamic_cast<TfrmTextBrowse*>(widget); viewer != nullptr && viewer->isVisible()) {
      found.push_back(viewer);
    }
  }
  return found;
}

bool CullerWindowTest::WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

bool CullerWindowTest::WaitUntilIdle() {
  TRunController& controller = desktop_->Controller();
  TfrmStartUp& window = Window();
  return WaitUntil([&] {
    return !controller.Busy() && !controller.ConfigPending() && !window.Timer(TTimer::AutoStart).isActive() &&
           !window.Timer(TTimer::RunConfig).isActive() && !window.Timer(TTimer::Progress).isActive();
  });
}

int CullerWindowTest::Answer(QDialog& dialog) {
  TDialogSeen seen{"", dialog.windowTitle(), "", &dialog};
  int result = QDialog::Accepted;
  if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
    const bool question = box->standardButtons() & QMessageBox::Cancel;
    seen.Kind = question ? "question" : "message";
    seen.Text = box->text();
    result = question && !answerOk ? QMessageBox::Cancel : QMessageBox::Ok;
  } else if (auto* report = dynamic_cast<TReportForm*>(&dialog)) {
    seen.Kind = "report";
    seen.Text = report->Message().toPlainText();
  } else if (auto* help = dynamic_cast<TfrmHelpWindow*>(&dialog)) {
    seen.Kind = "help";
    seen.Text = help->Caption().text();
  } else if (qobject_cast<QFileDialog*>(&dialog) != nullptr) {
    seen.Kind = "file";
    result = QDialog::Rejected;
  }
  if (onDialog) result = onDialog(seen);
  seen.Dialog = nullptr;
  dialogs.push_back(seen);
  dialog.done(result);
  return result;
}

}  // namespace gleaner::testing
