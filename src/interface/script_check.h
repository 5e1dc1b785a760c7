// Internal to the interface layer; callers use interface/gleaner_interface.h.
// The script change check: tells the run controller whether the script named
// in the script box is new or changed since the last check (so its Config
// section must run again), unchanged, or absent. A script is "changed" when
// its located name or its file time differs from the ones remembered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gleaner {

struct TScriptCheckResult {
  char State = 'N';       // 'N' nothing to do, 'C' new or changed script, 'X' no script or not found
  std::string Name;       // the box text, located along the search path when found
  bool NotFound = false;  // the name could not be located (State is 'X'); the caller tells the user
};

class TScriptChangeCheck {
 public:
  // "None" and the not-used marker mark the script inactive. A missing file
  // is reported once per name: checking the same missing name again without
  // force gives 'N', so a window that re-activates does not repeat the message.
  TScriptCheckResult Check(std::string_view boxText, bool force);
  // Forgets the remembered name and time: the next check counts as a change.
  void Reset();

 private:
  bool Remember(const std::string& name, std::int64_t time, bool force);

  std::optional<std::string> name_;  // nothing before the first check
  std::int64_t time_ = -1;
};

// The file's modification time in the file system's finest unit; -1 when it cannot be read.
std::int64_t ScriptFileTime(const std::string& name);

}  // namespace gleaner
