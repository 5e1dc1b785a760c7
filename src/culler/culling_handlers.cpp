// The culling handlers. Main runs once per record on files of any size, so
// it works in place on the engine's record; plain lists that ignore case
// search it case-blind as it is, and a record is upper-cased at most once,
// into a buffer kept from record to record, only for a pattern list that
// ignores case.
#include "culler/culling_handlers.h"

#include <algorithm>

#include "culler/program_info.h"
#include "engine/gleaner_engine.h"
#include "foundation/text_utils.h"
#include "foundation/text_model.h"
#include "script/gleaner_script.h"

namespace gleaner {
namespace {

constexpr std::string_view kNullValue = "[Null]";
constexpr std::string_view kNotSpecified = "Not specified";

void LogBlank() {
  if (LogIsOpen()) LogMsg("");
}

void LogLabel(std::string_view label, std::string_view value, std::string_view nullText = kNullValue) {
  LogMsg(FormatLabelLine(label, value, nullText));
}

void LogHeading(std::string_view heading) {
  LogBlank();
  LogMsg(heading);
  LogBlank();
}

// "+" (append) and the output's shown name: "+(standard output)" for "+-".
std::string ShownOutputSpec(std::string_view spec) {
  const bool append = !spec.empty() && spec.front() == '+';
  return (append ? "+" : "") + StreamShownName(spec.substr(append ? 1 : 0), true);
}

void LogFilesAndParameters() {
  LogMsg("Files");
  LogBlank();
  LogLabel("Input", StreamShownName(GivenInputSpec(), false));
  LogLabel("Output", ShownOutputSpec(GivenOutputSpec()));
  LogLabel("Script", ScriptActive() ? CompiledScript().FileName : "None");
  LogHeading("Parameters");
  LogLabel("Keep", Eng().OptionX, kNotSpecified);
  LogLabel("Delete", Eng().OptionY, kNotSpecified);
  LogLabel("Controls", Eng().OptionZ, kNotSpecified);
  LogBlank();
  LogMsg("Processing");
}

}  // namespace

void TCullingHandlers::TaskInit() {
  keep_.Release();
  delete_.Release();
  SetLabelLayout(20, '.', 2);
  LogFilesAndParameters();
  const TEngineState& eng = Eng();
  controls_ = ReadControls(eng.OptionZ);
  keep_.Build(eng.OptionX, "Keep", controls_.KeepRegExp, controls_.KeepMatchCase);
  delete_.Build(eng.OptionY, "Delete", controls_.DeleteRegExp, controls_.DeleteMatchCase);
  tally_ = TCullTally();
  blockCopy_ = blockCopyAllowed_ && !ScriptActive() && !keep_.Present() && !delete_.Present();
}

void TCullingHandlers::FileInit() {
  LogBlank();
  LogLabel("Input file", Eng().ActualIFN);
  fileHeaderPending_ = true;
  tally_.LastOutputWasNull = false;
}

void TCullingHandlers::Main() {
  std::string& record = Eng().Record;
  record.resize(TrimmedLength(record));
  upperReady_ = false;
  if (record.empty()) {
    NullLine();
  } else {
    ++tally_.TextLinesIn;
    if (Listed(keep_, true) && !Listed(delete_, false)) KeepTextLine();
  }
  if (blockCopy_ && !fileHeaderPending_) plainCopy_.CopyAhead(tally_, controls_.NullMode);
}

void TCullingHandlers::TaskDone() {
  LogHeading("Results");
  LogLabel("Null Lines In", std::to_string(tally_.NullLinesIn));
  LogLabel("Null Lines Out", std::to_string(tally_.NullLinesOut));
  LogLabel("Text Lines In", std::to_string(tally_.TextLinesIn));
  LogLabel("Text Lines Out", std::to_string(tally_.TextLinesOut));
  keep_.Release();
  delete_.Release();
}

bool TCullingHandlers::Listed(const TCullList& list, bool absentResult) {
  if (!list.Present()) return absentResult;
  return list.Matches(list.NeedsUpperLine() ? UpperRecord() : Eng().Record);
}

const std::string& TCullingHandlers::UpperRecord() {
  if (upperReady_) return upperRecord_;
  TextFoldInto(Eng().Record, upperRecord_);
  upperReady_ = true;
  return upperRecord_;
}

// The flags change before the line is handed over: a script's Main step may
// end the record (NextRecord) before control comes back here.
void TCullingHandlers::KeepTextLine() {
  WriteFileHeader();
  tally_.TextLineKept();
  RunMainWithText(Eng().Record);
}

void TCullingHandlers::NullLine() {
  if (tally_.NullLinePasses(controls_.NullMode)) RunMainWithoutText();
}

// Written before a file's first kept text line; the header lines are not counted.
void TCullingHandlers::WriteFileHeader() {
  if (!fileHeaderPending_) return;
  fileHeaderPending_ = false;
  const char mode = controls_.FileNameMode;
  if (mode != 'S' && mode != 'Y') return;
  static const std::string separator(80, '-');
  const std::string fileLine = "File: " + Eng().ActualIFN;
  if (mode == 'S') RunMainWithText(separator);
  RunMainWithText(fileLine);
  if (mode == 'S') RunMainWithText(separator);
}

}  // namespace gleaner
