// Choosing a run's text encoding (run_encoding.h). The input is judged from
// the reader's own first block, so a stream is never read twice; a regular
// file that goes on past it is judged further by name, so a Windows-1252
// file whose accented letters come late still runs as Windows-1252.
#include "engine/run_encoding.h"

#include <filesystem>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/reader.h"
#include "foundation/search_path.h"
#include "foundation/text_encoding.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

struct TChoiceWord {
  std::string_view Word;
  EncodingChoice Choice;
};
constexpr TChoiceWord kChoiceWords[] = {
    {"Auto", EncodingChoice::kAuto},       {"UTF-8", EncodingChoice::kUtf8},
    {"Windows-1252", EncodingChoice::kWindows1252}, {"UTF8", EncodingChoice::kUtf8},
    {"CP1252", EncodingChoice::kWindows1252},
};

TextEncoding EncodingOf(bool utf8) { return utf8 ? TextEncoding::kUtf8 : TextEncoding::kWindows1252; }

// The script's word; an unset one leaves the choice to the data.
EncodingChoice ScriptChoice() {
  const std::string& word = EngineInfo().CfgEncoding;
  EncodingChoice choice = EncodingChoice::kAuto;
  if (!word.empty() && !EncodingChoiceOf(word, choice)) {
    RaiseEngineError(kErrFileProblem, "Unknown text encoding", word);
  }
  return choice;
}

bool ScriptIsUtf8() {
  const std::string& script = RunChoices().ScriptFile;
  return script.empty() || SameTextIgnoreCase(script, "NONE") || FileReadsAsUtf8(SystemName(script));
}

bool FirstInputIsUtf8() {
  bool full = false;
  TUtf8Scan scan;
  scan.Feed(PeekFirstBlock(full));
  if (scan.Failed() || (!full && !scan.IsValidText())) return false;
  if (!full) return true;
  const std::string systemName = SystemName(Eng().ActualIFN);
  std::error_code error;
  return !std::filesystem::is_regular_file(systemName, error) || FileReadsAsUtf8(systemName);
}

}  // namespace

bool FileReadsAsUtf8(const std::string& systemName) {
  TUtf8Scan scan;
  const std::int64_t read = ScanFileStart(systemName, scan, false);
  if (read < 0) return false;
  // A sequence cut by the limit counts as whole.
  return read >= kEncodingScanLimit ? !scan.Failed() : scan.IsValidText();
}

bool EncodingChoiceOf(std::string_view word, EncodingChoice& choice) {
  for (const TChoiceWord& entry : kChoiceWords) {
    if (!SameTextIgnoreCase(word, entry.Word)) continue;
    choice = entry.Choice;
    return true;
  }
  return false;
}

std::string_view EncodingChoiceName(EncodingChoice choice) {
  for (const TChoiceWord& entry : kChoiceWords) {
    if (entry.Choice == choice) return entry.Word;
  }
  return kChoiceWords[0].Word;
}

TRunChoices& RunChoices() {
  static TRunChoices choices;
  return choices;
}

bool SelectEncodingBeforeInput(const std::string& inputSpec) {
  SelectTextModel(TextEncoding::kWindows1252);
  EncodingChoice choice = RunChoices().Encoding;
  if (choice == EncodingChoice::kAuto) choice = ScriptChoice();
  if (choice != EncodingChoice::kAuto) {
    SelectTextModel(EncodingOf(choice == EncodingChoice::kUtf8));
    return false;
  }
  if (Eng().InputType == FileType::Binary || !ScriptIsUtf8()) return false;
  const bool noFile = SameTextIgnoreCase(inputSpec, "NONE") || SameTextIgnoreCase(inputSpec, "CLIPBOARD");
  if (noFile) SelectTextModel(TextEncoding::kUtf8);
  return !noFile;
}

void SelectEncodingFromInput() { SelectTextModel(EncodingOf(FirstInputIsUtf8())); }

}  // namespace gleaner
