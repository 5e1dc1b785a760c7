// The document browser's start, list, viewer windows, about message and close.
#include "browser/kestra_scan.h"

#include <chrono>

#include "browser/browser_info.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "foundation/text_utils.h"
#include "viewer/text_browse.h"

namespace gleaner {
namespace {

constexpr std::string_view kInformationSection = "Information";

void StampFirstRun() {
  if (ReadTextIn(kInformationSection, "FirstRun", "").empty()) {
    WriteTextIn(kInformationSection, "FirstRun", DateStamp(std::chrono::system_clock::now()));
  }
}

// The folder list as a "/D" value, for documents that start the browser again.
std::string SemicolonList(std::string folders) {
  for (char& c : folders) {
    if (c == '\r') c = ';';
  }
  return folders;
}

}  // namespace

TKestraScan::TKestraScan(std::string homeFolder) : homeFolder_(std::move(homeFolder)) {
  switches_ = ReadBrowserSwitches({}, homeFolder_);
}

void TKestraScan::Start(const std::vector<std::string>& arguments) {
  SetIniFileName(homeFolder_ + std::string(kBrowserSettingsFile));
  SetNoticeCaption(std::string(kBrowserName));
  StampFirstRun();
  order_ = ReadText("SortListBy", "N") != "N" ? TListOrder::ByFolder : TListOrder::ByName;
  switches_ = ReadBrowserSwitches(arguments, homeFolder_);
  SetBrowserFolderList(SemicolonList(switches_.FolderList));
}

void TKestraScan::ReportSwitches() const {
  const std::string message = UnrecognizedSwitchesMessage(switches_.Unrecognized);
  if (!message.empty()) ShowNotice(message);
}

std::vector<TListInfo> TKestraScan::Rebuild() const {
  return BuildTitleList(switches_.FolderList, switches_.Wildcard, switches_.ReadTitles, order_);
}

bool TKestraScan::TakeShowOwnHelp() {
  const bool show = switches_.ShowOwnHelp;
  switches_.ShowOwnHelp = false;
  return show;
}

TViewerSetup TKestraScan::ViewerSetup(const std::string& path, const std::string& title) const {
  TViewerSetup setup;
  setup.SearchPath = switches_.FolderList;
  setup.MarkupMode = switches_.ReadTitles;
  setup.WordWrap = switches_.ReadTitles;
  setup.BackgroundColour = kBrowserViewerBackground;
  setup.Title = title;
  setup.Caption = path;
  setup.SettingsName = kBrowserViewerSettings;
  setup.FileName = path;
  return setup;
}

TViewerSetup TKestraScan::OwnHelpViewer() const {
  TViewerSetup setup =
      ViewerSetup(ShippedFile(kBrowserHelpFile, homeFolder_), std::string(kBrowserHelpTitle));
  setup.Caption = kBrowserHelpTitle;
  return setup;
}

TViewerSetup TKestraScan::DocumentViewer(const TListInfo& entry) const {
  return ViewerSetup(entry.Path, entry.Title);
}

std::string TKestraScan::AboutText() const {
  std::string text;
  text +=
      std::string(kBrowserName) + " " + std::string(kBrowserVersionWord) + " " + std::string(kBrowserVersion);
  text += "\r\n" + std::string(kBrowserNotice) + "   \r\n\r\n";
  text += "TextBrowse Version " + std::string(kViewerVersion) + "\r\n";
  text += std::string(kViewerNotice) + "   \r\n\r\n";
  text += "Search path:\r\n" + switches_.FolderList;
  return text;
}

void TKestraScan::Close() const { WriteText("SortListBy", order_ == TListOrder::ByFolder ? "F" : "N"); }

}  // namespace gleaner
