// culler-desktop: Culler's main form. culler starts it in its own place (same
// arguments, same program name) when it opens the form rather than running in
// the console; it runs Qt, the desktop ports and the form until the form has closed.
#include <QApplication>
#include <QTimer>
#include <clocale>
#include <iostream>

#include "foundation/search_path.h"
#include "gui/common/clipboard_keeper.h"
#include "gui/common/qt_ports.h"
#include "gui/culler/culler_desktop.h"
#include "platform/cancel_signals.h"
#include "platform/started_program.h"

int main(int argc, char** argv) {
  // Qt takes its own options out of argv: the switches are read first.
  const std::vector<std::string> params(argv + 1, argv + argc);
  QApplication application(argc, argv);
  std::setlocale(LC_ALL, "");
  gleaner::InitHomeFolder(argc > 0 ? argv[0] : "");
  gleaner::SetStartedProgram(argc > 0 ? argv[0] : "");  // the about page names culler, not this file
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
  const int status = QApplication::exec();
  // Clipboard output outlives the program only where a manager takes it.
  gleaner::WarnIfClipboardGoes(std::cerr, "culler");
  return status;
}
