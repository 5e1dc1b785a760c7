// Finding a helper program, and a helper acting for the program that started it.
#include "platform/helper_program.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

// Where the installed helpers lie seen from the installed program's folder;
// the build sets it from the install layout.
#ifndef GLEANER_HELPERS_FROM_PROGRAM
#define GLEANER_HELPERS_FROM_PROGRAM "../libexec/gleaner"
#endif

namespace gleaner {

namespace fs = std::filesystem;

namespace {

bool IsExecutableFile(const fs::path& file) {
  std::error_code error;
  return fs::is_regular_file(file, error) && access(file.c_str(), X_OK) == 0;
}

std::string& ActedFor() {
  static std::string program;
  return program;
}

}  // namespace

std::string FindHelperProgram(std::string_view programFolder, std::string_view name) {
  const fs::path folder(programFolder);
  for (const fs::path& candidate : {folder / name, folder / GLEANER_HELPERS_FROM_PROGRAM / name}) {
    if (IsExecutableFile(candidate)) return candidate.lexically_normal().string();
  }
  return {};
}

void ActForProgram(std::string_view programFile) {
  const fs::path program(programFile);
  std::error_code error;
  if (program.is_absolute() && fs::is_regular_file(program, error))
    ActedFor() = program.lexically_normal().string();
}

const std::string& ProgramActedFor() { return ActedFor(); }

}  // namespace gleaner
