// TRunController (run_controller.h): entry points, timers, script check and
// close rule. The other parts are in run_controller_*.cpp, named for them.
#include "interface/run_controller.h"
#include "interface/run_lock.h"

#include "engine/gleaner_engine.h"
#include "foundation/settings_store.h"
#include "interface/error_report.h"
#include "interface/form_state.h"
#include "script/gleaner_script.h"

namespace gleaner {

TRunController::TRunController(TMainForm& form, IMainView& view, TRunHandlers& handlers,
                               std::function<void()> fillProgramInfo)
    : form_(form), view_(view), handlers_(handlers), fillProgramInfo_(std::move(fillProgramInfo)) {
  // Compile errors found while preparing a script are engine errors.
  SetErrorReporter([](const std::string& message) { Report(message, true); });
}

// Every message about a run goes through the error report, which also
// writes the error log.
void TRunController::Tell(const std::string& message, bool isError) { Report(message, isError); }

bool TRunController::StaysOpen() const { return CloseMode() == 'N'; }

void TRunController::ResetState() {
  busy_ = false;
  configPending_ = false;
  configRunning_ = false;
  activationPending_ = false;
  closeAfterRun_ = false;
  scriptState_ = 'N';
}

void TRunController::Start() {
  form_.SetTimer(TTimer::AutoStart, true);
  view_.Refresh();
}

void TRunController::Cancel() { Eng().CancelRequested = true; }

void TRunController::Exit() {
  form_.SetTimer(TTimer::AutoStart, false);
  form_.SetTimer(TTimer::RunConfig, false);
  view_.CloseForm();
}

bool TRunController::CloseQuery() {
  if (!busy_ && !configRunning_) return true;
  Eng().CancelRequested = true;
  closeAfterRun_ = true;
  return false;
}

void TRunController::FormActivate() {
  if (busy_ || configRunning_) {
    activationPending_ = true;
    return;
  }
  ScriptCheck(false);
  view_.Refresh();
}

bool TRunController::OnKey(int functionKey) {
  if (busy_) return false;
  switch (functionKey) {
    case 1:
      if (ShowAbout) ShowAbout();
      return true;
    case 2:
      ViewFile(TFileBox::Input);
      return true;
    case 3:
      ViewFile(TFileBox::Output);
      return true;
    case 5:
      ScriptCheck(true);
      return true;
    case 6:
      ViewFile(TFileBox::Script);
      return true;
    case 7:
      ViewFile(TFileBox::Support);
      return true;
    case 9:
      return DefaultButton();
    default:
      return false;
  }
}

void TRunController::OnTimer(TTimer timer) {
  switch (timer) {
    case TTimer::AutoStart:
      AutoStartTimer();
      break;
    case TTimer::Progress:
      ProgressTimer();
      break;
    case TTimer::RunConfig:
      RunConfigTimer();
      break;
  }
  view_.Refresh();
}

bool TRunController::ScriptCheck(bool force) {
  const TScriptCheckResult result = scriptCheck_.Check(form_[kCboScriptFile].Text, force);
  if (result.NotFound) Tell("The script " + result.Name + " cannot be found", false);
  scriptName_ = result.Name;
  scriptState_ = result.State;
  if (scriptState_ == 'N') return false;
  fillProgramInfo_();
  if (scriptState_ == 'C') {
    configPending_ = true;
    form_.SetTimer(TTimer::RunConfig, true);
    return true;
  }
  RememberBoxes();
  return false;
}

// The parameter boxes are set up from what was just saved, in one batch, so
// they keep what the form holds even when the settings file cannot be written.
void TRunController::RememberBoxes() {
  TSettingsBatch batch;
  SaveFormSettings(form_);
  SetupParameterBoxes(form_);
}

void TRunController::RunConfigTimer() {
  if (busy_ || configRunning_) return;  // held until the run in progress has ended
  form_.SetTimer(TTimer::RunConfig, false);
  configRunning_ = true;
  const bool ok = RunConfigSection() && CheckConfigValues();
  configRunning_ = false;
  if (ok) {
    StoreCanonicalDefaultOFN();
    RememberBoxes();
  } else {
    form_.SetTimer(TTimer::AutoStart, false);  // a pending automatic start is dropped
  }
  configPending_ = false;
  AfterRun();
}

void TRunController::AutoStartTimer() {
  if (configPending_) return;  // the start waits for the Config run
  form_.SetTimer(TTimer::AutoStart, false);
  if (busy_) return;
  Eng().ErrorKind = kErrSuccess;  // a failed check leaves the category at Success
  {
    // The logs are this run's from their deletion to the last report.
    THomeLock lock;
    busy_ = true;  // the wait lets the form's events run: no second start meanwhile
    const bool held = HoldRunLock(lock, form_, view_);
    busy_ = false;
    if (!held) return AfterRun();  // a close asked for during the wait is done now
    DeleteOldLogs();
    ApplyBoxRules();
    std::string input;
    std::string output;
    if (CheckInput(input) && CheckOutput(input, output) && PrepareScript(form_[kCboScriptFile].Text)) {
      SaveFormSettings(form_);
      busy_ = true;
      ProcessingRun(input, output);
      busy_ = false;
    }
  }
  if (!ApplyCloseRule()) AfterRun();
}

bool TRunController::ApplyCloseRule() {
  const char mode = CloseMode();
  const bool close = mode == 'A' || (mode == 'S' && Eng().ErrorKind == kErrSuccess);
  if (close) {
    closeAfterRun_ = false;
    view_.CloseForm();
  }
  return close;
}

void TRunController::AfterRun() {
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    activationPending_ = false;
    view_.CloseForm();
    return;
  }
  if (!activationPending_) return;
  activationPending_ = false;
  ScriptCheck(false);
}

}  // namespace gleaner
