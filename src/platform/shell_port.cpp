// The console shell port. A program is started by a double fork, so that it
// is never left as a zombie of ours, and an exec failure comes back through a
// close-on-exec pipe: nothing arrives when the exec succeeded.
#include "platform/shell_port.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/file_search.h"
#include "platform/helper_program.h"

namespace gleaner {
namespace {

enum TSpawnStage : int { kEnterFolder = 1, kRunProgram = 2, kForkAgain = 3 };

struct TSpawnFailure {
  int Stage = 0;
  int Error = 0;
};

[[noreturn]] void FailChild(int pipe, int stage) {
  const TSpawnFailure failure{stage, errno};
  [[maybe_unused]] const ssize_t written = write(pipe, &failure, sizeof failure);
  _exit(127);
}

// Runs in the grandchild; only async-signal-safe calls from here on.
[[noreturn]] void RunChild(int pipe, const char* folder, char* const* argv, bool searchPath) {
  setsid();
  if (folder != nullptr && chdir(folder) != 0) FailChild(pipe, kEnterFolder);
  if (searchPath) {
    execvp(argv[0], argv);
  } else {
    execv(argv[0], argv);
  }
  FailChild(pipe, kRunProgram);
}

std::string DescribeFailure(const TSpawnFailure& failure, const std::string& folder) {
  const std::string reason = std::strerror(failure.Error);
  if (failure.Stage == kEnterFolder) return "cannot use the working folder " + folder + ": " + reason;
  return reason;
}

bool Spawn(const std::string& program, const std::vector<std::string>& arguments, const std::string& folder,
           bool searchPath, std::string& error) {
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const std::string systemFolder = SystemName(folder);
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    error = std::strerror(errno);
    return false;
  }
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    const pid_t grandchild = fork();
    if (grandchild == 0)
      RunChild(fds[1], folder.empty() ? nullptr : systemFolder.c_str(), argv.data(), searchPath);
    if (grandchild < 0) FailChild(fds[1], kForkAgain);
    _exit(0);
  }
  const int forkError = errno;
  close(fds[1]);
  TSpawnFailure failure;
  if (child < 0) {
    failure = {kForkAgain, forkError};
  } else {
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    ssize_t got;
    do {
      got = read(fds[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    if (got != static_cast<ssize_t>(sizeof failure)) failure = {};
  }
  close(fds[0]);
  if (failure.Stage == 0) return true;
  error = DescribeFailure(failure, folder);
  return false;
}

IShellPort& ConsolePort() {
  static ConsoleShellPort console;
  return console;
}

IShellPort*& CurrentPort() {
  static IShellPort* current = &ConsolePort();
  return current;
}

}  // namespace

bool ConsoleShellPort::OpenAddress(const std::string& address, std::string& error) {
  if (Spawn("xdg-open", {address}, {}, true, error)) return true;
  error = "xdg-open: " + error;
  return false;
}

bool ConsoleShellPort::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                                    const std::string& workingFolder, std::string& error) {
  return Spawn(SystemName(program), arguments, workingFolder, false, error);
}

IShellPort& ShellPort() { return *CurrentPort(); }

IShellPort* SetShellPort(IShellPort* port) {
  IShellPort* previous = CurrentPort();
  CurrentPort() = port != nullptr ? port : &ConsolePort();
  return previous;
}

std::string RunningProgramFile() {
  if (!ProgramActedFor().empty()) return ProgramActedFor();
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : program.string();
}

std::string RunningProgramFolder() {
  const std::filesystem::path program = RunningProgramFile();
  if (!program.has_parent_path()) return {};
  std::string folder = program.parent_path().string();
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

}  // namespace gleaner
