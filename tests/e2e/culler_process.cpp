// Starting culler with fork and exec, capturing its output in files (no pipe
// can fill up), with a time limit so a hanging program fails the test.
#include "e2e/culler_process.h"

#include <fcntl.h>
#include <stdlib.h>
#include <grp.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
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

struct TChildSetup {
  const char* In = "/dev/null";
  const char* Out = nullptr;
  const char* Err = nullptr;
  int Uid = -1;
  int Gid = -1;
  rlim_t AddressSpace = 0;
};

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void Child(const char* home, const TChildSetup& setup, char** argv, char** envp) {
  const int in = open(setup.In, O_RDWR);
  const int outFd = open(setup.Out, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int errFd = open(setup.Err, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || outFd < 0 || errFd < 0) _exit(127);
  if (isatty(in)) {
    setsid();
    ioctl(in, TIOCSCTTY, 0);
  }
  const rlimit limit{setup.AddressSpace, setup.AddressSpace};
  if (setup.AddressSpace != 0 && setrlimit(RLIMIT_AS, &limit) != 0) _exit(127);
  const int uid = setup.Uid;
  const int gid = setup.Gid;
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
  const std::string out = StandardOutput.empty() ? capture_.File(run + ".out") : StandardOutput;
  const std::string err = capture_.File(run + ".err");
  std::string terminalName;
  if (TerminalInput) {
    terminal_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal_ < 0 || grantpt(terminal_) != 0 || unlockpt(terminal_) != 0)
      throw std::runtime_error("no pseudo-terminal");
    terminalName = ptsname(terminal_);
  }
  TChildSetup setup;
  if (TerminalInput) setup.In = terminalName.c_str();
  setup.Out = out.c_str();
  setup.Err = err.c_str();
  setup.Uid = uid_;
  setup.Gid = gid_;
  setup.AddressSpace = AddressSpaceLimit;
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) Child(Path().c_str(), setup, argv.data(), envp.data());
  captures_[pid] = {StandardOutput.empty() ? out : std::string(), err};
  return pid;
}

TCullerResult CullerHome::Finish(int pid) {
  TCullerResult result;
  result.Status = WaitWithLimit(pid);
  if (!captures_[pid].first.empty()) result.Out = ReadFile(captures_[pid].first);
  result.Err = ErrorsSoFar(pid);
  if (terminal_ >= 0) close(terminal_);
  terminal_ = -1;
  return result;
}

std::string CullerHome::ErrorsSoFar(int pid) const {
  const std::string& name = captures_.at(pid).second;
  return FileExists(name) ? ReadFile(name) : std::string();
}

void CullerHome::TypeAtTerminal(const std::string& text) const {
  // The program may have ended already; typing then goes nowhere.
  if (write(terminal_, text.data(), text.size()) < 0) return;
}

int CullerHome::StartInBackground(const std::vector<std::string>& args) {
  std::vector<std::string> argTexts = {GLEANER_CULLER_PATH};
  argTexts.insert(argTexts.end(), args.begin(), args.end());
  return Spawn(argTexts);
}

TCullerResult CullerHome::RunAndAct(const std::vector<std::string>& args, const std::string& fileWritten,
                                    const std::function<void(int pid)>& act) {
  const int pid = StartInBackground(args);
  WaitForContent(File(fileWritten));
  act(pid);
  return Finish(pid);
}

TCullerResult CullerHome::Start(const std::vector<std::string>& args, const TSignal& signal) {
  const int pid = StartInBackground(args);
  if (!signal.WhenWritten.empty()) {
    WaitForContent(File(signal.WhenWritten));
    for (int number : signal.Numbers) kill(pid, number);
  }
  return Finish(pid);
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
