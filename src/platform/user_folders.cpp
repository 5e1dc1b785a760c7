// The user's folders and write permission, from POSIX.
#include "platform/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/environment.h"

namespace gleaner {

bool FolderRefusesWrites(const std::string& folder) {
  if (access(folder.c_str(), W_OK) == 0) return false;
  return errno == EACCES || errno == EROFS || errno == EPERM;
}

std::string UserHomeDirectory() {
  if (std::string home = EnvironmentValue("HOME"); !home.empty()) return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

bool MakePrivateFolder(const std::string& folder) {
  std::filesystem::path path;
  for (const std::filesystem::path& part : std::filesystem::path(folder)) {
    path /= part;
    if (part.empty() || part == "/") continue;
    // An existing folder keeps its permissions; only new ones are private.
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  std::error_code error;
  return std::filesystem::is_directory(folder, error);
}

}  // namespace gleaner
