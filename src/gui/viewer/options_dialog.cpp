// The options dialog.
#include "gui/viewer/options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/common/qt_text.h"

namespace gleaner {
namespace {

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, bool checked) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

}  // namespace

TfrmTBOpts::TfrmTBOpts(QWidget* parent, const std::string& title, const TViewerOptions& current)
    : QDialog(parent) {
  setObjectName("frmTBOpts");
  setWindowTitle("File Viewer Options");
  auto* lblFileName = new QLabel(FromFileName(title), this);
  lblFileName->setObjectName("lblFileName");
  chkWordWrap_ = CheckBox(this, "chkWordWrap", " &Word wrap", current.WordWrap);
  chkTextify_ = CheckBox(this, "chkTextify", " &Binary file noise suppression", current.Textify);
  chkTooLarging_ =
      CheckBox(this, "chkTooLarging", "  \"File too large to load\" warning", current.TooLarging);
  medMaxAddLines_ = new QLineEdit(QString::fromStdString(current.MaxAddLines), this);
  medMaxAddLines_->setObjectName("medMaxAddLines");
  medMaxAddLines_->setMaxLength(5);
  medMaxAddLines_->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), medMaxAddLines_));
  auto* lines = new QHBoxLayout;
  lines->addWidget(new QLabel("Maximum lines", this));
  lines->addWidget(medMaxAddLines_);
  lines->addWidget(new QLabel("to load (up to 99,999)", this));
  lines->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblFileName);
  layout->addWidget(chkWordWrap_);
  layout->addWidget(chkTextify_);
  layout->addWidget(chkTooLarging_);
  layout->addLayout(lines);
  layout->addWidget(buttons);
}

std::optional<TViewerOptions> TfrmTBOpts::Ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return TViewerOptions{chkTextify_->isChecked(), chkWordWrap_->isChecked(), chkTooLarging_->isChecked(),
                        medMaxAddLines_->text().toStdString()};
}

}  // namespace gleaner
