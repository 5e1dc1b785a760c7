// The console front end: the main view for batch files, cron jobs and CI.
// Messages and reports go to standard error, the help page to standard
// output (in UTF-8), an OK/Cancel question is answered Cancel unless standard
// input is a terminal, where it is asked as "[y/N]". It never needs a display
// and never waits for input that cannot come. Ctrl+C during a run asks the
// run to cancel; a second Ctrl+C ends the program at once.
//
//   TConsoleView view(std::cout, std::cerr, std::cin, isatty(0));
//   ...
//   RunConsoleTimers(controller, view);   // until the run (or the attempt) is over
#pragma once

#include <iosfwd>

#include "interface/main_view.h"

namespace gleaner {

class TRunController;

class TConsoleView final : public IMainView {
 public:
  TConsoleView(std::ostream& out, std::ostream& err, std::istream& in, bool interactive)
      : out_(out), err_(err), in_(in), interactive_(interactive) {}

  void ShowPlainMessage(const std::string& title, const std::string& text) override;
  bool AskOkCancel(const std::string& title, const std::string& text) override;
  void ShowReportForm(const std::string& title, const TReportFormData& data) override;
  void ShowHelpText(const std::string& caption, const std::vector<THelpLine>& lines) override;
  void FocusBox(const std::string&) override {}
  std::optional<std::string> ChooseFile(const std::string& title, const std::string& filter,
                                        const std::string& initialFolder) override;
  void ViewFile(const std::string& fileName, const std::string& title, const std::string& fileMask) override;
  void Refresh() override {}
  void ShowNormal() override {}
  void CloseForm() override { closed_ = true; }
  bool ShowsReportsWithoutWaiting() const override { return true; }
  void ShowStatus(const std::string& text) override;
  std::optional<std::vector<std::string>> ShowSearchPathDialog(const TSearchPathList& list,
                                                               const TViewerSetup& help) override;
  std::optional<THelpTopic> ShowHelpChooser(const THelpChooserLayout& layout) override;

  bool Closed() const { return closed_; }
  // A question was answered Cancel, so the job asked for was not done.
  bool Declined() const { return declined_; }

 private:
  std::ostream& out_;
  std::ostream& err_;
  std::istream& in_;
  bool interactive_;
  bool closed_ = false;
  bool declined_ = false;
};

// Fires the form's timers, the shortest period first, until none is on or
// the form has closed.
void RunConsoleTimers(TRunController& controller, const TConsoleView& view);

// Ctrl+C, SIGTERM and SIGHUP set the engine's cancel request at its next
// event check (see platform/cancel_signals.h).
void InstallConsoleCancel();

}  // namespace gleaner
