// The kestrascan program: the document browser window on Qt. The command line
// is read as given, before Qt looks at it, so every argument counts.
#include <QApplication>
#include <string>
#include <vector>

#include "foundation/search_path.h"
#include "gui/common/qt_ports.h"
#include "gui/kestrascan/start_up_window.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  QApplication application(argc, argv);
  gleaner::InitHomeFolder(argc > 0 ? argv[0] : "");
  const gleaner::TQtPorts ports;
  gleaner::TfrmStartUp form(gleaner::HomeFolder());
  form.StartUp(arguments);
  return QApplication::exec();
}
