// MassChange: every key of a loaded lookup file is replaced by its data, one
// entry after another in the key order of the lookup (upper-cased byte
// order), so later entries see the result of earlier ones. Each entry takes
// one left-to-right pass that resumes after the inserted data, so nothing
// loops; entries with an empty key are skipped.
#include "engine/mass_change.h"

#include "engine/char_commands.h"
#include "engine/engine_errors.h"
#include "engine/lookup_files.h"
#include "foundation/text_utils.h"
#include "foundation/text_model.h"

namespace gleaner {
namespace {

bool SameAt(std::string_view text, std::size_t at, std::string_view key) {
  return TextSameFolded(text.substr(at, key.size()), key);
}

// Position of the next key in text at or after from, or npos.
std::size_t FindKey(std::string_view text, std::string_view key, std::size_t from, bool ignoreCase) {
  if (!ignoreCase) return text.find(key, from);
  if (text.size() < key.size()) return std::string_view::npos;
  for (std::size_t at = from; at <= text.size() - key.size(); ++at) {
    if (SameAt(text, at, key)) return at;
  }
  return std::string_view::npos;
}

// One pass of one entry; false when the result would exceed the text limit
// (text then unchanged). scratch is reused between entries.
bool ReplaceEntry(std::string& text, std::string_view key, std::string_view data, bool ignoreCase,
                  std::string& scratch) {
  std::size_t at = FindKey(text, key, 0, ignoreCase);
  if (at == std::string_view::npos) return true;
  scratch.clear();
  std::size_t from = 0;
  while (at != std::string_view::npos) {
    if (scratch.size() + (at - from) + data.size() > kMaxReplaceLength) return false;
    scratch.append(text, from, at - from).append(data);
    from = at + key.size();
    at = FindKey(text, key, from, ignoreCase);
  }
  if (scratch.size() + (text.size() - from) > kMaxReplaceLength) return false;
  scratch.append(text, from);
  text.swap(scratch);
  return true;
}

}  // namespace

void MassChange(std::string& text, std::string_view shortName, std::string_view caseOption) {
  ClaimCommand(Cmd::MassChange);
  const bool ignoreCase = SingleOption(caseOption, "GM", "IgnoreCase MatchCase") == 'G';
  const TLuKeys& keys = RequireLookupFile(shortName, {VariableBeingSet, shortName, caseOption});
  if (text.empty()) return;
  std::string changed = text;
  std::string scratch;
  keys.ForEachInKeyOrder([&](const TLuEntry& entry) {
    if (entry.Key.empty()) return;
    if (!ReplaceEntry(changed, entry.Key, entry.Data, ignoreCase, scratch)) {
      RaiseCommandError(kErrDataBuffer,
                        "The changed text would exceed the maximum length of " +
                            std::to_string(kMaxReplaceLength) + " characters",
                        {VariableBeingSet, shortName, caseOption});
    }
  });
  text.swap(changed);
}

}  // namespace gleaner
