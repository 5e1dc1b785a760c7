// Command, operator and comparator tables with their look-ups.
#include "commands/command_table.h"

#include <array>
#include <initializer_list>

#include "foundation/win1252.h"

namespace gleaner {
namespace {

constexpr std::array<CmdSpecs, kCommandCount> kSpecs = {{
    {"(undetermined)", false, 0}, {"=", true, 1},           {"Add", true, 1},
    {"Again", false, 0},          {"AlphaNumPatt", true, 1}, {"Begin", false, 0},
    {"Bookmark", false, 2},       {"Break", false, 0},       {"Calc", true, 3},
    {"CalcReal", true, 3},        {"Call", false, 1},        {"Change", false, 3},
    {"ChangeCase", true, 1},      {"Cols", true, 2},         {"CompareCtrl", false, 1},
    {"Config", false, 0},         {"Continue", false, 0},    {"Dec", false, 1},
    {"Done", false, 0},           {"Else", false, 0},        {"End", false, 0},
    {"Exit", false, 0},           {"FileDone", false, 0},    {"FileInit", false, 0},
    {"FindPosn", true, 2},        {"Inc", false, 1},         {"Insert", false, 3},
    {"KeepChar", false, 2},       {"Len", true, 1},          {"LogMsg", false, 1},
    {"LogMsgLF", false, 0},       {"Lookup", true, 2},       {"LookupFile", false, 2},
    {"MassChange", false, 2},     {"NextRecord", false, 0},  {"NextStep", false, 0},
    {"Numeric", true, 1},         {"Odb", false, 1},         {"OutCSV", false, 1},
    {"OutEnd", false, 1},         {"OutFile", false, 1},     {"OutNull", false, 0},
    {"Output", false, 1},         {"Outruler", false, 1},    {"Overlay", false, 3},
    {"Padded", true, 2},          {"Parse", true, 2},        {"ParseName", false, 1},
    {"Procedure", false, 1},      {"Que", true, 3},          {"ReadEOF", true, 0},
    {"ReadFor", true, 1},         {"ReadNext", true, 0},     {"ReadUntil", true, 1},
    {"Rewind", false, 1},         {"Rounding", false, 1},    {"ScanFollow", true, 2},
    {"ScanPosn", false, 4},       {"SetFromFile", true, 1},  {"ShowNote", false, 1},
    {"SplitCSV", true, 1},        {"Stop", false, 0},        {"Sub", true, 1},
    {"TaskDone", false, 0},       {"TaskInit", false, 0},    {"TrimChar", false, 1},
    {"YesNo", true, 3},           {"(unknown)", false, 0},
}};

// The codes are the table's order: a row added, dropped or moved without its
// enumerator fails here.
static_assert(static_cast<int>(Cmd::Unknown) + 1 == kCommandCount);
static_assert(kSpecs[static_cast<std::size_t>(Cmd::Assign)].Name == "=");
static_assert(kSpecs[static_cast<std::size_t>(Cmd::YesNo)].Name == "YesNo");
static_assert(kSpecs.back().Name == "(unknown)");

}  // namespace

const TComparisons kComparatorTable[kComparatorCount] = {
    {"#<", 13},     {"#<=", 16},    {"#<>", 4},      {"#=", 1},       {"#=<", 16},
    {"#=>", 10},    {"#>", 7},      {"#>=", 10},     {"^", 19},       {"~", 20},
    {"=", 2},       {"<>", 5},      {"<", 14},       {">", 8},        {"<=", 17},
    {"=<", 17},     {"=>", 11},     {">=", 11},      {"IS", 18},      {"LEN<", 12},
    {"LEN<=", 15},  {"LEN<>", 3},   {"LEN=", 0},     {"LEN=<", 15},   {"LEN=>", 9},
    {"LEN>", 6},    {"LEN>=", 9},   {"LONGER", 21},  {"SAMELEN", 23}, {"SHORTER", 22},
    {"MATCHES", 24}, {"COMPRISES", 25},
};

const CommandSet kBlockOpeners{Cmd::Begin,    Cmd::Config,    Cmd::FileDone, Cmd::FileInit,
                               Cmd::Procedure, Cmd::TaskDone, Cmd::TaskInit};
const CommandSet kBlockClosers{Cmd::End, Cmd::Again};
const CommandSet kSections{Cmd::Config,    Cmd::FileDone, Cmd::FileInit,
                           Cmd::Procedure, Cmd::TaskDone, Cmd::TaskInit};
const CommandSet kNotAfterIf{Cmd::Again,    Cmd::Begin,     Cmd::Config,   Cmd::Else,
                             Cmd::End,      Cmd::FileDone,  Cmd::FileInit, Cmd::Procedure,
                             Cmd::TaskDone, Cmd::TaskInit};
const CommandSet kAllowedInConfig{Cmd::Assign, Cmd::Begin,    Cmd::Config, Cmd::Else,
                                  Cmd::End,    Cmd::NextStep, Cmd::Stop};
const CommandSet kComparatorSecond{Cmd::Again, Cmd::Begin, Cmd::Que};
const CommandSet kOperatorSecond{Cmd::Calc, Cmd::CalcReal};
const CommandSet kNotSupported{Cmd::Add,      Cmd::Bookmark, Cmd::Numeric, Cmd::OutFile,
                               Cmd::ParseName, Cmd::ReadEOF, Cmd::ReadFor, Cmd::ReadNext,
                               Cmd::ReadUntil, Cmd::Rewind,  Cmd::Sub,     Cmd::YesNo};

const CmdSpecs& CommandSpec(Cmd code) { return kSpecs[static_cast<std::size_t>(code)]; }

std::string_view CommandName(Cmd code) { return CommandSpec(code).Name; }

std::optional<Cmd> FindCommand(std::string_view word) {
  const std::string upper = AnsiUpperCase(word);
  for (int i = 1; i < kCommandCount - 1; ++i) {
    if (AnsiUpperCase(kSpecs[i].Name) == upper) return static_cast<Cmd>(i);
  }
  return std::nullopt;
}

bool IsOperator(std::string_view word) {
  const std::string upper = AnsiUpperCase(word);
  for (int i = 1; i < 7; ++i) {
    if (kOperatorList[i] == upper) return true;
  }
  return false;
}

const TComparisons* FindComparator(std::string_view upperWord) {
  for (const TComparisons& entry : kComparatorTable) {
    if (entry.Text == upperWord) return &entry;
  }
  return nullptr;
}

}  // namespace gleaner
