// The error-report routine: the error log layout (heading blocks, fixed and
// optional rows, the step text, the version rows), writing it anew for every
// report, and the display rules by close mode and kind of message.
#include "interface/error_report.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/text_utils.h"

namespace gleaner {
namespace {

constexpr std::int32_t kLogLabelWidth = 26;
constexpr std::size_t kRuleWidth = 80;
constexpr std::string_view kNullText = "[Null]";

struct TReportState {
  char CloseMode = 'N';
  std::string Title = "Gleaner Application";
  IMainView* View = nullptr;
  TReportLevel Worst = TReportLevel::None;
  std::string StepText;
};

TReportState& State() {
  static TReportState state;
  return state;
}

// The error log's lines, each ended with CR LF.
class TLogText {
 public:
  void Line(std::string_view text) { text_.append(text).append(kCrLf); }
  void Heading(std::string_view text) {
    if (!firstHeading_) Line("");
    firstHeading_ = false;
    const std::string rule(kRuleWidth, '-');
    Line(rule);
    Line(text);
    Line(rule);
    Line("");
  }
  // Always present; an empty value shows as "[Null]".
  void FixedRow(std::string_view label, std::string_view value) {
    Line(FormatLabelLine(label, value, kNullText));
  }
  // Left out when the value is empty.
  void OptionalRow(std::string_view label, std::string_view value) {
    if (!value.empty()) Line(FormatLabelLine(label, value, ""));
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  bool firstHeading_ = true;
};

// What the report says about where the failure happened.
std::string FormStepText() {
  const TEngineState& eng = Eng();
  if (eng.ScriptPhase.empty()) return eng.StepName;
  if (eng.ScriptLineNumber == 0) return "Script " + eng.ScriptPhase;
  return "Script line " + std::to_string(eng.ScriptLineNumber);
}

const TEngineErrorInfo& CurrentError() {
  const std::uint8_t kind = Eng().ErrorKind;
  return ErrorTable[kind < kErrorKindCount ? kind : std::uint8_t{kErrInternal}];
}

// The system's short date and time.
std::string NowText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[128];
  const std::size_t length = std::strftime(text, sizeof text, "%x %X", &local);
  return std::string(text, length);
}

void WriteFileRows(TLogText& log) {
  const TEngineState& eng = Eng();
  log.Heading("File Information");
  log.FixedRow("Input File Name", eng.ActualIFN);
  if (!eng.RecordCount.empty() && eng.RecordCount != "0") log.FixedRow("Records Read", eng.RecordCount);
  log.FixedRow("Output File Name", eng.ActualOFN);
}

void WriteDiagnosticRows(TLogText& log) {
  const TEngineErrorInfo& error = CurrentError();
  log.Heading("Diagnostic Description");
  log.OptionalRow("Error category", error.Category);
  log.OptionalRow("Description", error.Description);
  log.OptionalRow("Error code", std::to_string(error.Code));
  log.OptionalRow("Processing step", FormStepText());
  log.OptionalRow("Test mode", Eng().TestModeOn ? "On" : "Off");
}

void WriteProgramRows(TLogText& log) {
  const TEngineInfo& info = EngineInfo();
  log.Heading("Program Information");
  log.OptionalRow("Project", info.CfgProgramName);
  log.OptionalRow("Program Version", info.CfgVersion);
  log.OptionalRow("Gleaner Engine", kEngineVersion);
  log.OptionalRow("Engine Extensions", kEngineExtensionVersion);
  log.OptionalRow("Scripting Engine", kScriptingEngineVersion);
  log.OptionalRow("User Interface",
                  std::string(kInterfaceVersion) + " (" + std::string(kInterfaceCode) + ")");
}

std::string ErrorLogName() {
  const TEngineInfo& info = EngineInfo();
  const std::string& name = info.CfgErrorFileName;
  return HomeName(name.empty() ? info.CfgProgramName + "-Error.txt" : name);
}

// Replaces the file with text; empty on success, otherwise the reason.
std::string WriteWholeFile(const std::string& name, const std::string& text) {
  std::FILE* file = std::fopen(name.c_str(), "wb");
  if (file == nullptr) return std::strerror(errno);
  int failure = 0;
  if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) failure = errno != 0 ? errno : EIO;
  if (std::fclose(file) != 0 && failure == 0) failure = errno != 0 ? errno : EIO;
  return failure == 0 ? std::string() : std::strerror(failure);
}

TReportLevel LevelOf(bool isError) {
  return isError && Eng().ErrorKind != kErrCancel ? TReportLevel::EngineError : TReportLevel::Message;
}

void Display(const std::string& message, bool isError, bool logWritten) {
  TReportState& state = State();
  if (state.View == nullptr) return;
  // Under 'A' no pop-up may wait for a person; the batch caller relies on the
  // error log, and on standard error where printing a report waits for no one.
  // When the log is missing the message is the only trace left, so it is shown after all.
  if (state.CloseMode == 'A' && logWritten && !state.View->ShowsReportsWithoutWaiting()) return;
  const bool cancelled = Eng().ErrorKind == kErrCancel;
  if (!isError || cancelled) {
    if (!isError || !message.empty()) state.View->ShowPlainMessage(state.Title, message + "  ");
    return;
  }
  const TEngineErrorInfo& error = CurrentError();
  const TReportFormData data{std::string(error.Category), std::string(error.Description),
                             std::to_string(error.Code), state.StepText, message};
  state.View->ShowReportForm(EngineInfo().CfgProgramName + " - Error Report", data);
}

}  // namespace

char CloseMode() { return State().CloseMode; }
void SetCloseMode(char mode) { State().CloseMode = mode; }

const std::string& ApplicationTitle() { return State().Title; }
void SetApplicationTitle(const std::string& title) { State().Title = title; }

void SetReportView(IMainView* view) { State().View = view; }
IMainView* ReportView() { return State().View; }

TReportLevel WorstReport() { return State().Worst; }

void ResetReportState() {
  TReportState& state = State();
  state.CloseMode = 'N';
  state.Worst = TReportLevel::None;
  state.StepText.clear();
}

const std::string& LastStepText() { return State().StepText; }

std::string ErrorLogText(const std::string& message, const std::string& dateTime) {
  SetLabelLayout(kLogLabelWidth, '.', 0);
  TLogText log;
  if (!message.empty()) {
    log.Heading("Error Details (" + dateTime + ")");
    log.Line(message);
  }
  WriteFileRows(log);
  if (Eng().ErrorKind != kErrSuccess) WriteDiagnosticRows(log);
  WriteProgramRows(log);
  log.Line("");
  return log.Text();
}

void Report(const std::string& message, bool isError) {
  TReportState& state = State();
  if (Eng().ErrorKind != kErrSuccess) state.StepText = FormStepText();
  const TReportLevel level = LevelOf(isError);
  if (level > state.Worst) state.Worst = level;
  const std::string logName = ErrorLogName();
  const std::string failure = WriteWholeFile(logName, ErrorLogText(message, NowText()));
  if (failure.empty()) {
    Display(message, isError, true);
    return;
  }
  const std::string note = "The error log " + logName + " could not be written: " + failure;
  Display(message.empty() ? note : message + "\r\n\r\n" + note, isError, false);
}

void MarkInternalError() {
  Eng().ErrorKind = kErrInternal;
  Eng().ErrorOccurred = true;
}

void ReportUnexpectedFailure(const std::string& text) {
  MarkInternalError();
  try {
    Report(text, true);
  } catch (...) {
    std::cerr << text << '\n';  // the report itself failed: standard error is what is left
  }
}

}  // namespace gleaner
