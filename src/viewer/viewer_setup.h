// The values a viewer window is created with, fixed for its life (the word
// wrap and noise suppression flags are the values at opening), and the setup
// of the viewer's own help window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

inline constexpr std::string_view kViewerVersion = "4.10.00";
inline constexpr std::string_view kViewerHelpFile = "Help-TextBrowse.txt";
inline constexpr std::string_view kViewerHelpSettings = "frmTBHelp";
inline constexpr std::string_view kLinkedFileSettings = "frmLinkFile";
// The file name of a window that shows only its extra lines.
inline constexpr std::string_view kNoFileName = "None";

struct TViewerSetup {
  std::string SearchPath;               // folders separated by carriage returns
  std::vector<std::string> ExtraLines;  // shown after the file, or alone
  bool MarkupMode = false;
  bool WordWrap = false;
  bool Textify = false;
  std::uint32_t BackgroundColour = 0xFFFFFF;  // $BBGGRR
  std::string Title;                          // empty: the file name is shown
  std::string Caption;
  std::string SettingsName;
  std::string FileName;  // kNoFileName: extra lines only

  bool HasFile() const { return FileName != kNoFileName; }
};

// A search path given with ";" separators: each ";" becomes a carriage
// return, then carriage returns are stripped from both ends.
std::string NormaliseSearchPath(std::string_view searchPath);

// The shared help window: "Help-TextBrowse.txt" from the home folder.
TViewerSetup HelpViewerSetup();

}  // namespace gleaner
