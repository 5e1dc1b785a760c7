// The viewer's go-to-line dialog (TfrmTBLineNum): at most five digits, the
// last number asked for offered again.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;

namespace gleaner {

class TfrmTBLineNum : public QDialog {
 public:
  // label: "42 lines in file" or "42 lines available".
  TfrmTBLineNum(QWidget* parent, const std::string& label);
  // The number as typed, or nothing when cancelled.
  std::optional<std::string> Ask();

 private:
  QLineEdit* medGotoLine_;
};

}  // namespace gleaner
