// The document browser program's logic, without any window system: its
// settings file and first-run stamp, the sort choice, the command line, the
// document list, the viewer windows it asks for and the about message. The
// window (frmStartUp) shows the list and passes clicks and keys here.
//
//   TKestraScan scan(HomeFolder());
//   scan.Start(arguments);             // settings and command line
//   scan.ReportSwitches();             // once the window shows
//   show(scan.Rebuild());              // and again on F5 or a sort change
//   open(scan.DocumentViewer(entry));  // a click on an item
//   scan.Close();                      // saves the sort choice
#pragma once

#include <string>
#include <vector>

#include "browser/browser_switches.h"
#include "browser/title_list.h"
#include "viewer/viewer_setup.h"

namespace gleaner {

class TKestraScan {
 public:
  explicit TKestraScan(std::string homeFolder);

  // Names the settings file (home folder + "KestraScan.ini") and the caption
  // of notices, stamps "FirstRun" once, reads "SortListBy" and the command line.
  void Start(const std::vector<std::string>& arguments);
  // Shows the unrecognized switches of the command line in one notice, if any.
  void ReportSwitches() const;

  const std::string& HomeFolder() const { return homeFolder_; }
  const std::string& FolderList() const { return switches_.FolderList; }
  bool ReadTitles() const { return switches_.ReadTitles; }
  TListOrder Order() const { return order_; }
  void SetOrder(TListOrder order) { order_ = order; }

  std::vector<TListInfo> Rebuild() const;

  // True once after "/?" was given: the window then opens OwnHelpViewer().
  bool TakeShowOwnHelp();
  TViewerSetup OwnHelpViewer() const;
  TViewerSetup DocumentViewer(const TListInfo& entry) const;

  std::string AboutText() const;
  // Saves the sort choice ("SortListBy" = "F" or "N").
  void Close() const;

 private:
  TViewerSetup ViewerSetup(const std::string& path, const std::string& title) const;

  std::string homeFolder_;
  TBrowserSwitches switches_;
  TListOrder order_ = TListOrder::ByName;
};

}  // namespace gleaner
