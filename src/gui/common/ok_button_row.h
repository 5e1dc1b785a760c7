// The OK row that ends Culler's simple dialogs: one default button, "OK",
// named btnOK, at the right; a click accepts the dialog.
#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace gleaner {

// The row to add to the dialog's layout; ok receives the button.
QHBoxLayout* OkButtonRow(QDialog& dialog, QPushButton*& ok);

}  // namespace gleaner
