// The help text window (TfrmHelpWindow): a caption label, a page of rich
// text and OK. Culler shows the command line help in it. Headings are bold,
// larger and dark blue; the body keeps a fixed pitch so the switch columns
// line up. It restores its place when shown and keeps it when closed.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "gui/common/window_placement.h"
#include "interface/gleaner_interface.h"

class QLabel;
class QPushButton;
class QTextCharFormat;
class QTextEdit;

namespace gleaner::culler {

class TfrmHelpWindow : public QDialog {
 public:
  explicit TfrmHelpWindow(QWidget* owner);

  void SetCaption(const std::string& caption);
  void AddLines(const std::vector<THelpLine>& lines);
  // Shows the page from its top, modally, until OK.
  void ShowModal();

  QLabel& Caption() { return *lblCaption_; }
  QTextEdit& Info() { return *redInfo_; }

 protected:
  void done(int result) override;

 private:
  void AddBlock(const QString& text, const QTextCharFormat& format);
  QTextCharFormat HeadingFormat() const;

  TWindowPlacement placement_;
  QLabel* lblCaption_ = nullptr;
  QTextEdit* redInfo_ = nullptr;
  QPushButton* btnOK_ = nullptr;
  bool firstBlock_ = true;
};

}  // namespace gleaner::culler
