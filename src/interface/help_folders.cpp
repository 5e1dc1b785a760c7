// Help document names and the browser's folder list.
#include "interface/help_folders.h"

#include <algorithm>
#include <vector>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "interface/box_names.h"
#include "platform/file_search.h"
#include "platform/shell_port.h"
#include "viewer/link_targets.h"

namespace gleaner {
namespace {

bool IsKeyword(std::string_view name) {
  return name.empty() || name == kNone || IsClipboardName(name) || name == kAutoName || name == kNotUsedMarker;
}

// The name as a run would use it: located along the search path, or in the home folder.
std::string FullName(std::string_view boxText, bool located) {
  std::string name(boxText.substr(0, boxText.find(';')));
  if (located) {
    const std::string found = ResolveName(name);
    if (!found.empty()) return found;
  }
  return ExpandName(name);
}

// Folders are compared whole, "\" read as "/", so a subfolder never hides its parent.
void AddFolder(std::vector<std::string>& folders, const std::string& folder) {
  if (folder.empty()) return;
  const std::string system = SystemName(folder);
  const bool listed = std::any_of(folders.begin(), folders.end(),
                                  [&](const std::string& entry) { return SystemName(entry) == system; });
  if (!listed) folders.push_back(folder);
}

}  // namespace

std::string ApplicationHelpFile(const std::string& programName) {
  return ShippedFile("Help-" + programName + ".txt");
}

std::string ScriptHelpFile(const std::string& scriptBox) {
  std::string script = scriptBox;
  if (script == kNone || !LocateFile(script, true, false)) return {};
  return FolderPart(script) + "Help-" + FileNamePart(script);
}

std::string BrowserProgram() { return RunningProgramFolder() + std::string(kBrowserProgram); }

std::string BrowserFolders(const TMainForm& form) {
  std::vector<std::string> folders{HomeFolder()};
  const std::pair<const char*, bool> boxes[] = {
      {kCboInputFile, true}, {kCboOutputFile, false}, {kCboScriptFile, true}, {kCboSupportFile, false}};
  for (const auto& [box, located] : boxes) {
    std::string_view text = form[box].Text;
    if (box == std::string_view(kCboOutputFile) && text.starts_with('+')) text.remove_prefix(1);
    if (!IsKeyword(text)) AddFolder(folders, FolderPart(FullName(text, located)));
  }
  std::string list;
  for (const std::string& folder : folders) list += (list.empty() ? "" : ";") + folder;
  return list;
}

}  // namespace gleaner
