// The search path dialog (TfrmDefineSearchPath, "Define Search Path"): the
// folder list lstDirs with its move, add and drop buttons, driven by the
// list rules of TSearchPathList; "Help" and F1 open its help page in the
// file viewer. OK hands back the edited list, Cancel nothing.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gui/common/window_placement.h"
#include "interface/gleaner_interface.h"
#include "viewer/viewer_setup.h"

class QListWidget;
class QPushButton;

namespace gleaner {

class TfrmDefineSearchPath : public QDialog {
 public:
  TfrmDefineSearchPath(TSearchPathList list, TViewerSetup help, QWidget* parent);
  // Shows the dialog modally: the folders to keep after OK, nothing after Cancel.
  static std::optional<std::vector<std::string>> Ask(TSearchPathList list, TViewerSetup help, QWidget* parent);

  // Asks for a folder to add; the system folder browser unless replaced (tests).
  std::function<std::optional<std::string>()> ChooseFolder;
  const TSearchPathList& List() const { return list_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  void BuildControls();
  QPushButton* AddButton(const char* name, const char* caption, const std::function<void()>& action);
  std::optional<std::string> BrowseForFolder();
  void AddFolder();
  void ShowHelp();
  void Refresh();

  TSearchPathList list_;
  TViewerSetup help_;
  TWindowPlacement placement_;
  QListWidget* lstDirs_ = nullptr;
  QPushButton* btnMoveUp_ = nullptr;
  QPushButton* btnMoveDown_ = nullptr;
  QPushButton* btnAdd_ = nullptr;
  QPushButton* btnDrop_ = nullptr;
};

}  // namespace gleaner
