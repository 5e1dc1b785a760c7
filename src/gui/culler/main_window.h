// Culler's main form (TfrmStartUp) on Qt: a thin view over TMainForm. Every
// control of the form exists as a widget named after it; Refresh() copies
// texts, captions, hints, histories and the enabled, visible, checked and
// button-face states from TMainForm, and switches the three QTimers to
// match. The user's edits, clicks, focus changes, function keys and timer
// ticks go to the run controller, which alone decides what they mean.
//
//   TfrmStartUp window;
//   TRunController controller(window.Form(), window, handlers, FillProgramInfo);
//   window.Connect(controller);
//   StartUpMainForm(controller, ...);
//   window.show();
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "gui/common/window_placement.h"
#include "interface/gleaner_interface.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QTimer;

namespace gleaner {
class TRunController;
enum class TFileBox;
}

namespace gleaner::culler {

// One file row of the form: its controls' names and the box it serves.
struct TFileRow {
  const char* Label;
  const char* Box;
  const char* Nav;   // the chooser button
  const char* View;  // the View button
  TFileBox Which;
};

class TfrmCrashAndStop;

class TfrmStartUp final : public QWidget, public IMainView {
 public:
  TfrmStartUp();
  ~TfrmStartUp() override;

  TMainForm& Form() { return form_; }
  void Connect(TRunController& controller);
  // Called once the form has closed (the program's main ends the event loop).
  std::function<void()> OnClosed;
  // The banner's address (the home folder: the program's documents and samples).
  std::string BannerAddress;

  // The view for the run controller.
  void ShowPlainMessage(const std::string& title, const std::string& text) override;
  bool AskOkCancel(const std::string& title, const std::string& text) override;
  void ShowReportForm(const std::string& title, const TReportFormData& data) override;
  void ShowHelpText(const std::string& caption, const std::vector<THelpLine>& lines) override;
  void FocusBox(const std::string& name) override;
  std::optional<std::string> ChooseFile(const std::string& title, const std::string& filter,
                                        const std::string& initialFolder) override;
  void ViewFile(const std::string& fileName, const std::string& title, const std::string& fileMask) override;
  void Refresh() override;
  void ShowNormal() override;
  void CloseForm() override;
  IPlaceableWindow* MainWindow() override { return &placement_; }
  void ViewDocument(const TViewerSetup& setup) override;
  std::optional<THelpTopic> ShowHelpChooser(const THelpChooserLayout& layout) override;
  std::optional<std::vector<std::string>> ShowSearchPathDialog(const TSearchPathList& list,
                                                               const TViewerSetup& help) override;

  QTimer& Timer(TTimer timer) { return *timers_[static_cast<int>(timer)]; }
  TfrmCrashAndStop& ReportForm();  // built when first needed: most runs never show it

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the form.
  void BuildControls();
  QWidget* BuildTopPanel();
  QWidget* BuildProgressPanel();
  QWidget* BuildBoxGrid();
  QWidget* BuildButtonRow();
  QComboBox* AddBox(const char* name);
  void AddFileRow(QGridLayout& grid, int row, const TFileRow& names, const QIcon& folder);
  void AddParameterRow(QGridLayout& grid, int row, char letter);
  QWidget* AddButton(const char* name, const std::function<void()>& action);
  void AddRunChoices(QWidget& holder, QHBoxLayout& row);  // main_window_run_choices.cpp
  void ConnectBox(QComboBox& box);
  void BuildTimers();
  void BuildShortcuts();

  // Showing the form's data.
  void SyncControl(const std::string& name, const TControl& control);
  void SyncBox(QComboBox& box, const TControl& control);
  static void SyncChoice(QComboBox& box, const TControl& control);  // a box that is not editable
  void SyncBanner(const TControl& control);
  void SyncProgress(const TControl& control);
  void SyncTimers();

  // User actions.
  void BoxEdited(QComboBox& box, const QString& text);
  void BoxChosen(QComboBox& box);
  bool FocusChanged(QComboBox& box, QEvent* event);
  void Call(const std::function<void(TRunController&)>& action);
  void OpenBanner();

  TMainForm form_;
  TRunController* controller_ = nullptr;
  TWindowPlacement placement_;
  std::map<std::string, QWidget*, std::less<>> widgets_;
  QTimer* timers_[3] = {nullptr, nullptr, nullptr};
  std::unique_ptr<TfrmCrashAndStop> frmCrashAndStop_;
  std::string bannerFile_ = "?";  // the picture file shown; "?" before the first refresh
  bool refreshing_ = false;
  bool closed_ = false;
};

}  // namespace gleaner::culler
