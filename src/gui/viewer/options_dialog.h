// The viewer's options dialog (TfrmTBOpts): word wrap, noise suppression, the
// too-large warning and the line limit.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "viewer/text_browse.h"

class QCheckBox;
class QLineEdit;

namespace gleaner {

class TfrmTBOpts : public QDialog {
 public:
  // title: the file name, or "Options" for a window without a file.
  TfrmTBOpts(QWidget* parent, const std::string& title, const TViewerOptions& current);
  // The choices, or nothing when cancelled.
  std::optional<TViewerOptions> Ask();

 private:
  QCheckBox* chkWordWrap_;
  QCheckBox* chkTextify_;
  QCheckBox* chkTooLarging_;
  QLineEdit* medMaxAddLines_;
};

}  // namespace gleaner
