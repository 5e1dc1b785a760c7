// Internal to the engine and the script layer: the script's command handlers
// call it; everyone else uses engine/gleaner_engine.h.
// Field commands that produce a new value from one text: Cols (a range of
// columns), Padded (padding to a width), AlphaNumPatt (the letter/digit
// pattern) and Len. Each sets Eng().CurrentCommand to its own code unless
// the internal-call mark is set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gleaner {

// The widest Padded result: the engine's longest text line.
inline constexpr std::int32_t kMaxPaddedSize = 2'048'000;

// Characters from..to of value (positions from 1; empty counts as 0, a from
// below 1 as 1, a to past the end as the end). Example: Cols("abcdef", "3",
// "99") gives "cdef".
std::string Cols(std::string_view value, std::string_view from, std::string_view to);
// The single column at from.
inline std::string Cols(std::string_view value, std::string_view from) { return Cols(value, from, from); }

// value padded to size characters with the first character of padChar;
// edge is one of "Left Right Center": Right puts the padding after the value,
// Left before it, Center splits it (the smaller half before). A value at
// least size long is returned unchanged (never cut).
// Example: Padded("ab", "5", "Center", "*") gives "*ab**".
std::string Padded(std::string_view value, std::string_view size, std::string_view edge = "Right",
                   std::string_view padChar = " ");

// The upper-cased value with digits turned into "N" and letters into "A";
// with a remove list the pattern is then trimmed as by TrimChar.
// Example: AlphaNumPatt("AB-12 cd", "MA") gives "A-NN A".
std::string AlphaNumPatt(std::string_view value, std::optional<std::string_view> removeList = std::nullopt);

// Decimal text of the length of the (already joined) values.
std::string Len(std::string_view all);

}  // namespace gleaner
