// Pattern compiler and matcher.
//
// The matcher gives the results of a plain backtracking matcher (a star first
// takes as many characters as it can, then gives them back one at a time) but
// never repeats work: it is iterative, keeps one backtrack frame per star on
// the current path (so the stack never grows with the subject), and remembers
// every (star, position) pair that has failed. A starred item at position p
// succeeds with "one more repetition, then the star again at p + 1" or, failing
// that, with "the rest of the program at p"; once both have failed for p the
// pair is marked and never tried again, also from later start positions. Each
// (instruction, position) pair is therefore evaluated at most once per search,
// which bounds the work by program length x subject length.
#include "engine/pattern_matcher.h"

#include <algorithm>
#include <bitset>
#include <stdexcept>
#include <vector>

#include "engine/cancel_poll.h"
#include "engine/engine_errors.h"
#include "foundation/text_model.h"
#include "foundation/utf8_chars.h"

namespace gleaner {
namespace {

// --- compiler ---------------------------------------------------------------

bool IsRangeEnd(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// The character at pattern[i] (one byte, or in UTF-8 its whole sequence);
// advances i past it.
std::string_view ReadChar(std::string_view pattern, std::size_t& i) {
  const std::size_t n = CharBytes(pattern, i);
  i += n;
  return pattern.substr(i - n, n);
}

// The character an escape stands for: "\t" is a tab, "\" + c is c, and a
// backslash at the end of the pattern is itself. Advances i past the escape.
std::string_view ReadEscape(std::string_view pattern, std::size_t& i) {
  if (i + 1 >= pattern.size()) {
    ++i;
    return "\\";
  }
  ++i;
  const std::string_view c = ReadChar(pattern, i);
  return c == "t" ? "\t" : c;
}

// The members of a class in order of first appearance, without duplicates.
class ClassSet {
 public:
  void Add(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (seen_[b] || (members_.size() == 255 && TextIsUtf8())) return;
    seen_[b] = true;
    members_ += c;
  }
  // A character of several bytes (UTF-8); the length byte bounds the members
  // to 255 bytes, and characters past that are left out.
  void Add(std::string_view c) {
    if (c.size() == 1) return Add(c.front());
    if (HasWide(c) || members_.size() + c.size() > 255) return;
    members_.append(c);
  }
  void AddRange(char from, char to) {
    for (int c = static_cast<unsigned char>(from); c <= static_cast<unsigned char>(to); ++c) {
      Add(static_cast<char>(c));
    }
  }
  // Appends the instruction. The length is one byte, so a set holding all 256
  // characters is written as its equivalent: "." or, negated, the empty set.
  void Emit(bool negated, std::string& program) const {
    if (members_.size() == 256 && !TextIsUtf8()) {
      program += negated ? std::string("[\0", 2) : std::string(".");
      return;
    }
    program += negated ? '!' : '[';
    program += static_cast<char>(std::min<std::size_t>(members_.size(), 255));
    program.append(members_, 0, 255);
  }

 private:
  bool HasWide(std::string_view c) const {
    for (std::size_t k = 0; k < members_.size(); k += CharBytes(members_, k)) {
      if (members_.compare(k, c.size(), c) == 0) return true;
    }
    return false;
  }

  std::bitset<256> seen_;
  std::string members_;
};

// Reads a class from just after its "[" up to its "]" (or the end of the
// pattern) and appends the instruction. Returns the index after the class.
std::size_t CompileClass(std::string_view pattern, std::size_t i, std::string& program) {
  const std::size_t n = pattern.size();
  const bool negated = i < n && pattern[i] == '^';
  if (negated) ++i;
  ClassSet set;
  while (i < n && pattern[i] != ']') {
    const char c = pattern[i];
    if (c == '\\') {
      set.Add(ReadEscape(pattern, i));
    } else if (i + 2 < n && pattern[i + 1] == '-' && IsRangeEnd(c) && IsRangeEnd(pattern[i + 2]) &&
               c < pattern[i + 2]) {
      set.AddRange(c, pattern[i + 2]);
      i += 3;
    } else {
      set.Add(ReadChar(pattern, i));
    }
  }
  set.Emit(negated, program);
  return i < n ? i + 1 : i;
}

// --- matcher ----------------------------------------------------------------

[[noreturn]] void RaiseMalformed(std::string_view program, std::size_t index) {
  std::string text = "Error RE-MO-" + std::to_string(index + 1) + " (";
  text += program[index];
  text.append(")").append(kCrLf).append(program);
  throw std::runtime_error(text);
}

char OtherAsciiCase(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

void Accept(std::bitset<256>& table, char c, bool exactCase) {
  table.set(static_cast<unsigned char>(c));
  if (!exactCase) table.set(static_cast<unsigned char>(OtherAsciiCase(c)));
}

// One instruction of a program, with a 256-entry acceptance table for the
// operations that take a character (case folding already applied). In UTF-8
// the table decides the one-byte characters; a longer character is taken
// when it is among Wide's characters, or when it is not and Negated is set.
struct Unit {
  char Op = '.';
  bool Starred = false;
  bool Negated = false;
  std::size_t StarIndex = 0;  // index of its failure memo when starred
  std::bitset<256> Accepts;
  std::string_view Wide;  // characters laid end to end, in the program
};

bool HoldsChar(std::string_view members, std::string_view c) {
  for (std::size_t k = 0; k < members.size(); k += Utf8CharBytes(members, k)) {
    if (members.compare(k, c.size(), c) == 0 && Utf8CharBytes(members, k) == c.size()) return true;
  }
  return false;
}

// Sets the unit's one-byte members in its table and points Wide at the members.
void AcceptMembers(std::string_view members, bool exactCase, Unit& unit) {
  const bool utf8 = TextIsUtf8();
  for (std::size_t k = 0; k < members.size();) {
    const std::size_t n = utf8 ? Utf8CharBytes(members, k) : 1;
    if (n == 1) Accept(unit.Accepts, members[k], exactCase);
    k += n;
  }
  if (utf8) unit.Wide = members;
}

// Decodes the instruction at program[k] into unit and returns the index after it.
std::size_t DecodeInstruction(std::string_view program, std::size_t k, bool exactCase, Unit& unit) {
  const std::size_t size = program.size();
  unit.Op = program[k];
  switch (unit.Op) {
    case '^':
    case '$':
      return k + 1;
    case '.':
      unit.Accepts.set();
      unit.Negated = true;
      return k + 1;
    case '@': {
      if (k + 1 >= size) RaiseMalformed(program, k);
      const std::size_t n = CharBytes(program, k + 1);
      AcceptMembers(program.substr(k + 1, n), exactCase, unit);
      return k + 1 + n;
    }
    case '[':
    case '!': {
      if (k + 1 >= size) RaiseMalformed(program, k);
      const std::size_t count = static_cast<unsigned char>(program[k + 1]);
      if (k + 2 + count > size) RaiseMalformed(program, k);
      AcceptMembers(program.substr(k + 2, count), exactCase, unit);
      if (unit.Op == '!') {
        unit.Accepts.flip();
        unit.Negated = true;
      }
      return k + 2 + count;
    }
    default:
      RaiseMalformed(program, k);
  }
}

class Matcher {
 public:
  Matcher(std::string_view program, std::string_view subject, bool exactCase)
      : subject_(subject), utf8_(TextIsUtf8() && !IsAsciiText(subject)) {
    std::size_t k = 0;
    while (k < program.size()) {
      Unit unit;
      if (program[k] == '*') {
        if (k + 1 >= program.size()) RaiseMalformed(program, k);
        ++k;
        unit.Starred = true;
        unit.StarIndex = failed_.size();
        failed_.emplace_back();
      }
      k = DecodeInstruction(program, k, exactCase, unit);
      units_.push_back(unit);
    }
  }

  // The match that starts first (or last) from start (1-based) on. Going
  // backwards for the last one finds what repeated forward searches would
  // find, without repeating the work of every match before it.
  TPatternMatch First(std::size_t start) {
    for (std::size_t p = start; p <= subject_.size(); p = Next(p)) {
      poll_.Tick(1);
      if (const std::size_t end = MatchAt(p)) return Found(p, end);
    }
    return {};
  }
  TPatternMatch Last(std::size_t start) {
    for (std::size_t p = Previous(subject_.size() + 1); p >= start && p > 0; p = Previous(p)) {
      poll_.Tick(1);
      if (const std::size_t end = MatchAt(p)) return Found(p, end);
    }
    return {};
  }

 private:
  static TPatternMatch Found(std::size_t position, std::size_t end) {
    return {static_cast<std::int64_t>(position), static_cast<std::int64_t>(end - position)};
  }

  // A pending star: positions low..q were reached by repeating it, and the
  // rest of the program is being tried at q.
  struct Frame {
    std::size_t UnitIndex;
    std::size_t Low;
    std::size_t Q;
  };

  // Positions (1-based) of the characters after and before the one at p;
  // a subject without a byte above 0x7F steps by bytes in either model.
  std::size_t Next(std::size_t p) const { return utf8_ ? p + Utf8CharBytes(subject_, p - 1) : p + 1; }
  std::size_t Previous(std::size_t p) const {
    if (!utf8_ || p <= 1) return p - 1;
    return Utf8PreviousStart(subject_, p - 1) + 1;
  }

  // The bytes of the character at p (1-based) that the unit takes, or 0.
  std::size_t Takes(const Unit& u, std::size_t p) const {
    if (p > subject_.size()) return 0;
    if (u.Op == '^') return p == 1 ? 1 : 0;
    if (u.Op == '$') return 0;
    const auto b = static_cast<unsigned char>(subject_[p - 1]);
    const std::size_t n = utf8_ && b >= 0x80 ? Utf8CharBytes(subject_, p - 1) : 1;
    if (n == 1) return u.Accepts[b] ? 1 : 0;
    return HoldsChar(u.Wide, subject_.substr(p - 1, n)) != u.Negated ? n : 0;
  }

  // Runs one unstarred unit at p, advancing p past a taken character.
  bool Step(const Unit& u, std::size_t& p) const {
    if (u.Op == '$') return p == subject_.size() + 1;
    const std::size_t n = Takes(u, p);
    if (n == 0) return false;
    if (u.Op != '^') p += n;
    return true;
  }

  std::vector<std::uint64_t>& Memo(const Unit& u) {
    std::vector<std::uint64_t>& bits = failed_[u.StarIndex];
    if (bits.empty()) {
      bits.assign((subject_.size() + 2) / 64 + 1, 0);
      poll_.Tick(bits.size());
    }
    return bits;
  }
  bool HasFailed(const Unit& u, std::size_t p) { return (Memo(u)[p / 64] >> (p % 64)) & 1; }
  void MarkFailed(const Unit& u, std::size_t p) { Memo(u)[p / 64] |= std::uint64_t{1} << (p % 64); }

  // Runs units from i at p until the program ends (true) or something fails.
  // The work is counted for Cancel: one unit per instruction run and per
  // character a star takes.
  bool Advance(std::size_t& i, std::size_t& p) {
    const std::size_t first = i;
    std::size_t taken = 0;
    for (; i < units_.size(); ++i) {
      const Unit& u = units_[i];
      if (!u.Starred) {
        if (!Step(u, p)) break;
        continue;
      }
      if (HasFailed(u, p)) break;
      std::size_t q = p;
      for (std::size_t n = Takes(u, q); n != 0 && !HasFailed(u, q + n); n = Takes(u, q)) q += n;
      frames_.push_back({i, p, q});
      taken += q - p;
      p = q;
    }
    poll_.Tick(i - first + taken + 1);
    return i == units_.size();
  }

  // Gives back one repetition of the innermost star that has one left and
  // sets i and p to try the rest after it; false when no star is left.
  bool Backtrack(std::size_t& i, std::size_t& p) {
    while (!frames_.empty()) {
      poll_.Tick(1);
      Frame& f = frames_.back();
      MarkFailed(units_[f.UnitIndex], f.Q);
      if (f.Q > f.Low) {
        f.Q = Previous(f.Q);
        i = f.UnitIndex + 1;
        p = f.Q;
        return true;
      }
      frames_.pop_back();
    }
    return false;
  }

  // End position (1-based, one past the match) of the match at p, or 0.
  std::size_t MatchAt(std::size_t p) {
    frames_.clear();
    std::size_t i = 0;
    do {
      if (Advance(i, p)) return p;
    } while (Backtrack(i, p));
    return 0;
  }

  std::string_view subject_;
  bool utf8_;  // the subject steps by UTF-8 characters
  std::vector<Unit> units_;
  std::vector<std::vector<std::uint64_t>> failed_;  // per star: bit p set when it failed at p
  std::vector<Frame> frames_;
  TCancelPoll poll_;
};

std::size_t StartIndex(std::int64_t startPos) {
  return startPos < 1 ? 1 : static_cast<std::size_t>(startPos);
}

}  // namespace

std::string CompilePattern(std::string_view pattern) {
  std::string program;
  std::size_t last = 0;  // where the previous instruction starts
  bool lastStarred = false;
  std::size_t i = 0;
  const std::size_t n = pattern.size();
  while (i < n) {
    const char c = pattern[i];
    if (c == '*' && i > 0) {
      if (program[last] == '^') return {};
      if (!lastStarred) program.insert(last, 1, '*');
      lastStarred = true;
      ++i;
      continue;
    }
    last = program.size();
    lastStarred = false;
    if ((c == '^' && i == 0) || (c == '$' && i == n - 1) || c == '.') {
      program += c;
      ++i;
    } else if (c == '[') {
      i = CompileClass(pattern, i + 1, program);
    } else {
      program += '@';
      program += c == '\\' ? ReadEscape(pattern, i) : ReadChar(pattern, i);
    }
  }
  return program;
}

TPatternMatch Search(std::string_view program, std::string_view subject, std::int64_t startPos,
                     bool exactCase) {
  return Matcher(program, subject, exactCase).First(StartIndex(startPos));
}

TPatternMatch SearchLast(std::string_view program, std::string_view subject, std::int64_t startPos,
                         bool exactCase) {
  return Matcher(program, subject, exactCase).Last(StartIndex(startPos));
}

}  // namespace gleaner
