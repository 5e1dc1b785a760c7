// Lookup file registry and the LookupFile and Lookup commands. The registry
// is created by the first LookupFile of a run and freed by CloseEngine; a
// short name, once loaded, is never reloaded within the run, so a LookupFile
// executed for every record reads its file once.
#include "engine/lookup_files.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>

#include "engine/cancel_poll.h"
#include "engine/engine_state.h"
#include "engine/lookup_reader.h"
#include "engine/writer.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "platform/available_memory.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

using TLookupFiles = std::map<std::string, TLuKeys, AnsiCaselessLess>;

std::unique_ptr<TLookupFiles> gLookupFiles;  // absent until the first LookupFile
// Changes whenever the registry is made or freed, so a plan can tell that
// the table it found is still there (a loaded table never moves or goes
// while its registry lives).
std::uint64_t gRegistryNumber = 0;

// The four LookupFile parameters as given, listed in every error of the load.
struct TLoadParms {
  std::string_view ShortName, FileName, KeyField, DataField;
};

[[noreturn]] void LoadError(std::uint8_t kind, std::string_view message, const TLoadParms& p) {
  RaiseCommandError(kind, message, {p.ShortName, p.FileName, p.KeyField, p.DataField});
}

constexpr std::size_t kReadChunk = std::size_t{4} << 20;

std::string Megabytes(std::uint64_t bytes) { return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB"; }

// A file held in 1.5 times its size at most; one that would not fit in the
// memory left is refused before it is read, instead of the system ending
// the program part-way.
void CheckRoom(std::uint64_t size, const std::string& located, const TLoadParms& p) {
  const std::uint64_t needed = size + size / 2;
  const std::uint64_t available = AvailableMemory();
  if (size <= TLuKeys::kMaxText && needed <= available) return;
  const std::string crLf(kCrLf);
  LoadError(kErrDataBuffer,
            "The Lookup file " + located + " is too large for the memory available" + crLf + "It needs about " +
                Megabytes(needed) + "; " + Megabytes(available) + " are available",
            p);
}

// Reads the whole file into the table's block; false with the system's
// reason. LocateFile has already made sure it is a regular file, so opening
// it cannot block. Cancel is honoured between chunks.
bool ReadIntoTable(const std::string& located, TLuKeys& keys, std::string_view& text, std::string& reason,
                   const TLoadParms& p) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(SystemName(located).c_str(), "rb"),
                                                       &std::fclose);
  struct stat status {};
  if (!file || ::fstat(::fileno(file.get()), &status) != 0) {
    reason = SystemErrorText(errno);
    return false;
  }
  const auto size = static_cast<std::uint64_t>(status.st_size);
  CheckRoom(size, located, p);
  char* block = keys.ReserveText(static_cast<std::size_t>(size));
  std::size_t got = 0;
  while (got < size) {
    PollCancel();
    const std::size_t count = std::fread(block + got, 1, std::min<std::size_t>(kReadChunk, size - got), file.get());
    if (count == 0) break;
    got += count;
  }
  if (std::ferror(file.get())) {
    reason = SystemErrorText(errno);
    return false;
  }
  text = std::string_view(block, got);
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
  TCancelPoll poll;
  std::size_t dataLines = 0;
  ForEachLine(text, [&](std::string_view line, std::int32_t) {
    poll.Tick(line.size() + 1);
    dataLines += line.empty() || line.front() == ';' ? 0 : 1;
  });
  keys.ReserveEntries(dataLines);
  ForEachLine(text, [&](std::string_view line, std::int32_t number) {
    poll.Tick(line.size() + 1);
    if (line.empty() || line.front() == ';') return;
    if (!ReadLookupLine(line, keyField, dataField, key, data, problem))
      DataError(problem, located, number, line, p);
    if (!keys.Add(key, data))
      LoadError(kErrIncorrectParameter, "Duplicated key field for lookup file:  " + key, p);
  });
  if (keys.Size() == 0) LoadError(kErrLookupFileData, "No usable data lines found in lookup file", p);
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

// The table loaded as shortName, or null; through the plan when there is one.
const TLuKeys* PlannedTable(TLookupPlan* plan, std::string_view shortName) {
  if (plan == nullptr) return shortName.empty() ? nullptr : FindLookupFile(shortName);
  if (plan->Keys != nullptr && plan->Registry == gRegistryNumber && shortName == plan->ShortName) return plan->Keys;
  plan->Keys = shortName.empty() ? nullptr : FindLookupFile(shortName);
  plan->ShortName.assign(shortName);
  plan->Registry = gRegistryNumber;
  return plan->Keys;
}

}  // namespace

bool AnsiCaselessLess::operator()(std::string_view a, std::string_view b) const {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(AnsiUpper(a[i]));
    const auto y = static_cast<unsigned char>(AnsiUpper(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

void LookupFile(std::string_view shortName, std::string_view fileName, std::string_view keyField,
                std::string_view dataField) {
  Eng().CurrentCommand = Cmd::LookupFile;
  const std::int32_t keyNumber = IntParam(keyField);
  const std::int32_t dataNumber = IntParam(dataField);
  const TLoadParms p{shortName, fileName, keyField, dataField};
  const std::string located = CheckLoad(keyNumber, dataNumber, p);
  if (!gLookupFiles) {
    gLookupFiles = std::make_unique<TLookupFiles>();
    ++gRegistryNumber;
  }
  if (gLookupFiles->contains(shortName)) return;
  TLuKeys& keys = gLookupFiles->emplace(std::string(shortName), TLuKeys{}).first->second;
  FlushOutput();
  std::string_view text;
  std::string reason;
  if (!ReadIntoTable(located, keys, text, reason, p)) {
    LoadError(kErrFileProblem, "Could not open Lookup file " + located + std::string(kCrLf) + reason, p);
  }
  AddLines(text, keyNumber, dataNumber, located, keys, p);
}

bool Lookup(std::string& result, std::string_view key, std::string_view shortName, std::string_view options,
            TLookupPlan* plan) {
  Eng().CurrentCommand = Cmd::Lookup;
  const char option =
      SingleOptionMemo(plan != nullptr ? &plan->Option : nullptr, options, "GM", "IgnoreCase MatchCase");
  const TLuKeys* table = PlannedTable(plan, shortName);
  // The error's parameter list is built only when there is an error.
  const TLuKeys& keys = table != nullptr ? *table : RequireLookupFile(shortName, {VariableBeingSet, key, shortName, options});
  // Found before result changes: the executor may hand the same variable as
  // result and key.
  const std::optional<std::string_view> found = key.empty()     ? std::nullopt
                                                : option == 'G' ? keys.FindIgnoreCase(key)
                                                                : keys.FindMatchCase(key);
  if (!found) {
    result.clear();
    return false;
  }
  result.assign(*found);
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

void FreeLookupFiles() {
  gLookupFiles.reset();
  ++gRegistryNumber;
}

}  // namespace gleaner
