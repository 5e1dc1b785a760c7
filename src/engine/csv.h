// Internal to the engine and the script layer: the script's command handlers
// call it; everyone else uses engine/gleaner_engine.h.
// Delimited output and splitting: OutCSV builds one record field by field in
// the engine's CSV state (Eng().Csv, which outlives runs) and writes it as one
// output line; SplitCSV turns a line of double-quoted fields into a line with
// a separator of the caller's choice.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gleaner {

// The longest record OutCSV builds; a field that would make it longer is an error.
inline constexpr std::size_t kMaxCsvRecordLength = 2'048'000;

// The mode one call site gave on its last call, taken apart, so a script
// line that gives the same mode again skips reading it. A caller that hands
// the same mode on every call (a literal) sets FixedMode, and the mode is
// then never compared again.
struct TCsvModePlan {
  bool FixedMode = false;
  bool Ready = false;        // Mode has been taken apart
  std::string Mode;          // the mode as given
  char Sign = 0;             // '+', '-' or 0
  bool SetsDefault = false;  // "Quoted...": also the default from now on
  bool UsesDefault = false;  // no word: the default mode's
  std::size_t WordStart = 0, WordLength = 0;  // where the word stands in Mode
  std::string Word;          // the last word read and its letter (0 until one was)
  char Kind = 0;
};

// Adds value as a field, or acts on the record, as mode says: a word of
// "Control Done Init Nulls Quoted Stop Unquoted", optionally led by "+" or "-"
// (on flag) and ended by "..." (make Quoted/Unquoted the default). An empty
// mode is the default mode. plan, when given, is used and kept up to date.
// Example: OutCSV("", "Init"); OutCSV("a", "Quoted"); OutCSV("", "Done")
// writes "a" with its quotes as one line.
void OutCSV(std::string_view value, std::string_view mode, TCsvModePlan* plan = nullptr);

// Drops the double quotes of quoted fields (a doubled quote inside them is one
// quote) and puts newSeparator for each oldSeparator found outside quotes.
// Example: SplitCSV("a,\"b,c\",d", "|", ",") is "a|b,c|d".
std::string SplitCSV(std::string_view source, std::string_view newSeparator = "\r",
                     std::string_view oldSeparator = ",");

// The engine's numeric test: an optional sign, then one or more digits with at
// most one "." (only when allowDecimal, a word of "Yes No", says Yes). An
// empty allowDecimal is the "Missing ..." error of the current command.
bool NumericText(std::string_view value, std::string_view allowDecimal);

}  // namespace gleaner
