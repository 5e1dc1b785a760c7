// The go-to-line dialog.
#include "gui/viewer/line_number_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/common/qt_text.h"
#include "viewer/viewer_settings.h"

namespace gleaner {

TfrmTBLineNum::TfrmTBLineNum(QWidget* parent, const std::string& label) : QDialog(parent) {
  setObjectName("frmTBLineNum");
  setWindowTitle("File Viewer - Go to Line Number");
  auto* lblLines = new QLabel(FromAnsi(label), this);
  lblLines->setObjectName("lblLines");
  medGotoLine_ = new QLineEdit(FromAnsi(ReadGotoLine()), this);
  medGotoLine_->setObjectName("medGotoLine");
  medGotoLine_->setMaxLength(5);
  medGotoLine_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), medGotoLine_));
  medGotoLine_->selectAll();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblLines);
  layout->addWidget(medGotoLine_);
  layout->addWidget(buttons);
}

std::optional<std::string> TfrmTBLineNum::Ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return ToAnsi(medGotoLine_->text());
}

}  // namespace gleaner
