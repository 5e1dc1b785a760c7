// A run's text encoding and its output line ends, chosen when the engine
// opens. The user's choice (the form or the command line) comes first, then
// the script's ($CfgEncoding, set in its Config section); "Auto" in both
// leaves it to the data:
//   - UTF-8 when the script file and the first input are valid UTF-8, ASCII
//     included. A regular file is judged on its first 16 MiB, a stream on
//     the first block read; clipboard input, no input ("None") and an empty
//     file count as UTF-8;
//   - Windows-1252 otherwise, and for BINARY input, so a Windows-1252 file
//     runs exactly as it always did.
// Only the first file of a wildcard list is judged: a run has one encoding.
//
//   RunChoices().Encoding = EncodingChoice::kUtf8;  // culler --encoding=utf-8
//   RunChoices().LfLineEnds = true;                 // culler --lf
//   OpenEngine(input, output);                      // selects the text model
#pragma once

#include <string>
#include <string_view>

#include "foundation/text_model.h"

namespace gleaner {

enum class EncodingChoice {
  kAuto,         // judged from the script and the first input
  kUtf8,         // "UTF-8"
  kWindows1252,  // "Windows-1252"
};

// "Auto", "UTF-8", "Windows-1252" (also "UTF8" and "CP1252"), any letter
// case; false for any other word.
bool EncodingChoiceOf(std::string_view word, EncodingChoice& choice);
// The choice's own spelling, as the form and the settings show it.
std::string_view EncodingChoiceName(EncodingChoice choice);

// What the application hands to the next OpenEngine.
struct TRunChoices {
  EncodingChoice Encoding = EncodingChoice::kAuto;  // the user's choice
  std::string ScriptFile;                           // the prepared script's file (PrepareScript); "None" or empty for none
  bool LfLineEnds = false;                          // TEXT output ends its records with LF alone
};
TRunChoices& RunChoices();

// True when the file's first 16 MiB are valid UTF-8, ASCII included (a
// sequence cut by that limit counts as whole); false when it cannot be read.
bool FileReadsAsUtf8(const std::string& systemName);

// OpenEngine's two steps. Before the input is opened: selects the model the
// choices settle, or Windows-1252 for now, and tells whether the input must
// still be judged; an unknown $CfgEncoding word is a "File problem" error.
bool SelectEncodingBeforeInput(const std::string& inputSpec);
// With the first input open: judges it and selects the model.
void SelectEncodingFromInput();

}  // namespace gleaner
