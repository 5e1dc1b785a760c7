// The run lifecycle. OpenEngine checks the engine's own tables, resets the
// run state, reads the file type words, finds the first input of a wildcard
// list, then opens the input and only then the output, so a run that cannot
// read its input leaves the last output and its backup as they were. The
// walk over a wildcard list never takes the output, its backup, the
// processing log or the error log as input, the first match included, and
// takes regular files only.
#include "engine/lifecycle.h"

#include <filesystem>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/lookup_files.h"
#include "engine/process_log.h"
#include "engine/reader.h"
#include "engine/run_encoding.h"
#include "engine/writer.h"
#include "foundation/search_path.h"
#include "foundation/text_model.h"
#include "foundation/win1252.h"
#include "platform/ports.h"

namespace gleaner {

namespace {

// Every kind of entry except folders.
constexpr std::uint32_t kInputWalkMask = kFaAnyFile & ~kFaDirectory;

struct TRunSpecs {
  std::string GivenInput;
  std::string GivenOutput;
  std::string Wildcard;
  TSearchStack Search;
};

TRunSpecs& Specs() {
  static TRunSpecs specs;
  return specs;
}

void ShowSelfTestError(const std::string& text) {
  Ports().Notice->ShowNotice(std::string(kEngineName) + " " + std::string(kEngineVersion), text);
}

void CheckErrorTable() {
  std::int32_t previous = -1;
  for (int i = 0; i < kErrorKindCount; ++i) {
    const TEngineErrorInfo& row = ErrorTable[i];
    if (row.Kind != i || row.Code <= previous) {
      ShowSelfTestError("Parse engine self-test error VEM-" + std::to_string(i) + "/" +
                        std::to_string(row.Code) + "/" + std::to_string(previous));
    }
    previous = row.Code;
  }
}

void CheckCommandOrder() {
  std::string_view previous;
  for (int i = 1; i <= kCommandCount - 2; ++i) {
    const std::string_view name = CommandName(static_cast<Cmd>(i));
    if (name < previous) {
      ShowSelfTestError("Parse engine self-test error VPCN-" + std::to_string(i) + " '" +
                        std::string(previous) + "'  '" + std::string(name) + "'");
    }
    previous = name;
  }
}

void RunSelfTests() {
  if (EngineInfo().CfgVersion.empty()) ShowSelfTestError("Parse engine self-test error VPV");
  Eng().InternalCall = false;
  CheckErrorTable();
  CheckCommandOrder();
}

void ResetRunState() {
  TEngineState& eng = Eng();
  eng.ErrorOccurred = false;
  eng.BytesOut = 0;
  eng.BytesOutCount = "0";
  eng.CancelRequested = true;
  eng.ErrorKind = kErrOpenEngine;
  eng.EngineOpen = false;
  eng.ScriptLineNumber = 0;
  SelectTextModel(TextEncoding::kWindows1252);  // until the run's own is chosen
}

void ResetCsvAndScript() {
  TEngineState& eng = Eng();
  TCsvState& csv = eng.Csv;
  csv.QuoteChar = "\"";
  csv.DefaultSeparator = ",";
  csv.MaxWidth.clear();
  csv.QuotedMaxWidth.clear();
  csv.MinWidth.clear();
  csv.QuotedMinWidth.clear();
  eng.CurrentCommand = Cmd::Undetermined;
  eng.ScriptPhase.clear();
  SetTestMode(eng.TestModeOn);
}

void ReadFileTypes() {
  TEngineState& eng = Eng();
  const TEngineInfo& info = EngineInfo();
  if (!InputTypeOf(info.CfgInputFileType, eng.InputType)) {
    RaiseEngineError(kErrFileProblem, "Unknown input file format", info.CfgInputFileType);
  }
  if (!InputTypeOf(info.CfgOutputFileType, eng.OutputType)) {
    RaiseEngineError(kErrFileProblem, "Unknown output file format", info.CfgOutputFileType);
  }
  if (eng.OutputType == FileType::Text && RunChoices().LfLineEnds) eng.OutputType = FileType::TextLF;
  // Fixed-length records of no bytes would be delivered for ever.
  if (eng.InputType == FileType::Binary && info.CfgRecLen <= 0) {
    RaiseEngineError(kErrFileProblem, "Binary input needs a record length of 1 or more",
                     "The record length is " + std::to_string(info.CfgRecLen));
  }
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  const std::string systemA = SystemName(a);
  const std::string systemB = SystemName(b);
  if (SameTextIgnoreCase(systemA, systemB)) return true;
  std::error_code ec;
  return std::filesystem::equivalent(systemA, systemB, ec);
}

// The output and its backup (the last run's output), the processing log and
// the error log are never input.
bool IsRunFile(const std::string& candidate, const std::string& outputName) {
  const bool output = outputName != "None" && !outputName.empty() &&
                      (SameFile(candidate, outputName) || SameFile(candidate, BackupName(outputName)));
  return output || SameFile(candidate, LogFileName()) ||
         SameFile(candidate, HomeName(EngineInfo().CfgErrorFileName));
}

// From the current match on, the first match that is not a run file; the
// last result code when there is none.
int SkipRunFiles(TSearchStack& search, int result, const std::string& outputName) {
  while (result == 0 && IsRunFile(FoundName(search), outputName)) result = FindNextMulti(search);
  return result;
}

// The first input file of a wildcard list.
std::string FirstWildcardInput(const std::string& spec, const std::string& outputName) {
  TRunSpecs& specs = Specs();
  specs.Wildcard = spec;
  int result = FindFirstMulti(spec, kInputWalkMask, specs.Search);
  result = SkipRunFiles(specs.Search, result, outputName);
  if (result != 0) {
    FindCloseMulti(specs.Search);
    RaiseEngineError(kErrFileProblem, "Cannot find any input files matching " + spec,
                     "Error code = " + std::to_string(result));
  }
  return FoundName(specs.Search);
}

}  // namespace

void OpenEngine(const std::string& inputSpec, const std::string& outputSpec) {
  RunSelfTests();
  ResetRunState();
  TRunSpecs& specs = Specs();
  specs.GivenInput = inputSpec;
  specs.GivenOutput = outputSpec;
  specs.Wildcard.clear();
  FindCloseMulti(specs.Search);
  ResetCsvAndScript();
  TEngineState& eng = Eng();
  eng.StepName = "Open Parsing Engine (Specifications)";
  ReadFileTypes();
  eng.StepName = "Open Parsing Engine";
  std::string input = inputSpec;
  if (input.find_first_of("?*;") != std::string::npos)
    input = FirstWildcardInput(inputSpec, OutputNameFor(outputSpec));
  const bool judgeInput = SelectEncodingBeforeInput(input);
  OpenInput(input);
  if (judgeInput) SelectEncodingFromInput();
  OpenOutput(outputSpec);
  eng.EndOfInput = eng.InputFileSize == 0 && !InputHasNoSize();
  eng.CancelRequested = false;
  eng.ErrorKind = kErrSuccess;
  eng.EngineOpen = true;
  eng.StepName = "After Open Engine";
}

void CloseEngine() {
  CloseInput();
  FindCloseMulti(Specs().Search);
  TEngineState& eng = Eng();
  const bool outputWasOpen = OutputIsOpen();
  std::exception_ptr failure;
  try {
    CloseOutput();
    if (outputWasOpen && eng.ClipboardOut) CopyOutputToClipboard();
  } catch (...) {
    failure = std::current_exception();
  }
  FreeLookupFiles();
  eng.EngineOpen = false;
  if (failure) std::rethrow_exception(failure);
}

bool ReadNextRecord() {
  Ports().EventPump->PumpEvents();
  if (Eng().CancelRequested) CancelProcessing();
  return ReadNextData();
}

bool NextInputFile() {
  TRunSpecs& specs = Specs();
  if (specs.Wildcard.empty()) return false;
  const int result = SkipRunFiles(specs.Search, FindNextMulti(specs.Search), Eng().ActualOFN);
  if (result != 0) {
    FindCloseMulti(specs.Search);
    return false;
  }
  OpenInput(FoundName(specs.Search));
  return true;
}

void CancelProcessing() { RaiseEngineError(kErrCancel, "Processing cancelled", "Output may be incomplete"); }

void BeginRun(bool startLog) {
  Eng().Csv.FirstField = true;
  Eng().Csv.Separator = ",";
  if (startLog) LogStart();
}

void EndRun() { LogEnd(); }

const std::string& GivenInputSpec() { return Specs().GivenInput; }
const std::string& GivenOutputSpec() { return Specs().GivenOutput; }
const std::string& WildcardSpec() { return Specs().Wildcard; }

}  // namespace gleaner
