// Printing a copy of the viewer's document, laid out for the page.
#include "gui/viewer/print_text.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <memory>

namespace gleaner {
namespace {

void SetViewerMargins(QPrinter& printer) {
  printer.setPageMargins(QMarginsF(1.0, 0.75, 1.0, 0.75), QPageLayout::Inch);
}

// Layout units of a document without a paint device: the screen's pixels.
qreal LayoutDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

void PrintDocument(const QTextDocument& text, const QString& title, QPrinter& printer) {
  printer.setDocName(title);
  SetViewerMargins(printer);
  // A paginated copy prints page by page within the printer's margins as they
  // are; the viewer's own document is laid out line by line for the screen.
  std::unique_ptr<QTextDocument> copy(text.clone());
  copy->setDocumentMargin(0);
  QTextOption option = copy->defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  copy->setDefaultTextOption(option);
  const QSizeF page = printer.pageLayout().paintRect(QPageLayout::Inch).size();
  copy->setPageSize(page * LayoutDpi());
  copy->print(&printer);
}

void PrintViewerText(const QTextDocument& text, const QString& title, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  SetViewerMargins(printer);
  printer.setDocName(title);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintDocument(text, title, printer);
}

}  // namespace gleaner
