// The OK row of the simple dialogs.
#include "gui/common/ok_button_row.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace gleaner {

QHBoxLayout* OkButtonRow(QDialog& dialog, QPushButton*& ok) {
  ok = new QPushButton("OK", &dialog);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(ok);
  return row;
}

}  // namespace gleaner
