// Internal to the engine and the script layer: the script's command handlers
// call it; everyone else uses engine/gleaner_engine.h.
// MassChange: replaces, in a text, every key of a loaded lookup file by its
// data, one entry after another in the lookup file's key order.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// Changes text in place. caseOption is "MatchCase" (the executor's default)
// or "IgnoreCase"; shortName must have been loaded by LookupFile. Example:
// with the entries 'cat' -> 'dog' and 'dog' -> 'cow', 'cat dog' becomes
// 'cow cow' (later entries see the result of earlier ones).
void MassChange(std::string& text, std::string_view shortName, std::string_view caseOption);

}  // namespace gleaner
