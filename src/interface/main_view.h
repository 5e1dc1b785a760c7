// What the main form's logic needs from a front end. The console front end
// and the desktop front end implement it; tests use a fake.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "foundation/settings_store.h"
#include "interface/help_chooser.h"
#include "interface/search_path_list.h"
#include "viewer/viewer_setup.h"

namespace gleaner {

// The labels of the error report form.
struct TReportFormData {
  std::string Category;
  std::string Description;
  std::string Code;
  std::string Step;
  std::string Message;
};

// A line of the help text window; headings get the window's heading style.
struct THelpLine {
  std::string Text;
  bool Heading = false;
};

class IMainView {
 public:
  virtual ~IMainView() = default;
  // An OK-only message, always on top; title is the application title.
  virtual void ShowPlainMessage(const std::string& title, const std::string& text) = 0;
  // OK or Cancel with a warning icon, Cancel the default. True for OK.
  virtual bool AskOkCancel(const std::string& title, const std::string& text) = 0;
  // The error report form, shown modally until OK.
  virtual void ShowReportForm(const std::string& title, const TReportFormData& data) = 0;
  // A modal window with a page of text (command line help, about pages).
  virtual void ShowHelpText(const std::string& caption, const std::vector<THelpLine>& lines) = 0;
  virtual void FocusBox(const std::string& name) = 0;
  // A file chooser; nothing when cancelled.
  virtual std::optional<std::string> ChooseFile(const std::string& title, const std::string& filter,
                                                const std::string& initialFolder) = 0;
  // Shows a file in the file viewer.
  virtual void ViewFile(const std::string& fileName, const std::string& title, const std::string& fileMask) = 0;
  // The form's controls or timers changed; the front end shows the new state.
  virtual void Refresh() = 0;
  // Shows a window started minimised in its normal state.
  virtual void ShowNormal() = 0;
  // Closes the main form (the program ends when the form is closed).
  virtual void CloseForm() = 0;
  // A short note on what the program is doing (it waits for another run):
  // the form's note label, which the controller has set, or standard error.
  virtual void ShowStatus(const std::string& text) {
    (void)text;
    Refresh();
  }
  // True where showing a report never waits (the console): reports are then
  // shown under /CA too, so a batch job's standard error tells what failed.
  virtual bool ShowsReportsWithoutWaiting() const { return false; }
  // The main form's place and size, when the front end has a window; nothing otherwise.
  virtual IPlaceableWindow* MainWindow() { return nullptr; }
  // Shows a document in the file viewer as set up (help documents with their
  // generated lines after the last line).
  virtual void ViewDocument(const TViewerSetup& setup) { ViewFile(setup.FileName, setup.Title, ""); }
  // The help chooser laid out as decided, modal: the topic pressed, or
  // nothing after Cancel or its automatic close.
  virtual std::optional<THelpTopic> ShowHelpChooser(const THelpChooserLayout&) { return std::nullopt; }
  // The search path dialog on list, with help as its help page: the edited
  // folders after OK, nothing after Cancel (or without a dialog).
  virtual std::optional<std::vector<std::string>> ShowSearchPathDialog(const TSearchPathList& list,
                                                                       const TViewerSetup& help) {
    (void)list;
    (void)help;
    return std::nullopt;
  }
};

}  // namespace gleaner
