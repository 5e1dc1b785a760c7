// TfrmTBFind, the viewer window's find dialog.
#include "gui/viewer/text_browse_find_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/qt_text.h"
#include "viewer/viewer_settings.h"

namespace gleaner {

constexpr int kFindHistoryCount = 8;

// The combo box as the settings store's history box ("cboFindText.1" ...).
class TfrmTBFind::THistory : public IHistoryBox {
 public:
  explicit THistory(TfrmTBFind& form) : form_(form) {}
  std::string Name() const override { return "cboFindText"; }
  std::string Text() const override { return form_.cboFindText_->currentText().toStdString(); }
  void SetText(const std::string& text) override { form_.cboFindText_->setEditText(FromMixed(text)); }
  std::vector<std::string>& Items() override { return form_.history_; }
  int DropDownCount() const override { return kFindHistoryCount; }

 private:
  TfrmTBFind& form_;
};

TfrmTBFind::TfrmTBFind(QWidget* parent) : QDialog(parent) {
  setObjectName("frmTBFind");
  setWindowTitle("File Viewer - Find Text from Top");
  BuildControls();
  LoadChoices();
}

void TfrmTBFind::BuildControls() {
  cboFindText_ = new QComboBox(this);
  cboFindText_->setObjectName("cboFindText");
  cboFindText_->setEditable(true);
  cboFindText_->setInsertPolicy(QComboBox::NoInsert);
  // Completing from the history would search for an earlier text instead of the one typed.
  cboFindText_->setCompleter(nullptr);
  cboFindText_->setMinimumWidth(320);
  chkMatchCase_ = new QCheckBox("&Case-sensitive", this);
  chkMatchCase_->setObjectName("chkMatchCase");
  chkWholeWord_ = new QCheckBox("Match &whole words only", this);
  chkWholeWord_->setObjectName("chkWholeWord");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnFind_ = buttons->button(QDialogButtonBox::Ok);
  btnFind_->setObjectName("btnFind");
  btnFind_->setText("&Find");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(cboFindText_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { btnFind_->setEnabled(!text.isEmpty()); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(cboFindText_);
  layout->addWidget(chkMatchCase_);
  layout->addWidget(chkWholeWord_);
  layout->addWidget(buttons);
}

void TfrmTBFind::LoadChoices() {
  THistory box(*this);
  LoadComboBox(box, "", kFindHistoryCount);
  const QString text = cboFindText_->currentText();
  for (const std::string& item : history_) cboFindText_->addItem(FromMixed(item));
  cboFindText_->setEditText(text);
  cboFindText_->lineEdit()->selectAll();
  btnFind_->setEnabled(!text.isEmpty());
  const TFindOptions saved = ReadFindOptions();
  chkMatchCase_->setChecked(saved.MatchCase);
  chkWholeWord_->setChecked(saved.WholeWord);
}

void TfrmTBFind::SaveHistory() {
  THistory box(*this);
  UpdateComboHistory(box, box.Text(), false);
  SaveComboBox(box);
}

std::optional<TFindOptions> TfrmTBFind::Ask() {
  if (exec() != QDialog::Accepted || cboFindText_->currentText().isEmpty()) return std::nullopt;
  SaveHistory();
  return TFindOptions{cboFindText_->currentText().toStdString(), chkMatchCase_->isChecked(),
                      chkWholeWord_->isChecked()};
}

}  // namespace gleaner
