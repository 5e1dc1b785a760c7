// Opens a viewer window on a generated file of 99,999 lines (the largest line
// limit), once as a plain file and once as a markup document, and times the
// load, the close (which saves the window's place) and the deletion of the
// window with its text, then the end of the application. Run by hand, on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/bench_common.h"
#include "foundation/settings_store.h"
#include "gui/common/qt_ports.h"
#include "gui/viewer/text_browse_window.h"
#include "viewer/viewer_settings.h"

namespace {

constexpr int kLines = 99999;

void WriteSample(const std::string& name, bool markup) {
  std::ofstream out(name, std::ios::binary);
  if (markup) out << "<H1>Generated document</H1>\r\n";
  for (int n = 1; n < kLines - 4; ++n) {
    out << "Line " << n << " of the generated file, ";
    out << (markup && n % 10 == 0 ? "<B>some bold words</B>" : "some plain words") << " to fill it.\r\n";
  }
}

void DeletePosted() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void Run(const std::string& folder, bool markup) {
  const std::string name = folder + (markup ? "/markup.txt" : "/plain.txt");
  WriteSample(name, markup);
  gleaner::TViewerSetup setup;
  setup.FileName = name;
  setup.Title = "Teardown";
  setup.SettingsName = "frmBench";
  setup.MarkupMode = markup;
  setup.WordWrap = markup;
  QPointer<gleaner::TfrmTextBrowse> window;
  const double load = gleaner::bench::Seconds([&] {
    window = gleaner::ShowTextBrowse(setup, nullptr);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  });
  const int blocks = window->Text().document()->blockCount();
  // A reader who went to the end has every line laid out.
  const double end = gleaner::bench::Seconds([&] {
    window->Text().moveCursor(QTextCursor::End);
    window->Text().ensureCursorVisible();
    QCoreApplication::processEvents();
  });
  const double close = gleaner::bench::Seconds([&] { window->close(); });
  const double destroy = gleaner::bench::Seconds([&] {
    while (!window.isNull()) DeletePosted();
  });
  std::printf("%-7s %6d blocks   load %7.3f s   to end %7.3f s   close %7.3f s   delete %7.3f s\n", markup ? "markup" : "plain",
              blocks, load, end, close, destroy);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string folder = (std::filesystem::temp_directory_path() / "gleaner_teardown_bench").string();
  std::filesystem::create_directories(folder);
  gleaner::SetIniFileName(folder + "/Bench.ini");
  gleaner::WriteMaxAddLines(gleaner::kMaxMaxAddLines);
  gleaner::WriteTooLarging(false);
  auto application = std::make_unique<QApplication>(argc, argv);
  const gleaner::TQtPorts ports;
  Run(folder, false);
  Run(folder, true);
  const double end = gleaner::bench::Seconds([&] { application.reset(); });
  std::printf("application end %.3f s\n", end);
  std::filesystem::remove_all(folder);
  return 0;
}
