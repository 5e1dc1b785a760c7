// The viewer window (TfrmTextBrowse): maps the window model (TTextBrowse) onto
// widgets. The label shows the title, the text widget the display lines; a
// button row, the width box, the loading progress bar and three status
// panels surround it. Loading runs on the window's first activation and when
// the file changed, processing events after every block so that Esc can stop
// it. Each window deletes itself when closed.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "gui/viewer/text_view.h"
#include "gui/viewer/viewer_keys.h"
#include "gui/common/window_placement.h"
#include "viewer/text_browse.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace gleaner {

class TElidedPathLabel;

class TfrmTextBrowse : public QWidget {
 public:
  // owner: the window this one belongs to (it goes when the owner goes), or null.
  TfrmTextBrowse(TViewerSetup setup, QWidget* owner);

  TTextBrowse& Browse() { return browse_; }
  TTextView& Text() { return *redTextBrowse_; }
  // A status panel's text (0 to 2).
  QString StatusText(int panel) const;

  // Loads when the file changed since the last load (always the first time).
  void ReloadIfChanged();
  // Loads now; toTop puts the caret at the top, else the first visible line stays.
  void Load(bool toTop);
  void RunAction(TViewerKeyAction action);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildTopRow();
  QWidget* BuildButtonRow();
  QWidget* BuildStatusBar();
  QPushButton* AddButton(const char* name, const char* caption, const std::function<void()>& action);
  void InstallKeyPreview();
  bool PreviewKey(QKeyEvent* key);
  bool PreviewMouse(QEvent* event);

  void SetLoading(bool on);
  void ShowProgress();
  void FinishLoad(int firstVisible);
  void UpdateStatus();
  void UpdateCaretStatus();
  void Apply(const std::optional<TViewPosition>& position);

  void Find();
  void FindAgain();
  void GoToLine();
  void ShowOptions();
  void Print();
  void ShowHelp();
  void ChangeWidth(int index);
  void FollowLink();
  bool IsOverLink(const QPoint& point) const;

  TTextBrowse browse_;
  TWindowPlacement placement_;
  bool placed_ = false;
  bool loaded_ = false;
  TElidedPathLabel* lblFileName_ = nullptr;
  QComboBox* cboWidth_ = nullptr;
  TTextView* redTextBrowse_ = nullptr;
  QWidget* buttonRow_ = nullptr;
  QPushButton* btnHelp_ = nullptr;
  QProgressBar* barLoading_ = nullptr;
  QLabel* lblLoading_ = nullptr;
  std::array<QLabel*, 3> panels_{};
};

// Creates a viewer window and shows it without waiting for it.
TfrmTextBrowse* ShowTextBrowse(TViewerSetup setup, QWidget* owner);
// The viewer's one help window ("File Viewer Help"), created when missing.
TfrmTextBrowse* ShowViewerHelp(QWidget* owner);

}  // namespace gleaner
