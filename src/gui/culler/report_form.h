// The error report forms: the "Processing Halted" banner, the four label
// pairs (category, description, code, step), the message and OK.
// TfrmCrashAndStop is the one shown, modally, for an engine error. It
// restores its place when shown and keeps it when closed.
#pragma once

#include <QDialog>
#include <string>

#include "gui/common/window_placement.h"
#include "interface/gleaner_interface.h"

class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace gleaner::culler {

class TReportForm : public QDialog {
 public:
  TReportForm(const char* formName, QWidget* owner);

  // Fills the labels and the message, then waits for OK.
  void ShowReport(const std::string& title, const TReportFormData& data);
  QLabel& Value(const char* name);
  QPlainTextEdit& Message() { return *memMsg_; }

 protected:
  void done(int result) override;

 private:
  QLabel* AddPair(QGridLayout& grid, int row, const char* caption, const char* valueName);

  TWindowPlacement placement_;
  QLabel* lblErrorCategory_ = nullptr;
  QLabel* lblErrorDescription_ = nullptr;
  QLabel* lblErrorCode_ = nullptr;
  QLabel* lblStep_ = nullptr;
  QPlainTextEdit* memMsg_ = nullptr;
  QPushButton* btnOK_ = nullptr;
};

class TfrmCrashAndStop final : public TReportForm {
 public:
  explicit TfrmCrashAndStop(QWidget* owner) : TReportForm("frmCrashAndStop", owner) {}
};

}  // namespace gleaner::culler
