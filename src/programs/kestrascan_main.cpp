// The kestrascan program: the document browser window on Qt. The command line
// is read as given, before Qt looks at it, so every argument counts;
// "--version" (and "--help" without a display) is answered on standard output.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "browser/browser_switches.h"
#include "foundation/search_path.h"
#include "gui/common/qt_ports.h"
#include "gui/kestrascan/browser_main_window.h"
#include "platform/display_probe.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const bool display = gleaner::DisplayAvailable() && gleaner::DisplayAnswers();
  if (const auto answer = gleaner::TerminalAnswer(arguments, display)) {
    std::cout << *answer;
    return 0;
  }
  // Qt would abort without a display it can reach.
  if (!display) {
    std::cerr << gleaner::NoDisplayMessage();
    return 1;
  }
  QApplication application(argc, argv);
  gleaner::InitHomeFolder(argc > 0 ? argv[0] : "");
  const gleaner::TQtPorts ports;
  gleaner::TfrmStartUp form(gleaner::HomeFolder());
  form.StartUp(arguments);
  return QApplication::exec();
}
