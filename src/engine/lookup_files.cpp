// Lookup file registry and the LookupFile and Lookup commands. The registry
// is created by the first LookupFile of a run and freed by CloseEngine; a
// short name, once loaded, is never reloaded within the run, so a LookupFile
// executed for every record reads its file once.
#include "engine/lookup_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "engine/engine_state.h"
#include "engine/lookup_reader.h"
#include "engine/writer.h"
#include "foundation/search_path.h"
#include "foundation/text_model.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

using TLookupFiles = std::map<std::string, TLuKeys, AnsiCaselessLess>;

std::unique_ptr<TLookupFiles> gLookupFiles;  // absent until the first LookupFile

// The four LookupFile parameters as given, listed in every error of the load.
struct TLoadParms {
  std::string_view ShortName, FileName, KeyField, DataField;
};

[[noreturn]] void LoadError(std::uint8_t kind, std::string_view message, const TLoadParms& p) {
  RaiseCommandError(kind, message, {p.ShortName, p.FileName, p.KeyField, p.DataField});
}

// The whole file, or false with the system's reason. LocateFile has already
// made sure it is a regular file, so opening it cannot block.
bool ReadWholeFile(const std::string& name, std::string& bytes, std::string& reason) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(SystemName(name).c_str(), "rb"),
                                                       &std::fclose);
  if (!file) {
    reason = SystemErrorText(errno);
    return false;
  }
  char block[65536];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) bytes.append(block, got);
  if (std::ferror(file.get())) {
    reason = SystemErrorText(errno);
    return false;
  }
  return true;
}

// Calls onLine(line, number) for each line; CR LF, LF and a lone CR end a
// line, and the line end is not part of it.
template <typename F>
void ForEachLine(std::string_view text, F onLine) {
  std::int32_t number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    onLine(text.substr(0, end), ++number);
    std::size_t next = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++next;
    text.remove_prefix(std::min(next, text.size()));
  }
}

[[noreturn]] void DataError(const std::string& problem, const std::string& located, std::int32_t lineNumber,
                            std::string_view line, const TLoadParms& p) {
  const std::string crLf(kCrLf);
  LoadError(kErrLookupFileData,
            problem + crLf + crLf + "File name:    " + located + crLf +
                "Line number:  " + std::to_string(lineNumber) + crLf + "Contents:     " + DisplayValue(line),
            p);
}

// Adds every data line of the file's text to keys.
void AddLines(std::string_view text, std::int32_t keyField, std::int32_t dataField,
              const std::string& located, TLuKeys& keys, const TLoadParms& p) {
  std::string key, data, problem;
  ForEachLine(text, [&](std::string_view line, std::int32_t number) {
    if (line.empty() || line.front() == ';') return;
    if (!ReadLookupLine(line, keyField, dataField, key, data, problem))
      DataError(problem, located, number, line, p);
    if (!keys.Add(key, data))
      LoadError(kErrIncorrectParameter, "Duplicated key field for lookup file:  " + key, p);
  });
  if (keys.Entries().empty()) LoadError(kErrLookupFileData, "No usable data lines found in lookup file", p);
}

// Checks the names and field numbers; returns the located file name.
std::string CheckLoad(std::int32_t keyField, std::int32_t dataField, const TLoadParms& p) {
  if (p.ShortName.empty()) LoadError(kErrIncorrectParameter, "Short name cannot be null", p);
  if (p.FileName.empty()) LoadError(kErrIncorrectParameter, "Filename cannot be null", p);
  std::string located(p.FileName);
  if (!LocateFile(located, false, false)) {
    LoadError(kErrFileProblem, "The Lookup file (" + std::string(p.FileName) + ") was not found", p);
  }
  if (keyField < 1 || dataField < 1) {
    LoadError(kErrIncorrectParameter, "The key field and the data field must be integer numbers, 1 or higher",
              p);
  }
  if (keyField == dataField)
    LoadError(kErrIncorrectParameter, "The key field cannot be the same as the data field", p);
  return located;
}

}  // namespace

// The keys' case-blind forms come from the text model (TextFoldInto builds one).
bool AnsiCaselessLess::operator()(std::string_view a, std::string_view b) const {
  return TextCompareFolded(a, b) < 0;
}

bool TLuKeys::Add(std::string_view key, std::string_view data) {
  const auto at = entries_.lower_bound(key);
  if (at != entries_.end() && !entries_.key_comp()(key, at->first)) return false;
  entries_.emplace_hint(at, std::string(key), TLuData{std::string(data)});
  return true;
}

const TLuData* TLuKeys::FindIgnoreCase(std::string_view key) const {
  const auto at = entries_.find(key);
  return at == entries_.end() ? nullptr : &at->second;
}

// Keys are unique regardless of case, so the only candidate for a byte-equal
// key is the one found regardless of case.
const TLuData* TLuKeys::FindMatchCase(std::string_view key) const {
  const auto at = entries_.find(key);
  return at == entries_.end() || at->first != key ? nullptr : &at->second;
}

void LookupFile(std::string_view shortName, std::string_view fileName, std::string_view keyField,
                std::string_view dataField) {
  Eng().CurrentCommand = Cmd::LookupFile;
  const std::int32_t keyNumber = IntParam(keyField);
  const std::int32_t dataNumber = IntParam(dataField);
  const TLoadParms p{shortName, fileName, keyField, dataField};
  const std::string located = CheckLoad(keyNumber, dataNumber, p);
  if (!gLookupFiles) gLookupFiles = std::make_unique<TLookupFiles>();
  if (gLookupFiles->contains(shortName)) return;
  TLuKeys& keys = gLookupFiles->emplace(std::string(shortName), TLuKeys{}).first->second;
  FlushOutput();
  std::string text, reason;
  if (!ReadWholeFile(located, text, reason)) {
    LoadError(kErrFileProblem, "Could not open Lookup file " + located + std::string(kCrLf) + reason, p);
  }
  AddLines(text, keyNumber, dataNumber, located, keys, p);
}

bool Lookup(std::string& result, std::string_view key, std::string_view shortName, std::string_view options) {
  Eng().CurrentCommand = Cmd::Lookup;
  const char option = SingleOption(options, "GM", "IgnoreCase MatchCase");
  const TLuKeys& keys = RequireLookupFile(shortName, {VariableBeingSet, key, shortName, options});
  // Found before result changes: the executor may hand the same variable as
  // result and key.
  const TLuData* found = key.empty()     ? nullptr
                         : option == 'G' ? keys.FindIgnoreCase(key)
                                         : keys.FindMatchCase(key);
  if (!found) {
    result.clear();
    return false;
  }
  result = found->Data;
  return true;
}

const TLuKeys* FindLookupFile(std::string_view shortName) {
  if (!gLookupFiles) return nullptr;
  const auto at = gLookupFiles->find(shortName);
  return at == gLookupFiles->end() ? nullptr : &at->second;
}

const TLuKeys& RequireLookupFile(std::string_view shortName, std::initializer_list<ErrParm> parms) {
  if (shortName.empty())
    RaiseCommandError(kErrIncorrectParameter, "Short name for lookup file cannot be null", parms);
  const TLuKeys* keys = FindLookupFile(shortName);
  if (!keys) {
    RaiseCommandError(kErrLookupDataNotFound,
                      "Short name for lookup file (" + std::string(shortName) +
                          ") not previously defined by LookupFile command",
                      parms);
  }
  return *keys;
}

void FreeLookupFiles() { gLookupFiles.reset(); }

}  // namespace gleaner
