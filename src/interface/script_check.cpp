// The script change check.
#include "interface/script_check.h"

#include <filesystem>

#include "foundation/search_path.h"
#include "interface/main_form.h"
#include "platform/file_search.h"
#include "script/gleaner_script.h"

namespace gleaner {
namespace {

constexpr std::int64_t kNoneTime = -2;     // "None" counts as this stamp
constexpr std::int64_t kMissingTime = -3;  // a name that could not be located

}  // namespace

std::int64_t ScriptFileTime(const std::string& name) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(SystemName(name), error);
  if (error) return -1;
  return static_cast<std::int64_t>(time.time_since_epoch().count());
}

bool TScriptChangeCheck::Remember(const std::string& name, std::int64_t time, bool force) {
  const bool changed = force || !name_ || *name_ != name || time_ != time;
  if (changed) {
    name_ = name;
    time_ = time;
  }
  return changed;
}

TScriptCheckResult TScriptChangeCheck::Check(std::string_view boxText, bool force) {
  TScriptCheckResult result;
  result.Name = std::string(boxText);
  if (boxText == kNotUsedMarker) {
    SetScriptActive(false);
    return result;
  }
  if (result.Name == kNone) {
    SetScriptActive(false);
    if (Remember(result.Name, kNoneTime, force)) result.State = 'X';
    return result;
  }
  if (!LocateFile(result.Name, false, false)) {
    result.Name = std::string(boxText);
    if (Remember(result.Name, kMissingTime, force)) {
      result.State = 'X';
      result.NotFound = true;
    }
    return result;
  }
  if (Remember(result.Name, ScriptFileTime(result.Name), force)) result.State = 'C';
  return result;
}

void TScriptChangeCheck::Reset() {
  name_.reset();
  time_ = -1;
}

}  // namespace gleaner
