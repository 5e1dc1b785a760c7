// Viewer window setups.
#include "viewer/viewer_setup.h"

#include "foundation/search_path.h"

namespace gleaner {

std::string NormaliseSearchPath(std::string_view searchPath) {
  std::string path(searchPath);
  for (char& c : path) {
    if (c == ';') c = '\r';
  }
  const std::size_t first = path.find_first_not_of('\r');
  if (first == std::string::npos) return {};
  return path.substr(first, path.find_last_not_of('\r') - first + 1);
}

TViewerSetup HelpViewerSetup() {
  TViewerSetup setup;
  setup.MarkupMode = true;
  setup.WordWrap = true;
  setup.BackgroundColour = 0xFEFEFE;
  setup.Title = "File Viewer Help";
  setup.Caption = "File Viewer Help";
  setup.SettingsName = kViewerHelpSettings;
  setup.FileName = ShippedFile(kViewerHelpFile);
  return setup;
}

}  // namespace gleaner
