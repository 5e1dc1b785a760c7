// Home folder, search folders and name location along them.
#include "foundation/search_path.h"

#include <algorithm>

#include "foundation/settings_store.h"
#include "platform/current_folder.h"
#include "platform/user_folders.h"

namespace gleaner {

namespace {

constexpr std::string_view kSearchPathList = "MySearchPath";

// Result of a walk that has not started a directory search yet.
constexpr int kNoSearchStarted = 999999;

struct THomeState {
  std::string Home;
  std::string Shipped;
  std::vector<std::string> Folders;
  bool Ready = false;
};

TLookupMiss& Miss() {
  static TLookupMiss miss;
  return miss;
}

// folder + name for the first folder where exists says yes; empty (and the
// miss remembered) when there is none.
template <typename TExists>
std::string FindAlongPath(const std::string& name, TExists exists) {
  std::vector<std::string> folders = LookupFolders();
  for (const std::string& folder : folders) {
    if (exists(folder + name)) {
      ClearLookupMiss();
      return folder + name;
    }
  }
  Miss() = {name, std::move(folders)};
  return {};
}

THomeState& HomeState() {
  static THomeState state;
  return state;
}

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  return folder;
}

std::string CutAtSemicolon(std::string_view name) { return std::string(name.substr(0, name.find(';'))); }

bool EntryExists(const std::string& name) {
  TSearchRec search;
  const bool found = FindFirst(name, kFaAnyFile, search) == kFindOk;
  FindClose(search);
  return found;
}

// Starts the directory search of the following specifications until one matches.
int Advance(TSearchStack& search, int result) {
  while (!search.Remaining.empty() && result != kFindOk) {
    const std::size_t cut = search.Remaining.find(';');
    const std::string spec = search.Remaining.substr(0, cut);
    search.Remaining.erase(0, cut == std::string::npos ? cut : cut + 1);
    const std::string resolved = ResolveName(spec);
    search.Folder = FolderPart(resolved);
    if (!resolved.empty()) result = FindFirst(resolved, search.Attributes, search.Search);
  }
  return result;
}

}  // namespace

const std::string& HomeFolder() {
  if (!HomeState().Ready) InitHomeFolder("");
  return HomeState().Home;
}

void InitHomeFolder(std::string_view programPath) {
  const THomeChoice choice = ChooseHomeFolder(GatherHomeFacts(programPath));
  // A folder that cannot be made shows itself when the first file is written there.
  if (choice.UserDataFolder) MakePrivateFolder(SystemName(choice.Home));
  UseHomeFolders(choice);
}

void UseHomeFolders(const THomeChoice& choice) {
  THomeState& state = HomeState();
  state.Home = choice.Home;
  state.Shipped = choice.Shipped;
  state.Folders.assign(1, state.Home);
  if (!state.Shipped.empty()) state.Folders.push_back(state.Shipped);
  state.Ready = true;
}

const std::string& ShippedFolder() {
  if (!HomeState().Ready) InitHomeFolder("");
  return HomeState().Shipped;
}

std::string ShippedFile(std::string_view name, std::string_view home) {
  std::string inHome = std::string(home) + std::string(name);
  if (FileExists(inHome) || ShippedFolder().empty()) return inHome;
  std::string shipped = ShippedFolder() + std::string(name);
  return FileExists(shipped) ? shipped : inHome;
}

std::vector<std::string>& SearchFolders() {
  if (!HomeState().Ready) InitHomeFolder("");
  return HomeState().Folders;
}

std::string FolderPart(std::string_view name) {
  std::size_t end = 0;
  if (name.size() >= 2 && name[1] == ':' && ((name[0] | 0x20) >= 'a' && (name[0] | 0x20) <= 'z')) end = 2;
  const std::size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos && slash + 1 > end) end = slash + 1;
  return std::string(name.substr(0, end));
}

std::string FileNamePart(std::string_view name) { return std::string(name.substr(FolderPart(name).size())); }

std::string ExpandName(std::string_view name) {
  if (name.empty()) return {};
  if (!FolderPart(name).empty()) return std::string(name);
  return CurrentFolder() + std::string(name);
}

std::string HomeName(std::string_view name) {
  if (name.empty()) return {};
  if (!FolderPart(name).empty()) return std::string(name);
  return HomeFolder() + std::string(name);
}

bool LocateFile(std::string& name, bool allowNone, bool noneResult) {
  if (name.empty()) return false;
  if (allowNone && name == "None") return noneResult;
  name = CutAtSemicolon(name);
  if (!FolderPart(name).empty()) return FileExists(name);
  std::string found = FindAlongPath(name, [](const std::string& full) { return FileExists(full); });
  if (found.empty()) return false;
  name = std::move(found);
  return true;
}

std::string ResolveName(std::string_view name) {
  const std::string cut = CutAtSemicolon(name);
  if (cut.empty() || cut == "None") return {};
  if (!FolderPart(cut).empty()) return cut;
  return FindAlongPath(cut, EntryExists);
}

std::vector<std::string> LookupFolders() {
  std::vector<std::string> folders{CurrentFolder()};
  for (const std::string& folder : SearchFolders()) {
    const std::string system = SystemName(folder);
    const bool listed = std::any_of(folders.begin(), folders.end(),
                                    [&system](const std::string& entry) { return SystemName(entry) == system; });
    if (!listed) folders.push_back(folder);
  }
  return folders;
}

const TLookupMiss& LastLookupMiss() { return Miss(); }

void ClearLookupMiss() { Miss() = {}; }

int FindFirstMulti(std::string_view spec, std::uint32_t attributes, TSearchStack& search) {
  FindClose(search.Search);
  search.Remaining = std::string(spec);
  search.Attributes = attributes;
  search.Folder.clear();
  return Advance(search, kNoSearchStarted);
}

int FindNextMulti(TSearchStack& search) {
  const int result = FindNext(search.Search);
  if (result == kFindOk) return kFindOk;
  FindClose(search.Search);
  return Advance(search, result);
}

void FindCloseMulti(TSearchStack& search) {
  FindClose(search.Search);
  search.Remaining.clear();
}

std::string FoundName(const TSearchStack& search) { return search.Folder + search.Search.Name; }

void LoadSearchPath() {
  std::vector<std::string> folders;
  LoadStringList(std::string(kSearchPathList), folders);
  // An empty entry would otherwise become the root folder.
  std::erase(folders, std::string());
  for (std::string& folder : folders) folder = WithTrailingSlash(std::move(folder));
  const std::string& home = HomeFolder();
  const auto isHome = [&home](const std::string& folder) { return SystemName(folder) == home; };
  auto homeEntry = std::find_if(folders.begin(), folders.end(), isHome);
  if (homeEntry == folders.end()) homeEntry = folders.insert(folders.end(), home);
  // The shipped files come right after the user's own; the entry is never saved.
  const std::string& shipped = ShippedFolder();
  const auto isShipped = [&shipped](const std::string& folder) { return SystemName(folder) == shipped; };
  if (!shipped.empty() && std::none_of(folders.begin(), folders.end(), isShipped))
    folders.insert(homeEntry + 1, shipped);
  SearchFolders() = std::move(folders);
}

void SaveSearchPath() {
  std::vector<std::string> folders = SearchFolders();
  if (!ShippedFolder().empty()) std::erase(folders, ShippedFolder());
  SaveStringList(std::string(kSearchPathList), folders);
}

}  // namespace gleaner
