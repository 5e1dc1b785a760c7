// The scratch user: useradd and userdel run directly (no shell), the user
// has no home folder and no login.
#include "e2e/scratch_user.h"

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace gleaner::testing {
namespace {

bool RunTool(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

ScratchUser::ScratchUser() : name_("gleanertest" + std::to_string(getpid())) {
  if (geteuid() != 0) {
    why_ = "adding a user needs root";
    return;
  }
  if (!RunTool({"useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin", name_})) {
    why_ = "useradd failed";
    return;
  }
  created_ = true;
  if (const passwd* entry = getpwnam(name_.c_str())) {
    uid_ = static_cast<int>(entry->pw_uid);
    gid_ = static_cast<int>(entry->pw_gid);
  } else {
    why_ = "the new user cannot be found";
  }
}

ScratchUser::~ScratchUser() {
  if (created_) RunTool({"userdel", name_});
}

}  // namespace gleaner::testing
