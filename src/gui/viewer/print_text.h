// Printing the viewer's text through Qt's print support: margins of 1 inch
// left and right and 0.75 inch top and bottom, the job named after the title,
// long lines wrapped on the page, a new page whenever one is full.
#pragma once

#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

namespace gleaner {

// Asks for the printer (a PDF file works without one), then prints.
void PrintViewerText(const QTextDocument& text, const QString& title, QWidget* parent);
// Prints on a printer that is already chosen.
void PrintDocument(const QTextDocument& text, const QString& title, QPrinter& printer);

}  // namespace gleaner
