// Reading the browser's command line.
#include "browser/browser_switches.h"

#include <algorithm>

#include "browser/browser_info.h"
#include "browser/folder_list.h"
#include "engine/char_commands.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

bool IsSwitch(std::string_view argument) {
  return argument.size() >= 2 && std::string_view("-/\\").find(argument[0]) != std::string_view::npos;
}

void ApplySwitch(char letter, std::string value, std::string_view homeFolder, TBrowserSwitches& switches) {
  switch (letter) {
    case '?':
      switches.ShowOwnHelp = true;
      break;
    case 'D':
      switches.FolderList = NormaliseFolderList(value, homeFolder);
      break;
    case 'P':
      if (!value.empty() && value[0] == '-') switches.ReadTitles = false;
      break;
    case 'W':
      switches.Wildcard = std::move(value);
      break;
    default:
      switches.Unrecognized += letter;
      break;
  }
}

// An installed copy's own documents are listed after the home folder's.
void AddShippedFolder(std::string& folderList) {
  const std::string& shipped = ShippedFolder();
  if (shipped.empty()) return;
  const std::vector<std::string> folders = FolderEntries(folderList);
  if (std::find(folders.begin(), folders.end(), shipped) == folders.end()) folderList += shipped + '\r';
}

}  // namespace

TBrowserSwitches ReadBrowserSwitches(const std::vector<std::string>& arguments, std::string_view homeFolder) {
  TBrowserSwitches switches;
  switches.FolderList = std::string(homeFolder) + '\r';
  switches.Wildcard = kDefaultDocumentWildcard;
  for (const std::string& argument : arguments) {
    if (!IsSwitch(argument)) continue;
    std::string value = argument.substr(2);
    TrimChar(value, "B\"");
    ApplySwitch(AnsiUpper(argument[1]), std::move(value), homeFolder, switches);
  }
  AddShippedFolder(switches.FolderList);
  return switches;
}

std::string UnrecognizedSwitchesMessage(std::string_view letters) {
  if (letters.empty()) return {};
  std::string message = "Unrecognized command-line switches are ignored\r\n\r\nYou used:  ";
  for (char letter : letters) message += std::string("/") + letter + " ";
  return message;
}

}  // namespace gleaner
