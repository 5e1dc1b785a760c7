// Text and date helpers shared by the engine, the culling application and the
// interface: padding, labelled report lines, substring and position searches,
// repeated replacement, list joining, Y/N conversions, a checked integer
// conversion and a compact date stamp. All work on 8-bit text; positions count
// from 1. Only the label layout keeps state between calls.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

// "yymmdd-hhnn": two-digit year, month, day, a hyphen, 24-hour hour, minutes.
std::string DateStamp(const std::tm& when);
// The same for a point in time, in local time.
std::string DateStamp(std::chrono::system_clock::time_point when);

// "s" unless n is 1, then empty: "3 file" + Plural(3).
std::string Plural(std::int64_t n);

std::string BoolToYN(bool b);

// False for an empty text or one whose first character, upper-cased, is
// neither "Y" nor "N"; otherwise b := (it is "Y") and true.
bool ParseYN(std::string_view text, bool& b);

// A strict decimal integer (optional sign, digits, within range). Empty text
// gives 0 and true with emptyIsZero, else false; a negative number is refused
// unless allowNegative. The value is changed only on success.
// text without the characters of set at both ends: TrimSet(" a\t", " \t") is "a".
std::string_view TrimSet(std::string_view text, std::string_view set);
// text without blanks at both ends.
inline std::string_view TrimBlanks(std::string_view text) { return TrimSet(text, " "); }
// text without codes 0 to 32 (blanks, tabs, line ends, other controls) at both ends.
std::string_view TrimControls(std::string_view text);

bool CheckedInt(std::string_view text, std::int32_t& value, bool allowNegative, bool emptyIsZero);
bool CheckedInt(std::string_view text, std::int64_t& value, bool allowNegative, bool emptyIsZero);

// Characters (of the text model) from position max(from, 1) to min(to, length):
// SubText("abcdef", 4, 99) is "def".
std::string SubText(std::string_view text, std::int64_t from, std::int64_t to);

// Position of the first sub in text at or after start (below 1 counts as 1);
// 0 when none, when sub is empty or longer than text, or start is past the end.
std::int64_t PosFrom(std::int64_t start, std::string_view sub, std::string_view text);

// Position of the last occurrence of sub in text; 0 when none or sub is empty.
std::int64_t LastPos(std::string_view sub, std::string_view text);

// Pads text with fill to width; never cuts. mode (letter case ignored):
// 'C' centred (odd remainder on the right), 'L' fill on the left
// (right-aligned), 'R' fill on the right; any other mode leaves text as it is.
// PadText("abc", 6, 'C', '*') is "*abc**". Widths count characters of the
// text model; fill's first character pads.
std::string PadText(std::string_view text, std::int64_t width, char mode, char fill);
std::string PadText(std::string_view text, std::int64_t width, char mode, std::string_view fill);

// Layout of FormatLabelLine: line width, fill character and indent (initially 0, ' ', 0).
void SetLabelLayout(std::int32_t width, char fill, std::int32_t indent);

// indent blanks, label + " " padded with the fill to width - 1, " ", value
// (emptyValue when value is empty). With (20, '.', 2): "  Files ............. 3".
std::string FormatLabelLine(std::string_view label, std::string_view value, std::string_view emptyValue);

// Multi-pass replacement that would make the text longer than this fails.
inline constexpr std::size_t kMaxReplaceLength = 2'048'000;

// Thrown by ReplaceAll when a multi-pass replacement keeps growing the text
// past kMaxReplaceLength; the engine turns it into an error naming its command.
class ETextTooLong : public std::length_error {
 public:
  ETextTooLong();
};

// Replaces every find in text, scanning left to right and resuming after each
// inserted replacement, so a replacement never takes part in its own pass.
// With mode 'M' (letter case ignored) passes repeat until find no longer occurs,
// unless find occurs inside replacement (then one pass). An empty find changes
// nothing. Throws ETextTooLong (text left unchanged) as described above.
// ReplaceAll("aab", "ab", "b", 'M') gives "b".
void ReplaceAll(std::string& text, std::string_view find, std::string_view replacement, char mode);

// Joins the entries, each followed by the delimiter, after a leading
// delimiter; an entry is skipped when duplicates are not allowed and
// delimiter + entry + delimiter already occurs. The leading and final
// delimiters are removed unless kept. An empty list gives "".
// JoinList({"a", "b", "a"}, "/", false, false, false) is "a/b".
std::string JoinList(const std::vector<std::string>& list, std::string_view delimiter, bool keepLeading,
                     bool allowDuplicates, bool keepTrailing);

}  // namespace gleaner
