// The command table: the single vocabulary of the script language. Codes are
// fixed by the order of the table (alphabetical, "=" first) and stored in one
// byte wherever a command is recorded; the engine uses them to name the
// command in progress in its messages. Also the operator list of Calc and
// CalcReal and the comparator table of If, Begin, Again and Que.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace gleaner {

// One enumerator per table entry, in table order.
enum class Cmd : std::uint8_t {
  Undetermined,  // placeholder when no command is in progress; never matched
  Assign,        // "="
  Add, Again, AlphaNumPatt, Begin, Bookmark, Break, Calc, CalcReal, Call, Change,
  ChangeCase, Cols, CompareCtrl, Config, Continue, Dec, Done, Else, End, Exit,
  FileDone, FileInit, FindPosn, Inc, Insert, KeepChar, Len, LogMsg, LogMsgLF,
  Lookup, LookupFile, MassChange, NextRecord, NextStep, Numeric, Odb, OutCSV,
  OutEnd, OutFile, OutNull, Output, Outruler, Overlay, Padded, Parse, ParseName,
  Procedure, Que, ReadEOF, ReadFor, ReadNext, ReadUntil, Rewind, Rounding,
  ScanFollow, ScanPosn, SetFromFile, ShowNote, SplitCSV, Stop, Sub, TaskDone,
  TaskInit, TrimChar, YesNo,
  Unknown,  // closing placeholder; never matched
};

inline constexpr int kCommandCount = 68;

struct CmdSpecs {
  std::string_view Name;  // spelling of the table; matched without case
  bool IsFunction;        // stores a value into the variable written before it
  int MinParms;           // least number of parameters after the command word
};

const CmdSpecs& CommandSpec(Cmd code);
std::string_view CommandName(Cmd code);
inline bool IsFunction(Cmd code) { return CommandSpec(code).IsFunction; }
inline int MinParms(Cmd code) { return CommandSpec(code).MinParms; }

// Looks a word up among codes 1..66, ignoring letter case.
std::optional<Cmd> FindCommand(std::string_view word);

// A fixed set of command codes, as a 68-bit mask.
class CommandSet {
 public:
  constexpr CommandSet(std::initializer_list<Cmd> members) {
    for (Cmd c : members) {
      auto i = static_cast<unsigned>(c);
      bits_[i / 64] |= std::uint64_t{1} << (i % 64);
    }
  }
  constexpr bool Has(Cmd c) const {
    auto i = static_cast<unsigned>(c);
    return (bits_[i / 64] >> (i % 64)) & 1;
  }

 private:
  std::uint64_t bits_[2] = {0, 0};
};

extern const CommandSet kBlockOpeners;
extern const CommandSet kBlockClosers;
extern const CommandSet kSections;
extern const CommandSet kNotAfterIf;
extern const CommandSet kAllowedInConfig;
extern const CommandSet kComparatorSecond;
extern const CommandSet kOperatorSecond;
extern const CommandSet kNotSupported;

// The eight entries of the operator list; the first and last are end markers.
inline constexpr std::string_view kOperatorList[8] = {"$S$", "+", "-", "*", "/", "HIGHEST", "LOWEST", "$E$"};

// True when the word, upper-cased, is one of the six operators.
bool IsOperator(std::string_view word);

struct TComparisons {
  std::string_view Text;  // comparator word, upper case
  int Code;               // comparison code
};

inline constexpr int kComparatorCount = 32;
extern const TComparisons kComparatorTable[kComparatorCount];

// Exact search of an upper-cased word in the comparator table.
const TComparisons* FindComparator(std::string_view upperWord);

}  // namespace gleaner
