// Directory search by pattern and attributes, with the Windows wildcard rules
// the system's names follow: "*" and "?" only in the last name component,
// letter case ignored, "*.*" matching every name, "." and ".." never matching,
// and matches returned sorted by name (ignoring case) so that runs repeat.
// Names may use "\" or "/" as folder separators; "\" becomes "/" only here,
// where a name reaches the file system.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

// Attribute bits of a found entry and of a search mask. Regular files always
// match a mask; directories and hidden entries (names starting with ".") only
// when their bit is in the mask. Read-only and archive never restrict.
// FIFOs, devices and sockets never match: a walk must not block on them.
inline constexpr std::uint32_t kFaReadOnly = 0x01;
inline constexpr std::uint32_t kFaHidden = 0x02;
inline constexpr std::uint32_t kFaSysFile = 0x04;
inline constexpr std::uint32_t kFaVolumeId = 0x08;
inline constexpr std::uint32_t kFaDirectory = 0x10;
inline constexpr std::uint32_t kFaArchive = 0x20;
inline constexpr std::uint32_t kFaAnyFile = 0x3F;

// Result codes of FindFirst/FindNext (the Windows numbers, shown in messages).
inline constexpr int kFindOk = 0;
inline constexpr int kFindFileNotFound = 2;  // the folder holds no matching entry
inline constexpr int kFindPathNotFound = 3;  // the folder cannot be read
inline constexpr int kFindNoMoreFiles = 18;  // FindNext after the last match

struct TFoundEntry {
  std::string Name;       // name without folder
  std::int64_t Size = 0;  // bytes; 0 for directories
  std::int64_t Time = 0;  // last modification, seconds since 1970-01-01 UTC
  std::uint32_t Attr = 0;
};

// One directory search: the entry found last and, standing in for the
// system's search handle, the matches not yet returned.
struct TSearchRec {
  std::string Name;
  std::int64_t Size = 0;
  std::int64_t Time = 0;
  std::uint32_t Attr = 0;
  std::vector<TFoundEntry> Pending;
  std::size_t NextIndex = 0;
};

// Starts a search for pattern (folder + name pattern); 0 when an entry matched.
int FindFirst(std::string_view pattern, std::uint32_t attributes, TSearchRec& search);
// The next match; kFindNoMoreFiles after the last.
int FindNext(TSearchRec& search);
// Releases the search.
void FindClose(TSearchRec& search);

// True when the name (wildcards taken literally) matches the pattern by the
// rules above.
bool MatchesWildcard(std::string_view name, std::string_view pattern);
bool HasWildcard(std::string_view name);

// The name as the file system wants it: every "\" turned into "/".
std::string SystemName(std::string_view name);
// True for an existing regular file (or a link to one); folders do not count.
bool FileExists(std::string_view name);
bool DirectoryExists(std::string_view name);
// The system's message for an errno value.
std::string SystemErrorText(int errorNumber);

}  // namespace gleaner
