// The value store and the registration of the special variables.
#include "script/values.h"

#include <type_traits>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "foundation/win1252.h"

namespace gleaner {

TValue::TValue(std::string name, std::string upperName, std::string value, int refCount)
    : Name(std::move(name)),
      UpperName(std::move(upperName)),
      OwnValue(std::move(value)),
      ValueRef(&OwnValue),
      RefCount(refCount) {}

void RaiseValueTooLong(std::string_view command) {
  const std::string name = command == "=" ? "Assign" : std::string(command);
  RaiseEngineError(kErrDataBuffer, "Value too long in " + name + " command",
                   "A value may hold at most " + std::to_string(kMaxValueLength) + " characters");
}

TCfg& ScriptCfg() {
  static TCfg cfg;
  return cfg;
}

TScriptTexts& ScriptTexts() {
  static TScriptTexts texts;
  return texts;
}

TValue* TValueStore::Find(std::string_view name) {
  return FindExact(name.substr(0, name.find('[')));
}

TValue* TValueStore::FindExact(std::string_view name) {
  auto it = index_.find(AnsiUpperCase(name));
  return it == index_.end() ? nullptr : it->second;
}

TValue* TValueStore::FindOrCreate(std::string_view name, std::string_view initial, bool counted) {
  if (!name.empty()) {
    if (TValue* found = FindExact(name)) {
      if (found->RefCount != 0) ++found->RefCount;
      return found;
    }
  }
  return Append(std::string(name), AnsiUpperCase(name), initial, counted ? 1 : 0);
}

TValue* TValueStore::CreateLiteral(std::string_view text) { return Append({}, {}, text, 0); }

TValue* TValueStore::Append(std::string name, std::string upperName, std::string_view value, int refCount) {
  TValue& v = values_.emplace_back(std::move(name), std::move(upperName), std::string(value), refCount);
  if (!v.UpperName.empty()) index_[v.UpperName] = &v;
  return &v;
}

TValue* TValueStore::RegisterSpecial(std::string_view name, std::string* text, const std::string* initial) {
  if (name.empty()) RaiseEngineError(kErrInternal, "Exposed special variable is given a null name", "");
  std::string key = "$" + AnsiUpperCase(name);
  if (index_.count(key) != 0) {
    RaiseEngineError(kErrInternal, "SC-SRV-DV", "Duplicate engine variable: " + std::string(name));
  }
  TValue* v = Append("$" + std::string(name), std::move(key), {}, 0);
  v->ValueRef = text;
  if (initial != nullptr) *text = *initial;
  return v;
}

void TValueStore::RegisterAllSpecials() {
  TEngineState& eng = Eng();
  TEngineInfo& info = EngineInfo();
  TCfg& cfg = ScriptCfg();
  TScriptTexts& own = ScriptTexts();
  const std::string recLen = std::to_string(info.CfgRecLen);
  const std::string yes = "Y", no = "N", equals = "=", notDefined = "[ND]";
  auto yn = [&](bool b) { return b ? &yes : &no; };
  struct Entry {
    const char* name;
    std::string* text;
    const std::string* initial;
  };
  const Entry entries[] = {
      {"Data", &eng.Record, nullptr},
      {"OutData", &own.OutData, nullptr},
      {"PrevData", &eng.PreviousRecord, nullptr},
      {"ReadLines", &eng.RecordCount, nullptr},
      {"CfgInputFileType", &info.CfgInputFileType, nullptr},
      {"CfgOutputFileType", &info.CfgOutputFileType, nullptr},
      {"CfgCaptionX", &info.CfgCaptionX, nullptr},
      {"CfgHintX", &info.CfgHintX, nullptr},
      {"CfgCaptionY", &info.CfgCaptionY, nullptr},
      {"CfgHintY", &info.CfgHintY, nullptr},
      {"CfgCaptionZ", &info.CfgCaptionZ, nullptr},
      {"CfgHintZ", &info.CfgHintZ, nullptr},
      {"CfgDefaultIFN", &info.CfgDefaultIFN, nullptr},
      {"CfgDefaultOFN", &info.CfgDefaultOFN, nullptr},
      {"CfgOutputFileMask", &info.CfgOutputFileMask, nullptr},
      {"CfgRecLen", &cfg.RecLen, &recLen},
      {"CfgEnableOptionX", &cfg.EnableOptionX, yn(info.CfgEnableOptionX)},
      {"CfgEnableOptionY", &cfg.EnableOptionY, yn(info.CfgEnableOptionY)},
      {"CfgEnableOptionZ", &cfg.EnableOptionZ, yn(info.CfgEnableOptionZ)},
      {"CfgSupportFiles", &cfg.SupportFiles, nullptr},
      {"CfgCopyright", &cfg.Copyright, nullptr},
      {"CfgVersion", &cfg.Version, nullptr},
      {"CfgProgrammer", &cfg.Programmer, nullptr},
      {"CfgEmail", &cfg.Email, nullptr},
      {"CfgLicense", &cfg.License, nullptr},
      {"ActualIFN", &eng.ActualIFN, nullptr},
      {"ActualOFN", &eng.ActualOFN, nullptr},
      {"AppParms(1)", &own.AppParms[0], nullptr},
      {"AppParms(2)", &own.AppParms[1], nullptr},
      {"AppParms(3)", &own.AppParms[2], nullptr},
      {"BytesOutCount", &eng.BytesOutCount, nullptr},
      {"CaptionX", &info.CfgCaptionX, nullptr},
      {"CaptionY", &info.CfgCaptionY, nullptr},
      {"CaptionZ", &info.CfgCaptionZ, nullptr},
      {"Compare", &own.Compare, &equals},
      {"InputFileBytes", &eng.InputFileBytes, nullptr},
      {"Ignore", &own.Ignore, nullptr},
      {"NotDefined", &own.NotDefined, &notDefined},
      {"OptionX", &eng.OptionX, nullptr},
      {"OptionY", &eng.OptionY, nullptr},
      {"OptionZ", &eng.OptionZ, nullptr},
      {"OutCSVRec", &eng.Csv.Record, nullptr},
      {"StepName", &eng.StepName, nullptr},
      {"AppendingOutput", &eng.AppendingOutput, nullptr},
      {"ClipboardOutput", &eng.ClipboardOutput, nullptr},
      {"Success", &own.Success, &no},
      {"TestMode", &eng.TestMode, nullptr},
      {"CfgEncoding", &info.CfgEncoding, nullptr},
  };
  static_assert(std::extent_v<decltype(entries)> == kSpecialVariableCount);
  for (const Entry& e : entries) RegisterSpecial(e.name, e.text, e.initial);
}

void TValueStore::Clear() {
  index_.clear();
  values_.clear();
}

}  // namespace gleaner
