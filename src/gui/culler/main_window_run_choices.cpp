// The run choices beside Autoview and Append: LF line ends, and the text
// encoding as a fixed choice with its label. Both follow their state, so a
// change by keyboard, mouse or program reaches the form's data alike.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/common/qt_text.h"
#include "gui/culler/main_window.h"
#include "interface/gleaner_interface.h"

namespace gleaner::culler {

void TfrmStartUp::AddRunChoices(QWidget& holder, QHBoxLayout& row) {
  auto* lf = new QCheckBox(&holder);
  lf->setObjectName(kChkLfLineEnds);
  connect(lf, &QCheckBox::toggled, this, [this](bool checked) { form_[kChkLfLineEnds].Checked = checked; });
  widgets_[kChkLfLineEnds] = lf;
  row.addWidget(lf);
  auto* label = new QLabel(FromAnsi(form_[kCboEncoding].Caption), &holder);
  auto* choice = new QComboBox(&holder);
  choice->setObjectName(kCboEncoding);
  for (EncodingChoice each : {EncodingChoice::kAuto, EncodingChoice::kUtf8, EncodingChoice::kWindows1252}) {
    choice->addItem(FromAnsi(EncodingChoiceName(each)));
  }
  label->setBuddy(choice);
  connect(choice, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { form_[kCboEncoding].Text = text.toStdString(); });
  widgets_[kCboEncoding] = choice;
  row.addSpacing(fontMetrics().horizontalAdvance("MM"));
  row.addWidget(label);
  row.addWidget(choice);
}

void TfrmStartUp::SyncChoice(QComboBox& box, const TControl& control) {
  const int index = box.findText(FromAnsi(control.Text));
  if (index >= 0 && index != box.currentIndex()) box.setCurrentIndex(index);
}

}  // namespace gleaner::culler
