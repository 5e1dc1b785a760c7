// The help chooser (TfrmShowMyHelp, "Help Options"): shows the three topic
// buttons as the help logic laid them out and reports the one pressed.
// Cancel, Esc or 30 seconds without a choice close it with no topic.
#pragma once

#include <QDialog>
#include <optional>

#include "gui/common/window_placement.h"
#include "interface/gleaner_interface.h"

class QPushButton;
class QTimer;

namespace gleaner {

class TfrmShowMyHelp : public QDialog {
 public:
  TfrmShowMyHelp(const THelpChooserLayout& layout, QWidget* parent);
  // Shows the chooser modally; the topic pressed, or nothing.
  static std::optional<THelpTopic> Ask(const THelpChooserLayout& layout, QWidget* parent);

  std::optional<THelpTopic> Chosen() const { return chosen_; }
  QTimer& AutoClose() { return *tmrAutoClose_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  QPushButton* AddTopic(const char* name, const THelpButton& button, THelpTopic topic);
  QPushButton* ButtonOf(THelpTopic topic) const;

  THelpChooserLayout layout_;
  TWindowPlacement placement_;
  QPushButton* btnProject_ = nullptr;
  QPushButton* btnScript_ = nullptr;
  QPushButton* btnHelpIndex_ = nullptr;
  QTimer* tmrAutoClose_ = nullptr;
  std::optional<THelpTopic> chosen_;
};

}  // namespace gleaner
