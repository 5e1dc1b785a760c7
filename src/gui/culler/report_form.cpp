// The error report forms.
#include "gui/culler/report_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/settings_store.h"
#include "gui/common/modal_hook.h"
#include "gui/common/ok_button_row.h"
#include "gui/common/qt_text.h"

namespace gleaner::culler {
namespace {

QLabel* Banner(QWidget* parent) {
  auto* banner = new QLabel("Processing Halted", parent);
  banner->setObjectName("lblBanner");
  QFont font = banner->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.6);
  banner->setFont(font);
  banner->setAlignment(Qt::AlignCenter);
  banner->setAutoFillBackground(true);
  QPalette palette = banner->palette();
  palette.setColor(QPalette::Window, QColor(0x80, 0, 0));
  palette.setColor(QPalette::WindowText, Qt::white);
  banner->setPalette(palette);
  banner->setMargin(banner->fontMetrics().height() / 2);
  return banner;
}

}  // namespace

TReportForm::TReportForm(const char* formName, QWidget* owner)
    : QDialog(owner), placement_(*this, formName) {
  setObjectName(formName);
  auto* grid = new QGridLayout;
  grid->setColumnStretch(1, 1);
  lblErrorCategory_ = AddPair(*grid, 0, "Error category", "lblErrorCategory");
  lblErrorDescription_ = AddPair(*grid, 1, "Description", "lblErrorDescription");
  lblErrorCode_ = AddPair(*grid, 2, "Error code", "lblErrorCode");
  lblStep_ = AddPair(*grid, 3, "Processing step", "lblStep");
  memMsg_ = new QPlainTextEdit(this);
  memMsg_->setObjectName("memMsg");
  memMsg_->setReadOnly(true);
  QHBoxLayout* buttons = OkButtonRow(*this, btnOK_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Banner(this));
  layout->addLayout(grid);
  layout->addWidget(memMsg_, 1);
  layout->addLayout(buttons);
  const int em = fontMetrics().horizontalAdvance('M');
  resize(em * 50, em * 36);
}

QLabel* TReportForm::AddPair(QGridLayout& grid, int row, const char* caption, const char* valueName) {
  auto* label = new QLabel(caption, this);
  auto* value = new QLabel(this);
  value->setObjectName(valueName);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont bold = value->font();
  bold.setBold(true);
  value->setFont(bold);
  grid.addWidget(label, row, 0);
  grid.addWidget(value, row, 1);
  return value;
}

QLabel& TReportForm::Value(const char* name) { return *findChild<QLabel*>(name); }

void TReportForm::ShowReport(const std::string& title, const TReportFormData& data) {
  setWindowTitle(FromMixed(title));
  lblErrorCategory_->setText(FromMixed(data.Category));
  lblErrorDescription_->setText(FromMixed(data.Description));
  lblErrorCode_->setText(FromMixed(data.Code));
  lblStep_->setText(FromMixed(data.Step));
  memMsg_->setPlainText(FromMixed(data.Message));
  RestoreWindow(placement_);
  btnOK_->setFocus();
  RunModal(*this);
}

void TReportForm::done(int result) {
  SaveWindow(placement_);
  QDialog::done(result);
}

}  // namespace gleaner::culler
