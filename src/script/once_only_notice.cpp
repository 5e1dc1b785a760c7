#include "script/once_only_notice.h"

#include <filesystem>

#include "foundation/settings_store.h"
#include "script/compiler.h"

namespace gleaner {
namespace {

// The file, its time stamp and the warning last shown.
std::string& LastShown() {
  static std::string shown;
  return shown;
}

std::string FileStamp(const std::string& fileName) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(fileName, error);
  return error ? std::string("?") : std::to_string(time.time_since_epoch().count());
}

}  // namespace

void NoticeOnceOnlyVariables(const TCompiledScript& script, const std::string& fileName) {
  const std::string warning = OnceOnlyWarning(script);
  if (warning.empty()) return;
  std::string key = fileName + '\n' + FileStamp(fileName) + '\n' + warning;
  if (key == LastShown()) return;
  LastShown() = std::move(key);
  ShowNotice(warning);
}

}  // namespace gleaner
