// Naive reference matcher: pattern text to a list of items, then recursion.
#include "support/reference_matcher.h"

#include <cctype>
#include <string>
#include <vector>

namespace gleaner::testing {
namespace {

enum class Kind { Literal, Any, InSet, NotInSet, Start, End };

struct Item {
  Kind kind = Kind::Literal;
  std::string chars;  // the literal, or the set members (repeats allowed)
  bool star = false;
};

bool Alnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// One possibly escaped character at pattern[i]; i moves past it.
char Escaped(std::string_view pattern, std::size_t& i) {
  if (pattern[i] != '\\') return pattern[i++];
  if (i + 1 == pattern.size()) {
    i++;
    return '\\';
  }
  i += 2;
  return pattern[i - 1] == 't' ? '\t' : pattern[i - 1];
}

Item ReadSet(std::string_view pattern, std::size_t& i) {
  Item item{Kind::InSet, "", false};
  if (i < pattern.size() && pattern[i] == '^') {
    item.kind = Kind::NotInSet;
    i++;
  }
  while (i < pattern.size() && pattern[i] != ']') {
    const bool range = pattern[i] != '\\' && i + 2 < pattern.size() && pattern[i + 1] == '-' &&
                       Alnum(pattern[i]) && Alnum(pattern[i + 2]) && pattern[i] < pattern[i + 2];
    if (!range) {
      item.chars += Escaped(pattern, i);
      continue;
    }
    for (char c = pattern[i]; c <= pattern[i + 2]; c++) item.chars += c;
    i += 3;
  }
  if (i < pattern.size()) i++;
  return item;
}

// The items of a pattern; a star right after the start anchor empties it.
std::vector<Item> Items(std::string_view pattern) {
  std::vector<Item> items;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '*' && i > 0) {
      if (items.back().kind == Kind::Start) return {};
      items.back().star = true;
      i++;
    } else if (c == '^' && i == 0) {
      items.push_back({Kind::Start, "", false});
      i++;
    } else if (c == '$' && i + 1 == pattern.size()) {
      items.push_back({Kind::End, "", false});
      i++;
    } else if (c == '.') {
      items.push_back({Kind::Any, "", false});
      i++;
    } else if (c == '[') {
      i++;
      items.push_back(ReadSet(pattern, i));
    } else {
      items.push_back({Kind::Literal, std::string(1, Escaped(pattern, i)), false});
    }
  }
  return items;
}

struct Naive {
  std::vector<Item> items;
  std::string_view subject;
  bool exactCase;

  bool Same(char a, char b) const {
    if (exactCase) return a == b;
    auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return fold(a) == fold(b);
  }
  bool InChars(const std::string& chars, char c) const {
    for (char m : chars) {
      if (Same(m, c)) return true;
    }
    return false;
  }
  // Whether the item takes the character at p (1-based); anchors take none,
  // except that a repeated start anchor steps over position 1.
  bool Takes(const Item& item, std::int64_t p) const {
    if (p > static_cast<std::int64_t>(subject.size())) return false;
    const char c = subject[p - 1];
    switch (item.kind) {
      case Kind::Literal:
        return Same(item.chars[0], c);
      case Kind::Any:
        return true;
      case Kind::InSet:
        return InChars(item.chars, c);
      case Kind::NotInSet:
        return !InChars(item.chars, c);
      case Kind::Start:
        return p == 1;
      case Kind::End:
        return false;
    }
    return false;
  }
  std::int64_t MatchHere(std::size_t k, std::int64_t p) const {
    if (k == items.size()) return p;
    const Item& item = items[k];
    const std::int64_t n = static_cast<std::int64_t>(subject.size());
    if (item.star) {
      std::int64_t q = p;
      while (Takes(item, q)) q++;
      for (; q >= p; q--) {
        if (const std::int64_t end = MatchHere(k + 1, q)) return end;
      }
      return 0;
    }
    if (item.kind == Kind::End) return p == n + 1 ? MatchHere(k + 1, p) : 0;
    if (!Takes(item, p)) return 0;
    return MatchHere(k + 1, item.kind == Kind::Start ? p : p + 1);
  }
};

}  // namespace

TPatternMatch ReferenceSearch(std::string_view pattern, std::string_view subject, std::int64_t start,
                              bool exactCase) {
  const Naive naive{Items(pattern), subject, exactCase};
  for (std::int64_t p = start < 1 ? 1 : start; p <= static_cast<std::int64_t>(subject.size()); p++) {
    if (const std::int64_t end = naive.MatchHere(0, p)) return {p, end - p};
  }
  return {};
}

TPatternMatch ReferenceSearchLast(std::string_view pattern, std::string_view subject, std::int64_t start,
                                  bool exactCase) {
  TPatternMatch last;
  for (std::int64_t s = start < 1 ? 1 : start; s <= static_cast<std::int64_t>(subject.size()); s++) {
    const TPatternMatch found = ReferenceSearch(pattern, subject, s, exactCase);
    if (found.Position == 0) break;
    last = found;
  }
  return last;
}

}  // namespace gleaner::testing
