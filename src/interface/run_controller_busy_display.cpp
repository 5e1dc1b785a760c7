// TRunController's display: the busy display during a run, the progress
// timer that updates it and ends it, and the button states.
#include "engine/gleaner_engine.h"
#include "interface/box_names.h"
#include "interface/form_state.h"
#include "interface/run_controller.h"

namespace gleaner {
namespace {

constexpr const char* kIdleOnly[] = {
    kBtnStart,        kBtnExit,         kBtnHelp,          kBtnOptions,    kBtnBrowseInput,
    kBtnBrowseOutput, kBtnBrowseScript, kBtnBrowseSupport, kCboInputFile,  kLblInputFile,
    kCboScriptFile,   kLblScriptFile,   kCboSupportFile,   kLblSupportFile};
constexpr const char* kHiddenWhileBusy[] = {kBtnNavInput, kBtnNavOutput, kBtnNavScript, kBtnNavSupport,
                                            kImgBanner};
constexpr const char* kShownWhileBusy[] = {kBtnCancel,        kBarProgress, kLblBytesInLabel, kLblBytesIn,
                                           kLblBytesOutLabel, kLblBytesOut, kLblShowNote};

// The View buttons beside the file boxes.
constexpr std::pair<const char*, const char*> kViewButtons[] = {{kCboInputFile, kBtnBrowseInput},
                                                                {kCboOutputFile, kBtnBrowseOutput},
                                                                {kCboScriptFile, kBtnBrowseScript},
                                                                {kCboSupportFile, kBtnBrowseSupport}};

}  // namespace

void TRunController::SetBusyDisplay(bool on) {
  busyDisplay_ = on;
  const bool idle = !on;
  for (const char* name : kIdleOnly) form_[name].Enabled = idle;
  const std::string& output = form_[kCboOutputFile].Text;
  if (output != kAutoName) {
    form_[kCboOutputFile].Enabled = idle;
    form_[kLblOutputFile].Enabled = idle;
    if (!IsClipboardName(output)) form_[kChkAppendOutput].Enabled = idle;
  }
  for (const char* name : kHiddenWhileBusy) form_[name].Visible = idle;
  for (const char* name : kShownWhileBusy) form_[name].Visible = on;
  form_[kBtnCancel].Enabled = on;
  if (on) {
    form_[kLblBytesIn].Caption = "0";
    form_[kLblBytesOut].Caption = "0";
    form_[kLblShowNote].Caption.clear();
  }
  for (char letter : kParameterLetters) {
    const bool enabled = idle && ParameterEnabled(letter);
    form_[ParameterLabelName(letter)].Enabled = enabled;
    form_[ParameterBoxName(letter)].Enabled = enabled;
  }
  form_.SetTimer(TTimer::Progress, on);
  view_.Refresh();
  // However the run was started, the one control that acts during it has
  // the focus, so no key reaches a control that should be idle.
  if (on) view_.FocusBox(kBtnCancel);
}

void TRunController::ProgressTimer() {
  const TEngineState& eng = Eng();
  if (eng.EngineOpen) {
    form_[kLblBytesIn].Caption = std::to_string(eng.BytesConsumed);
    form_[kLblBytesOut].Caption = std::to_string(eng.BytesOut);
    form_[kBarProgress].Position = eng.BytesConsumed;
    std::string& note = form_[kLblShowNote].Caption;
    if (note != eng.Note) note = eng.Note;
    return;
  }
  // The run has ended: the display stays a moment so the last counts can be read.
  if (++progressTicks_ < 2) return;
  SetBusyDisplay(false);
  UpdateButtonStates();
}

void TRunController::UpdateButtonStates() {
  if (busyDisplay_) return;
  form_[kBtnStart].Enabled = !form_[kCboInputFile].Text.empty() && !form_[kCboOutputFile].Text.empty();
  for (const auto& [box, button] : kViewButtons) form_[button].Enabled = form_[box].Text != kNone;
  form_[kBtnNavScript].Enabled = form_[kCboScriptFile].Text != kNotUsedMarker;
  const std::string& output = form_[kCboOutputFile].Text;
  TControl& append = form_[kChkAppendOutput];
  const bool fixedOutput = IsClipboardName(output) || output == kAutoName;
  if (fixedOutput) append.Checked = false;
  append.Enabled = !fixedOutput;
}

}  // namespace gleaner
