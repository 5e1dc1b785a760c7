// The engine's own small pattern language: single-character items, classes,
// a greedy star and start/end anchors. A pattern is compiled into a compact
// byte-string program, which Search and SearchLast run against a subject.
//
// Program format (instructions laid end to end, each led by its operation):
//   "@" c        the literal character c
//   "."          any one character
//   "[" n s...   any one character among the set characters, n bytes of them (n one byte, 0-255)
//   "!" n s...   any one character not among the set characters
// A character is one byte, or in a UTF-8 run one UTF-8 sequence (an invalid
// byte alone); a program is compiled and run under the same text model.
//   "^"          nothing, at subject position 1 only
//   "$"          nothing, past the last character only
//   "*" X        X repeated zero or more times, greedily
//
// Example: CompilePattern("ab*c") is "@a*@b@c"; Search of it in "xabbbcx"
// from position 1 gives position 2, length 5.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gleaner {

// Positions count from 1; Position 0 means no match.
struct TPatternMatch {
  std::int64_t Position = 0;
  std::int64_t Length = 0;
};

// Compiles a pattern text into a program. Never fails: a star right after the
// "^" anchor gives the empty program, which matches the empty string.
std::string CompilePattern(std::string_view pattern);

// The first position from startPos on where the program matches, with the
// length of that match. A start below 1 counts as 1; a subject shorter than the
// start (an empty subject included) gives no match. With exactCase false the
// ASCII letters a-z compare equal to A-Z.
// A program that CompilePattern cannot produce (an unknown operation, a star
// on a star, a cut-off instruction) raises std::runtime_error with the text
// "Error RE-MO-<index> (<operation>)" CR LF <program>.
TPatternMatch Search(std::string_view program, std::string_view subject, std::int64_t startPos,
                     bool exactCase);

// The match from startPos on that starts furthest right (the last one that
// Search finds when started at startPos, startPos + 1, ...).
TPatternMatch SearchLast(std::string_view program, std::string_view subject, std::int64_t startPos,
                         bool exactCase);

}  // namespace gleaner
