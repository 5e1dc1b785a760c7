#include "platform/started_program.h"

#include <filesystem>

#include "platform/shell_port.h"

namespace gleaner {
namespace {

std::string& Started() {
  static std::string file;
  return file;
}

}  // namespace

void SetStartedProgram(std::string_view argv0) {
  std::string& file = Started();
  file.clear();
  if (argv0.empty()) return;
  std::error_code error;
  if (argv0.find('/') == std::string_view::npos) {
    file = RunningProgramFolder() + std::string(argv0);
  } else {
    file = std::filesystem::absolute(std::filesystem::path(argv0), error).string();
  }
}

std::string StartedProgramFile() {
  std::error_code error;
  const std::string& file = Started();
  if (!file.empty() && std::filesystem::is_regular_file(file, error)) return file;
  return RunningProgramFile();
}

}  // namespace gleaner
