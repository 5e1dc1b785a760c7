// Folder list normalisation. The repeated replacements and trims are the
// engine's own (multi-pass ReplaceAll, TrimChar); "\" and "/" both separate
// folders, and "/" is the one kept.
#include "browser/folder_list.h"

#include <algorithm>

#include "engine/gleaner_engine.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

// "c:/x/" becomes "C:/x/"; only a letter and a colon at the start make a drive.
void UpperCaseDrive(std::string& folder) {
  if (folder.size() >= 2 && folder[1] == ':') folder[0] = AnsiUpper(folder[0]);
}

void AddOnce(std::vector<std::string>& folders, std::string folder) {
  if (std::find(folders.begin(), folders.end(), folder) == folders.end())
    folders.push_back(std::move(folder));
}

std::string JoinFolders(const std::vector<std::string>& folders) {
  std::string list;
  for (const std::string& folder : folders) list += folder + '\r';
  return list;
}

}  // namespace

std::string NormaliseFolderList(std::string_view value, std::string_view homeFolder) {
  std::string list(value);
  ReplaceAll(list, "\\", "/", 'M');
  TrimChar(list, "B;M;M/");
  std::vector<std::string> folders;
  if (!list.empty()) {
    // Each folder ends with "/": "a;b/" becomes "a/;b/;".
    list += ';';
    ReplaceAll(list, ";", "/;", 'M');
    TrimChar(list, "M/M;");
    ReplaceAll(list, ";", "\r", 'M');
    for (std::string& folder : FolderEntries(std::move(list))) {
      UpperCaseDrive(folder);
      AddOnce(folders, std::move(folder));
    }
  }
  AddOnce(folders, std::string(homeFolder));
  return JoinFolders(folders);
}

std::string CutFolder(std::string& list) { return Parse(list, "", "\r", "Cut Relaxed"); }

std::vector<std::string> FolderEntries(std::string list) {
  std::vector<std::string> folders;
  while (!list.empty()) {
    std::string folder = CutFolder(list);
    if (!folder.empty()) folders.push_back(std::move(folder));
  }
  return folders;
}

}  // namespace gleaner
