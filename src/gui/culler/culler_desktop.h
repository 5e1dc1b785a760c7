// Culler on the desktop: the main form wired to the run controller and
// Culler's handlers, set up by the start-up sequence with the command line.
// The culler-desktop program shows it and runs the event loop; the window
// tests drive it the same way without a loop.
//
//   TCullerDesktop desktop({"/IIn.txt", "/R"});
//   desktop.Show();   // first activation: the script check
#pragma once

#include <string>
#include <vector>

#include "culler/culling_handlers.h"
#include "gui/culler/main_window.h"
#include "interface/gleaner_interface.h"

namespace gleaner::culler {

class TCullerDesktop {
 public:
  explicit TCullerDesktop(const std::vector<std::string>& params);
  ~TCullerDesktop();
  TCullerDesktop(const TCullerDesktop&) = delete;
  TCullerDesktop& operator=(const TCullerDesktop&) = delete;

  // Shows the form and activates it (Xvfb without a window manager never
  // activates a window by itself).
  void Show();
  TfrmStartUp& Window() { return window_; }
  TRunController& Controller() { return controller_; }
  const TCommandLineResult& CommandLine() const { return commandLine_; }

 private:
  TfrmStartUp window_;
  TCullingHandlers handlers_;
  TRunController controller_;
  TCommandLineResult commandLine_;
};

}  // namespace gleaner::culler
