// Starting culler with fork and exec, capturing its output in files (no pipe
// can fill up), with a time limit so a hanging program fails the test.
#include "e2e/culler_process.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <regex>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace gleaner::testing {
namespace {

constexpr auto kTimeLimit = std::chrono::seconds(60);

// The environment of the parent with the home folder and the C locale set,
// and without a display, so that culler always runs its console front end.
std::vector<std::string> ChildEnvironment(const std::string& home) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (text.rfind("GLEANER_HOME=", 0) == 0 || text.rfind("LC_", 0) == 0 || text.rfind("LANG=", 0) == 0 ||
        text.rfind("DISPLAY=", 0) == 0 || text.rfind("WAYLAND_DISPLAY=", 0) == 0)
      continue;
    env.push_back(text);
  }
  env.push_back("GLEANER_HOME=" + home);
  env.push_back("LC_ALL=C");
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void Child(const char* home, const char* out, const char* err, char** argv, char** envp, int uid,
                        int gid) {
  const int in = open("/dev/null", O_RDONLY);
  const int outFd = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int errFd = open(err, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || outFd < 0 || errFd < 0) _exit(127);
  if (uid >= 0 && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)) _exit(127);
  if (chdir(home) != 0) _exit(127);
  dup2(in, 0);
  dup2(outFd, 1);
  dup2(errFd, 2);
  execve(argv[0], argv, envp);
  _exit(127);
}

int WaitWithLimit(pid_t pid) {
  const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

// Until the file exists with content, or the time limit has passed.
void WaitForContent(const std::string& name) {
  const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  std::error_code error;
  while (std::chrono::steady_clock::now() < deadline) {
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    if (!error && size > 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

int CullerHome::Spawn(const std::vector<std::string>& argTexts) {
  std::vector<std::string> args = argTexts;
  std::vector<std::string> envTexts = ChildEnvironment(home_.empty() ? Path() : home_);
  envTexts.insert(envTexts.end(), Environment.begin(), Environment.end());
  envTexts.push_back(std::string("CULLER=") + GLEANER_CULLER_PATH);
  std::vector<char*> argv = Pointers(args);
  std::vector<char*> envp = Pointers(envTexts);
  const std::string run = std::to_string(runs_++);
  const std::string out = capture_.File(run + ".out");
  const std::string err = capture_.File(run + ".err");
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) Child(Path().c_str(), out.c_str(), err.c_str(), argv.data(), envp.data(), uid_, gid_);
  captures_[pid] = {out, err};
  return pid;
}

TCullerResult CullerHome::Finish(int pid) {
  TCullerResult result;
  result.Status = WaitWithLimit(pid);
  result.Out = ReadFile(captures_[pid].first);
  result.Err = ReadFile(captures_[pid].second);
  return result;
}

TCullerResult CullerHome::Start(const std::vector<std::string>& args, const TSignal& signal) {
  std::vector<std::string> argTexts = {GLEANER_CULLER_PATH};
  argTexts.insert(argTexts.end(), args.begin(), args.end());
  const int pid = Spawn(argTexts);
  if (!signal.WhenWritten.empty()) {
    WaitForContent(File(signal.WhenWritten));
    for (int number : signal.Numbers) kill(pid, number);
  }
  return Finish(pid);
}

int CullerHome::StartInBackground(const std::vector<std::string>& args) {
  std::vector<std::string> argTexts = {GLEANER_CULLER_PATH};
  argTexts.insert(argTexts.end(), args.begin(), args.end());
  return Spawn(argTexts);
}

TCullerResult CullerHome::RunShell(const std::string& command) { return Finish(Spawn({"/bin/bash", "-c", command})); }

void CullerHome::UseUser(int uid, int gid) {
  uid_ = uid;
  gid_ = gid;
  std::filesystem::permissions(Path(), std::filesystem::perms::all);
}

TCullerResult CullerHome::Run(const std::vector<std::string>& args) { return Start(args, {}); }

TCullerResult CullerHome::RunAndInterrupt(const std::vector<std::string>& args,
                                          const std::string& fileWritten) {
  return Start(args, {fileWritten, {SIGINT}});
}

TCullerResult CullerHome::RunAndSignal(const std::vector<std::string>& args, const std::string& fileWritten,
                                       const std::vector<int>& signals) {
  return Start(args, {fileWritten, signals});
}

std::string CullerHome::Masked(const std::string& text) const {
  std::string masked = MaskDates(text);
  for (std::size_t at = masked.find(Path()); at != std::string::npos; at = masked.find(Path(), at)) {
    masked.replace(at, Path().size(), "<home>/");
  }
  return masked;
}

std::string CullerHome::Log() const { return Masked(Read("Culler-Log.txt")); }
std::string CullerHome::ErrorLog() const { return Masked(Read("Culler-Error.txt")); }

std::string MaskDates(const std::string& text) {
  static const std::regex kWhen(R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d)");
  return std::regex_replace(text, kWhen, "<when>");
}

}  // namespace gleaner::testing
