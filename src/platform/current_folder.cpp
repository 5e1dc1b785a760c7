// The current folder and the desktop form's way out of one it cannot write.
#include "platform/current_folder.h"

#include <unistd.h>

#include <climits>

#include "platform/environment.h"

namespace gleaner {

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return "/";
  std::string folder = buffer;
  if (folder.back() != '/') folder += '/';
  return folder;
}

bool LeaveUnwritableCurrentFolder() {
  if (::access(".", W_OK) == 0) return false;
  const std::string home = EnvironmentValue("HOME");
  return !home.empty() && ::chdir(home.c_str()) == 0;
}

}  // namespace gleaner
