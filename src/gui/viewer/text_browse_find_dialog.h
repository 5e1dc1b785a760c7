// The viewer's find dialog (TfrmTBFind): the search text with its history of
// up to 8 entries, and the case and whole-word options, all kept in the
// settings. The search itself runs in the window, from the top.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "foundation/settings_store.h"
#include "viewer/text_find.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace gleaner {

class TfrmTBFind : public QDialog {
 public:
  explicit TfrmTBFind(QWidget* parent);
  // Shows the dialog modally; the confirmed choice (history saved), or nothing.
  std::optional<TFindOptions> Ask();

 private:
  class THistory;
  void BuildControls();
  void LoadChoices();
  void SaveHistory();

  QComboBox* cboFindText_;
  QCheckBox* chkMatchCase_;
  QCheckBox* chkWholeWord_;
  QPushButton* btnFind_;
  std::vector<std::string> history_;
};

}  // namespace gleaner
