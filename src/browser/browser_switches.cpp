// Reading the browser's command line.
#include "browser/browser_switches.h"

#include <algorithm>
#include <cstdlib>

#include "browser/browser_info.h"
#include "browser/folder_list.h"
#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "platform/environment.h"

namespace gleaner {
namespace {

constexpr std::string_view kVersionSwitch = "--version";

bool IsUnixHelp(std::string_view argument) { return argument == "--help" || argument == "-h"; }

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
    if (argument == kVersionSwitch) continue;  // answered before the window opens
    if (IsUnixHelp(argument)) {
      switches.ShowOwnHelp = true;
      continue;
    }
    if (!IsSwitch(argument)) continue;
    std::string value = argument.substr(2);
    TrimChar(value, "B\"");
    ApplySwitch(AnsiUpper(argument[1]), std::move(value), homeFolder, switches);
  }
  AddShippedFolder(switches.FolderList);
  return switches;
}

std::optional<std::string> TerminalAnswer(const std::vector<std::string>& arguments, bool displayAvailable) {
  const auto has = [&](auto test) { return std::any_of(arguments.begin(), arguments.end(), test); };
  if (has([](std::string_view a) { return a == kVersionSwitch; })) {
    return std::string(kBrowserName) + " " + std::string(kBrowserVersion) + " (" + std::string(kEngineName) +
           " " + std::string(kEngineVersion) + ")\n";
  }
  if (displayAvailable || !has(IsUnixHelp)) return std::nullopt;
  return std::string(kBrowserName) +
         " lists help documents by title and opens them in the file viewer; it needs a display.\n\n"
         "  /D\"folder;folder\"  the folders to search (default: the program's folder)\n"
         "  /P-                list file names instead of titles\n"
         "  /W\"pattern\"        the file pattern to look for (default: " +
         std::string(kDefaultDocumentWildcard) +
         ")\n"
         "  /?, --help, -h     open the browser's own help in its window\n"
         "  --version          print the versions\n";
}

bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!EnvironmentValue(name).empty()) return true;
  }
  return false;
}

std::string NoDisplayMessage() {
  return std::string(kBrowserName) +
         " needs a display, and none answers (DISPLAY and WAYLAND_DISPLAY name none that can be reached).\n"
         "Run it on the desktop; on a terminal it answers only --help and --version.\n";
}

std::string UnrecognizedSwitchesMessage(std::string_view letters) {
  if (letters.empty()) return {};
  std::string message = "Unrecognized command-line switches are ignored\r\n\r\nYou used:  ";
  for (char letter : letters) message += std::string("/") + letter + " ";
  return message;
}

}  // namespace gleaner
