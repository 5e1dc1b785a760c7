// Culler's main form: the dialogs and windows the run controller asks for.
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "foundation/search_path.h"
#include "gui/common/file_filter.h"
#include "gui/common/message_text.h"
#include "gui/common/modal_hook.h"
#include "gui/common/qt_text.h"
#include "gui/culler/define_search_path_dialog.h"
#include "gui/culler/help_window.h"
#include "gui/culler/main_window.h"
#include "gui/culler/report_form.h"
#include "gui/culler/show_my_help_dialog.h"
#include "gui/viewer/text_browse_window.h"
#include "platform/shell_port.h"
#include "viewer/viewer_setup.h"

namespace gleaner::culler {

void TfrmStartUp::ShowPlainMessage(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, FromMixed(title), MessageText(text), QMessageBox::Ok, this);
  box.setObjectName("msgPlain");
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  RunModal(box);
}

bool TfrmStartUp::AskOkCancel(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Warning, FromMixed(title), MessageText(text),
                  QMessageBox::Ok | QMessageBox::Cancel, this);
  box.setObjectName("msgOkCancel");
  box.setDefaultButton(QMessageBox::Cancel);
  box.setEscapeButton(QMessageBox::Cancel);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  return RunModal(box) == QMessageBox::Ok;
}

void TfrmStartUp::ShowReportForm(const std::string& title, const TReportFormData& data) {
  ReportForm().ShowReport(title, data);
}

TfrmCrashAndStop& TfrmStartUp::ReportForm() {
  if (!frmCrashAndStop_) frmCrashAndStop_ = std::make_unique<TfrmCrashAndStop>(this);
  return *frmCrashAndStop_;
}

void TfrmStartUp::ShowHelpText(const std::string& caption, const std::vector<THelpLine>& lines) {
  TfrmHelpWindow window(this);
  window.SetCaption(caption);
  window.AddLines(lines);
  window.ShowModal();
}

// A focus the program moves is shown as a key's would be (the style draws
// the focus frame only after keyboard focus changes).
void TfrmStartUp::FocusBox(const std::string& name) {
  if (auto it = widgets_.find(name); it != widgets_.end()) it->second->setFocus(Qt::ShortcutFocusReason);
}

std::optional<std::string> TfrmStartUp::ChooseFile(const std::string& title, const std::string& filter,
                                                   const std::string& initialFolder) {
  QFileDialog dialog(this, FromMixed(title), FromFileName(initialFolder), QtFileFilter(filter));
  dialog.setObjectName("dlgChooseFile");
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToFileName(dialog.selectedFiles().front());
}

// The viewer opens no other file, so the output's file mask has nothing to
// restrict; the label shows the file's name.
void TfrmStartUp::ViewFile(const std::string& fileName, const std::string& title, const std::string&) {
  TViewerSetup setup;
  setup.FileName = fileName;
  setup.Caption = title;
  setup.SettingsName = "frmTextBrowse";
  setup.SearchPath = NormaliseSearchPath(HomeFolder());
  ShowTextBrowse(std::move(setup), this);
}

void TfrmStartUp::ShowNormal() {
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  showNormal();
}

void TfrmStartUp::CloseForm() { close(); }

void TfrmStartUp::ViewDocument(const TViewerSetup& setup) { ShowTextBrowse(setup, this); }

std::optional<THelpTopic> TfrmStartUp::ShowHelpChooser(const THelpChooserLayout& layout) {
  return TfrmShowMyHelp::Ask(layout, this);
}

std::optional<std::vector<std::string>> TfrmStartUp::ShowSearchPathDialog(const TSearchPathList& list,
                                                                          const TViewerSetup& help) {
  return TfrmDefineSearchPath::Ask(list, help, this);
}

void TfrmStartUp::OpenBanner() {
  std::string error;
  if (!BannerAddress.empty() && !ShellPort().OpenAddress(BannerAddress, error)) {
    ShowPlainMessage(windowTitle().toStdString(), error + "  ");
  }
}

}  // namespace gleaner::culler
