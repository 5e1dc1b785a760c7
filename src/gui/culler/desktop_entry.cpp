// culler-desktop: Culler's main form. culler starts it in its own place (same
// switches, culler's full name as argv[0]) when it opens the form rather than
// running in the console; it runs Qt, the desktop ports and the form until the
// form has closed, and exits with the console's status for the same outcome.
// An installed copy lies off PATH, in libexec/gleaner/.
#include <QApplication>
#include <QTimer>
#include <clocale>
#include <iostream>

#include "foundation/search_path.h"
#include "gui/common/clipboard_keeper.h"
#include "gui/common/qt_ports.h"
#include "gui/culler/culler_desktop.h"
#include "interface/gleaner_interface.h"
#include "platform/cancel_signals.h"
#include "platform/current_folder.h"
#include "platform/helper_program.h"

int main(int argc, char** argv) {
  // Qt takes its own options out of argv: the switches are read first.
  const std::vector<std::string> params(argv + 1, argv + argc);
  QApplication application(argc, argv);
  std::setlocale(LC_ALL, "");
  gleaner::ActForProgram(argc > 0 ? argv[0] : "");  // the browser and shipped files lie by culler
  gleaner::InitHomeFolder(argc > 0 ? argv[0] : "");
  // After the program's own path is read: a launcher may start the form in
  // "/", and outputs named without a folder then go to $HOME.
  gleaner::LeaveUnwritableCurrentFolder();
  const gleaner::TQtPorts ports;
  gleaner::culler::TCullerDesktop desktop(params);
  desktop.Window().OnClosed = [] { QCoreApplication::quit(); };
  QTimer::singleShot(0, &desktop.Window(), [&desktop] { desktop.Show(); });
  // SIGTERM, SIGHUP and Ctrl+C close the form as Exit does; closing during a
  // run cancels it first, so finished records and the log are kept.
  gleaner::InstallCancelSignals();
  QTimer signalWatch;
  QObject::connect(&signalWatch, &QTimer::timeout, &desktop.Window(), [&desktop] {
    if (gleaner::CancelSignalled()) desktop.Window().close();
  });
  signalWatch.start(200);
  QApplication::exec();
  // Clipboard output outlives the program only where a manager takes it.
  gleaner::WarnIfClipboardGoes(std::cerr, "culler");
  // The console's statuses for the same outcome, and the same end after a signal.
  const int status = gleaner::RunExitStatus(desktop.CommandLine(), false);
  gleaner::EndByCancelSignal();
  return status;
}
