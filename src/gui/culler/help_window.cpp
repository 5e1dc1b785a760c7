// The help text window.
#include "gui/culler/help_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <cmath>

#include "foundation/settings_store.h"
#include "gui/common/modal_hook.h"
#include "gui/common/ok_button_row.h"
#include "gui/common/qt_text.h"

namespace gleaner::culler {
namespace {

constexpr double kHeadingScale = 1.4;
const QColor kHeadingColour(0, 0, 0x70);

}  // namespace

TfrmHelpWindow::TfrmHelpWindow(QWidget* owner) : QDialog(owner), placement_(*this, "frmHelpWindow") {
  setObjectName("frmHelpWindow");
  lblCaption_ = new QLabel(this);
  lblCaption_->setObjectName("lblCaption");
  QFont captionFont = lblCaption_->font();
  captionFont.setBold(true);
  lblCaption_->setFont(captionFont);
  redInfo_ = new QTextEdit(this);
  redInfo_->setObjectName("redInfo");
  redInfo_->setReadOnly(true);
  redInfo_->setLineWrapMode(QTextEdit::NoWrap);
  redInfo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QHBoxLayout* buttons = OkButtonRow(*this, btnOK_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblCaption_);
  layout->addWidget(redInfo_, 1);
  layout->addLayout(buttons);
  // Wide enough for the 80-column separator lines of the command line help.
  const QFontMetrics metrics(redInfo_->font());
  resize(metrics.horizontalAdvance(QString(84, 'M')) + 40, metrics.lineSpacing() * 30);
}

void TfrmHelpWindow::SetCaption(const std::string& caption) {
  setWindowTitle(FromAnsi(caption));
  lblCaption_->setText(FromAnsi(caption));
}

void TfrmHelpWindow::AddLines(const std::vector<THelpLine>& lines) {
  for (const THelpLine& line : lines) {
    AddBlock(FromAnsi(line.Text), line.Heading ? HeadingFormat() : QTextCharFormat());
  }
}

void TfrmHelpWindow::AddBlock(const QString& text, const QTextCharFormat& format) {
  QTextCursor cursor(redInfo_->document());
  cursor.movePosition(QTextCursor::End);
  if (!firstBlock_) cursor.insertBlock();
  firstBlock_ = false;
  cursor.insertText(text, format);
}

QTextCharFormat TfrmHelpWindow::HeadingFormat() const {
  // Where Arial is missing, the font matcher substitutes a like face.
  QFont font("Arial");
  font.setBold(true);
  font.setPointSizeF(std::round(redInfo_->font().pointSizeF() * kHeadingScale));
  QTextCharFormat heading;
  heading.setFont(font);
  heading.setForeground(kHeadingColour);
  return heading;
}

void TfrmHelpWindow::ShowModal() {
  RestoreWindow(placement_);
  redInfo_->moveCursor(QTextCursor::Start);
  redInfo_->verticalScrollBar()->setValue(0);
  RunModal(*this);
}

void TfrmHelpWindow::done(int result) {
  SaveWindow(placement_);
  QDialog::done(result);
}

}  // namespace gleaner::culler
