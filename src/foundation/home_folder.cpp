// The home folder rule and the facts it is decided on.
#include "foundation/home_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "foundation/search_path.h"
#include "platform/environment.h"
#include "platform/shell_port.h"
#include "platform/user_folders.h"

// Where the installed share/gleaner/ lies seen from the installed program's
// folder; the build sets it from the install layout.
#ifndef GLEANER_SHIPPED_FROM_PROGRAM
#define GLEANER_SHIPPED_FROM_PROGRAM "../share/gleaner"
#endif

namespace gleaner {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

THomeChoice ChooseHomeFolder(const THomeFacts& facts) {
  THomeChoice choice;
  const bool installed = facts.ProgramFolderRefusesWrites || !facts.ShippedFolder.empty();
  const std::string dataFolder = UserDataFolder(facts.DataHome, facts.UserHome);
  if (!facts.HomeOverride.empty()) {
    choice.Home = facts.HomeOverride;
  } else if (installed && !dataFolder.empty()) {
    choice.Home = dataFolder;
    choice.UserDataFolder = true;
  } else {
    choice.Home = facts.ProgramFolder;
  }
  if (facts.ShippedFolder != choice.Home) choice.Shipped = facts.ShippedFolder;
  return choice;
}

std::string UserDataFolder(std::string_view dataHome, std::string_view userHome) {
  if (dataHome.starts_with('/')) return WithSlash(std::string(dataHome)) + "gleaner/";
  if (userHome.empty()) return {};
  return WithSlash(std::string(userHome)) + ".local/share/gleaner/";
}

std::string ShippedFolderBeside(std::string_view programFolder) {
  if (programFolder.empty()) return {};
  const fs::path shipped = (fs::path(programFolder) / GLEANER_SHIPPED_FROM_PROGRAM).lexically_normal();
  std::error_code error;
  if (!fs::is_directory(shipped, error)) return {};
  return WithSlash(shipped.string());
}

THomeFacts GatherHomeFacts(std::string_view programPath) {
  THomeFacts facts;
  const std::string homeOverride = EnvironmentValue("GLEANER_HOME");
  if (!homeOverride.empty()) facts.HomeOverride = AbsoluteFolder(homeOverride);
  // A program found along PATH has no folder in argv[0].
  const std::string running = RunningProgramFolder();
  const std::string folder = FolderPart(programPath);
  facts.ProgramFolder = AbsoluteFolder(!folder.empty() ? folder : !running.empty() ? running : ".");
  facts.ProgramFolderRefusesWrites = FolderRefusesWrites(SystemName(facts.ProgramFolder));
  // A program reached through a link finds its files beside its real folder.
  facts.ShippedFolder = ShippedFolderBeside(facts.ProgramFolder);
  if (facts.ShippedFolder.empty()) facts.ShippedFolder = ShippedFolderBeside(running);
  facts.DataHome = EnvironmentValue("XDG_DATA_HOME");
  facts.UserHome = UserHomeDirectory();
  return facts;
}

std::string AbsoluteFolder(const std::string& folder) {
  std::error_code error;
  const fs::path absolute = fs::absolute(SystemName(folder), error);
  if (error) return WithSlash(folder);
  return WithSlash(absolute.lexically_normal().string());
}

}  // namespace gleaner
