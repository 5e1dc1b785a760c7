// The least a desktop program of ours could cost: a Qt main window with one
// label, shown, then closed at once, copying its input file to its output so
// that the speed bench can check it like the other commands. Timed beside
// the form's run of a one-line input, it shows how much of the form's
// start-up is the toolkit's own.
//   qt_floor <input> <output>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) return 2;
  QFile::remove(argv[2]);
  if (!QFile::copy(argv[1], argv[2])) return 1;
  QMainWindow window;
  window.setCentralWidget(new QLabel("Copied"));
  window.show();
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}
