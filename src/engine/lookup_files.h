// Internal to the engine and the script layer: the script's command handlers
// call it; everyone else uses engine/gleaner_engine.h.
// Lookup files: the registry of loaded lookup files, owned by the engine
// between OpenEngine and CloseEngine, and the two commands that use it.
// LookupFile loads a delimited text file under a short name (once per run);
// Lookup finds the data of a key; MassChange (mass_change.h) walks the keys.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/engine_errors.h"
#include "engine/lookup_table.h"
#include "engine/option_memo.h"

namespace gleaner {

// Orders short names by the bytes of their Windows-1252 upper-case forms (a
// name keeps its own rules whatever the run's encoding); the order is the
// same on every machine.
struct AnsiCaselessLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// The command LookupFile: loads fileName under shortName unless that short
// name is already loaded. keyField and dataField are decimal field numbers
// (the executor's defaults are "1" and "2").
void LookupFile(std::string_view shortName, std::string_view fileName, std::string_view keyField,
                std::string_view dataField);

// What a script line's Lookup keeps from run to run: the letter of its
// option word and the table its short name found last (until the registry
// is freed).
struct TLookupPlan {
  TOptionMemo Option;
  std::string ShortName;  // byte for byte the name Keys was found under
  const TLuKeys* Keys = nullptr;
  std::uint64_t Registry = 0;  // the registry Keys belongs to
};

// The command Lookup: result := the data of key in the file loaded as
// shortName; options is "IgnoreCase" or "MatchCase". Returns whether the key
// was found; a missing key leaves result empty and is not an error. A plan,
// when given, spares reading the same option word and short name again.
bool Lookup(std::string& result, std::string_view key, std::string_view shortName, std::string_view options,
            TLookupPlan* plan = nullptr);

// The keys loaded under shortName, or null when none are (registry absent).
const TLuKeys* FindLookupFile(std::string_view shortName);

// The keys loaded under shortName for a command that needs them: an empty or
// undefined short name is the command's error with the parameters given.
const TLuKeys& RequireLookupFile(std::string_view shortName, std::initializer_list<ErrParm> parms);

// Frees every loaded lookup file; the registry becomes absent.
void FreeLookupFiles();

}  // namespace gleaner
