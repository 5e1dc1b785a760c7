// Finding a short text in a record-sized one, as the Parse routine does
// several times per record: memchr finds each candidate first character and
// the rest is compared in place, with no call for the comparison. Short texts
// the hot paths compare on every record are compared in place too.
//
//   FindText("a, b; c", ";", 0)  -> 4
//   FindText("a, b; c", "x", 0)  -> npos
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace gleaner {

// Whether two short texts (option letters, a mode word) are the same,
// compared in place: for a few bytes a call of memcmp costs more.
inline bool SameShortText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// The first offset at or after from where find starts in text, or npos; as
// std::string_view::find, also for an empty find.
inline std::size_t FindText(std::string_view text, std::string_view find, std::size_t from) {
  const std::size_t n = find.size();
  if (from > text.size()) return std::string_view::npos;
  if (n == 0) return from;
  if (n > text.size() - from) return std::string_view::npos;
  const char* const begin = text.data();
  const char* const lastStart = begin + (text.size() - n);
  const char* at = begin + from;
  const char first = find.front();
  while (at <= lastStart) {
    at = static_cast<const char*>(std::memchr(at, first, static_cast<std::size_t>(lastStart - at) + 1));
    if (at == nullptr) return std::string_view::npos;
    std::size_t i = 1;
    while (i < n && at[i] == find[i]) ++i;
    if (i == n) return static_cast<std::size_t>(at - begin);
    ++at;
  }
  return std::string_view::npos;
}

}  // namespace gleaner
