// The value store of a compiled script: every variable and literal is one
// TValue, kept in creation order; variables are also in a case-insensitive
// index. Special variables ("$" names) refer to texts owned by the engine, the
// program information record or the script layer, so reading one gives the
// owner's current text and assigning one changes it.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>

#include "commands/command_table.h"

namespace gleaner {

struct TScriptLine;

// No value grows past this: far above any real record, it stops a script
// that keeps doubling a value before the memory runs out.
inline constexpr std::size_t kMaxValueLength = 256 * 1024 * 1024;

// The engine error of a value that grew past kMaxValueLength, naming the
// command; the assignment ("=") is named "Assign".
[[noreturn]] void RaiseValueTooLong(std::string_view command);

// An engine error naming the command when size exceeds kMaxValueLength.
inline void CheckValueLength(std::size_t size, std::string_view command) {
  if (size > kMaxValueLength) RaiseValueTooLong(command);
}
// The same, the command given by its code, whose name is looked up only on failure.
inline void CheckValueLength(std::size_t size, Cmd command) {
  if (size > kMaxValueLength) RaiseValueTooLong(CommandName(command));
}

class TValue {
 public:
  TValue(std::string name, std::string upperName, std::string value, int refCount);
  TValue(const TValue&) = delete;
  TValue& operator=(const TValue&) = delete;

  std::string Name;       // as first written; "$" + name for a special variable; empty for a literal
  std::string UpperName;  // lookup key; empty for a literal
  std::string OwnValue;   // storage of script variables and literals
  std::string* ValueRef;  // where the current value lives: OwnValue, or the owner's text
  int RefCount;           // 0: not counted; else occurrences in the script
  TScriptLine* ProcLine = nullptr;  // the Procedure line defined under this name

  const std::string& Value() const { return *ValueRef; }
};

// Storage of the $Cfg variables that have no field in the program information.
struct TCfg {
  std::string RecLen, EnableOptionX, EnableOptionY, EnableOptionZ, SupportFiles;
  std::string Copyright, Version, Programmer, Email, License;
};

// How many special variables RegisterAllSpecials creates; $CfgEncoding is the last.
inline constexpr std::size_t kSpecialVariableCount = 48;

// Texts the script layer itself exposes as special variables.
struct TScriptTexts {
  std::string OutData;
  std::string AppParms[3];
  std::string Compare;
  std::string Ignore;
  std::string NotDefined = "[ND]";
  std::string Success = "N";
};

TCfg& ScriptCfg();
TScriptTexts& ScriptTexts();

class TValueStore {
 public:
  // Looks a variable up by name, ignoring case; the name is cut before its first "[".
  TValue* Find(std::string_view name);
  // Looks a variable up by its whole name (array elements may hold "[").
  TValue* FindExact(std::string_view name);
  // Variables are created under their whole name; a name seen again counts once more.
  TValue* FindOrCreate(std::string_view name, std::string_view initial, bool counted);
  TValue* CreateLiteral(std::string_view text);
  // Exposes an owner's text as "$" + name; initial, when given, is stored in it.
  TValue* RegisterSpecial(std::string_view name, std::string* text, const std::string* initial);
  // Registers every special variable, in their fixed order.
  void RegisterAllSpecials();

  const std::deque<TValue>& Values() const { return values_; }
  void Clear();

 private:
  TValue* Append(std::string name, std::string upperName, std::string_view value, int refCount);

  std::deque<TValue> values_;  // creation order; addresses never change
  std::map<std::string, TValue*, std::less<>> index_;
};

}  // namespace gleaner
