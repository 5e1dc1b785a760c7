// KestraScan's main window, the document browser (TfrmStartUp, "KestraScan"): the list of
// document titles, the two sort choices and Close. A click on a title opens
// the document in a viewer window, closing the one opened before. F1 shows
// the about message, F5 rebuilds the list, Esc closes.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "browser/kestra_scan.h"
#include "gui/viewer/text_browse_window.h"
#include "gui/common/window_placement.h"

class QListWidget;
class QPushButton;
class QRadioButton;

namespace gleaner {

class TfrmStartUp : public QWidget {
 public:
  explicit TfrmStartUp(std::string homeFolder);

  // Reads the settings and the command line, restores the placement, shows
  // the window, then lists the documents (and opens own help for "/?").
  void StartUp(const std::vector<std::string>& arguments);

  QListWidget& Titles() { return *lstTitles_; }
  TfrmTextBrowse* Viewer() const { return viewer_.data(); }
  void RebuildList();
  void OpenItem(int row);
  void ShowAbout();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildSortGroup();
  void SortChanged();
  void OpenViewer(const TViewerSetup& setup);

  TKestraScan scan_;
  TWindowPlacement placement_;
  std::vector<TListInfo> entries_;
  QListWidget* lstTitles_ = nullptr;
  QRadioButton* radSortByFolder_ = nullptr;
  QRadioButton* radSortByName_ = nullptr;
  QPushButton* btnClose_ = nullptr;
  QPointer<TfrmTextBrowse> viewer_;
};

}  // namespace gleaner
