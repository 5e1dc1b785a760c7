// Directory search with Windows wildcard rules over std::filesystem. A search
// lists the folder once, keeps the matching entries sorted, and hands them out
// one by one, which also makes the order independent of the file system.
#include "platform/file_search.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace gleaner {

namespace fs = std::filesystem;

namespace {

// File names are UTF-8 here, so only ASCII letters fold: folding the
// Windows-1252 way would change bytes inside multi-byte characters.
char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool GlobMatch(std::string_view name, std::string_view pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starP = std::string_view::npos;
  std::size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::size_t LastSeparator(std::string_view name) { return name.find_last_of("/\\"); }

std::int64_t ModificationTime(const fs::path& path) {
  std::error_code ec;
  const auto written = fs::last_write_time(path, ec);
  if (ec) return 0;
  const auto system = std::chrono::file_clock::to_sys(written);
  return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

// The entry's attributes, or false for kinds a search never returns.
bool DescribeEntry(const fs::path& path, const std::string& name, TFoundEntry& entry) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec) return false;
  entry.Name = name;
  entry.Attr = 0;
  entry.Size = 0;
  if (fs::is_directory(status)) {
    entry.Attr |= kFaDirectory;
  } else if (fs::is_regular_file(status)) {
    entry.Attr |= kFaArchive;
    const auto size = fs::file_size(path, ec);
    entry.Size = ec ? 0 : static_cast<std::int64_t>(size);
  } else {
    return false;
  }
  if (name.front() == '.') entry.Attr |= kFaHidden;
  if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) entry.Attr |= kFaReadOnly;
  entry.Time = ModificationTime(path);
  return true;
}

bool AllowedByMask(std::uint32_t attr, std::uint32_t mask) {
  constexpr std::uint32_t kRestricting = kFaHidden | kFaSysFile | kFaVolumeId | kFaDirectory;
  return (attr & ~mask & kRestricting) == 0;
}

bool NameOrder(const TFoundEntry& a, const TFoundEntry& b) {
  const auto folded = [](char x, char y) { return FoldAscii(x) < FoldAscii(y); };
  if (std::lexicographical_compare(a.Name.begin(), a.Name.end(), b.Name.begin(), b.Name.end(), folded)) {
    return true;
  }
  if (std::lexicographical_compare(b.Name.begin(), b.Name.end(), a.Name.begin(), a.Name.end(), folded)) {
    return false;
  }
  return a.Name < b.Name;
}

// A name without wildcards names one entry exactly, as the file system spells it.
int FindExact(const std::string& folder, const std::string& name, std::uint32_t mask,
              std::vector<TFoundEntry>& found) {
  if (name == "." || name == "..") return kFindFileNotFound;
  TFoundEntry entry;
  if (!DescribeEntry(fs::path(folder) / name, name, entry) || !AllowedByMask(entry.Attr, mask)) {
    return kFindFileNotFound;
  }
  found.push_back(std::move(entry));
  return kFindOk;
}

int FindMatching(const std::string& folder, std::string_view pattern, std::uint32_t mask,
                 std::vector<TFoundEntry>& found) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return kFindPathNotFound;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!MatchesWildcard(name, pattern)) continue;
    TFoundEntry entry;
    if (DescribeEntry(it->path(), name, entry) && AllowedByMask(entry.Attr, mask)) found.push_back(entry);
  }
  if (ec) return kFindPathNotFound;
  std::sort(found.begin(), found.end(), NameOrder);
  return found.empty() ? kFindFileNotFound : kFindOk;
}

void TakeNext(TSearchRec& search) {
  TFoundEntry& entry = search.Pending[search.NextIndex++];
  search.Name = std::move(entry.Name);
  search.Size = entry.Size;
  search.Time = entry.Time;
  search.Attr = entry.Attr;
}

}  // namespace

bool HasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  if (name.empty() || name == "." || name == "..") return false;
  if (GlobMatch(name, pattern)) return true;
  // "name.*" also matches "name" itself, so "*.*" matches every name.
  if (pattern.size() >= 2 && pattern.ends_with(".*"))
    return GlobMatch(name, pattern.substr(0, pattern.size() - 2));
  return false;
}

int FindFirst(std::string_view pattern, std::uint32_t attributes, TSearchRec& search) {
  FindClose(search);
  const std::string systemPattern = SystemName(pattern);
  const std::size_t cut = LastSeparator(systemPattern);
  const std::string folder = cut == std::string::npos ? "." : systemPattern.substr(0, cut + 1);
  const std::string namePattern = cut == std::string::npos ? systemPattern : systemPattern.substr(cut + 1);
  if (namePattern.empty()) return kFindFileNotFound;
  const int result = HasWildcard(namePattern) ? FindMatching(folder, namePattern, attributes, search.Pending)
                                              : FindExact(folder, namePattern, attributes, search.Pending);
  if (result == kFindOk) TakeNext(search);
  return result;
}

int FindNext(TSearchRec& search) {
  if (search.NextIndex >= search.Pending.size()) return kFindNoMoreFiles;
  TakeNext(search);
  return kFindOk;
}

void FindClose(TSearchRec& search) {
  search.Pending.clear();
  search.NextIndex = 0;
}

std::string SystemName(std::string_view name) {
  std::string result(name);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

bool FileExists(std::string_view name) {
  if (name.empty()) return false;
  std::error_code ec;
  return fs::is_regular_file(fs::status(SystemName(name), ec));
}

bool DirectoryExists(std::string_view name) {
  if (name.empty()) return false;
  std::error_code ec;
  return fs::is_directory(fs::status(SystemName(name), ec));
}

std::string SystemErrorText(int errorNumber) { return std::generic_category().message(errorNumber); }

}  // namespace gleaner
