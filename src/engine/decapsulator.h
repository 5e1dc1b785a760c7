// Internal to the engine: the Parse routine's own part (parse.h).
// Decapsulators: the small language that names a place in a source string for
// the Parse routine -- a position counted from either end, or the m-th, last or
// next occurrence of a find string -- and the control setting read with them.
// Reading checks the grammar; FindPlace turns a decapsulator into a 1-based
// position. Every failure is a command error listing the four values the Parse
// routine received.
//
//   ""        the start (From) or the end (To) of the source
//   "abc"     first occurrence of abc        "3*abc"  third, without overlaps
//   "<*abc"   first occurrence               ">*abc"  last, overlaps counted
//   "@*abc"   To only: first abc after the end of the From match
//   "7", "-2" character 7; the last but one character
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gleaner {

inline constexpr std::int32_t kMaxOccurrence = 1000;

enum class DecapSide : std::uint8_t { From = 1, To = 2 };

struct TDecapsulator {
  std::int32_t Number = 0;      // occurrence number (0 = last or next), or the position when positional
  std::string FindString;       // text looked for; "?" when positional; empty for an empty decapsulator
  bool Positional = false;      // a character position rather than a find string
  bool NextOccurrence = false;  // "@": search on from the end of the From match
};

// The values the Parse routine received, as listed in every error it raises.
struct TParseCall {
  std::string_view Source;
  std::string_view From;
  std::string_view To;
  std::string_view Control;
};

// The control setting after defaults were added and checked.
struct TParseOptions {
  std::string Letters;      // the option letters, e.g. "EM" or "IGCR"
  bool Include = false;     // I: find strings belong to the result (else E)
  bool IgnoreCase = false;  // G: search on upper-cased copies (else M)
  bool Cut = false;         // C: remove the matched stretch from the source
  bool Relaxed = false;     // R: forgive out-of-range positions and a missing To
};

// Raises a command error of the given kind; outside Parse itself the message
// says that the parameters shown are those of the Parse routine.
[[noreturn]] void RaiseParseError(const TParseCall& call, std::uint8_t kind, std::string_view message);

// Reads one decapsulator into out (reusing its storage); grammar errors are
// "Invalid decapsulator: " + text + CR LF + the reason.
void ReadDecapsulator(std::string_view text, DecapSide side, const TParseCall& call, TDecapsulator& out);

// Reads the control setting into out. parseMode is true for Parse itself,
// which defaults to Exclude and alone accepts Cut and Relaxed.
void ReadControlSetting(std::string_view setting, bool parseMode, const TParseCall& call, TParseOptions& out);

// The 1-based byte position that d names in searchText (the source, upper-cased
// under IgnoreCase), or 0 when its find string is not there. nextStart is the
// 1-based position where a next-occurrence search begins. A positional
// decapsulator counts characters of the text model and names the first byte
// of its character as From, the last as To.
std::int64_t FindPlace(const TDecapsulator& d, DecapSide side, std::string_view searchText, bool relaxed,
                       std::int64_t nextStart, const TParseCall& call);

}  // namespace gleaner
