// The run controller's display: the busy display during a run, the progress
// timer that updates it and ends it, and the button states.
#include "engine/engine_state.h"
#include "interface/box_names.h"
#include "interface/form_state.h"
#include "interface/run_controller.h"

namespace gleaner {
namespace {

constexpr const char* kIdleOnly[] = {
    "btnStart",        "btnExit",         "btnHelp",          "btnOptions",    "btnBrowseInput",
    "btnBrowseOutput", "btnBrowseScript", "btnBrowseSupport", "cboInputFile",  "lblInputFile",
    "cboScriptFile",   "lblScriptFile",   "cboSupportFile",   "lblSupportFile"};
constexpr const char* kHiddenWhileBusy[] = {"btnNavInput", "btnNavOutput", "btnNavScript", "btnNavSupport",
                                            "imgBanner"};
constexpr const char* kShownWhileBusy[] = {"btnCancel",        "barProgress", "lblBytesInLabel", "lblBytesIn",
                                           "lblBytesOutLabel", "lblBytesOut", "lblShowNote"};

// The View buttons beside the file boxes.
constexpr std::pair<const char*, const char*> kViewButtons[] = {{"cboInputFile", "btnBrowseInput"},
                                                                {"cboOutputFile", "btnBrowseOutput"},
                                                                {"cboScriptFile", "btnBrowseScript"},
                                                                {"cboSupportFile", "btnBrowseSupport"}};

}  // namespace

void TRunController::SetBusyDisplay(bool on) {
  const bool idle = !on;
  for (const char* name : kIdleOnly) form_[name].Enabled = idle;
  const std::string& output = form_["cboOutputFile"].Text;
  if (output != kAutoName) {
    form_["cboOutputFile"].Enabled = idle;
    form_["lblOutputFile"].Enabled = idle;
    if (!IsClipboardName(output)) form_["chkAppendOutput"].Enabled = idle;
  }
  for (const char* name : kHiddenWhileBusy) form_[name].Visible = idle;
  for (const char* name : kShownWhileBusy) form_[name].Visible = on;
  form_["btnCancel"].Enabled = on;
  if (on) {
    form_["lblBytesIn"].Caption = "0";
    form_["lblBytesOut"].Caption = "0";
    form_["lblShowNote"].Caption.clear();
  }
  for (char letter : kParameterLetters) {
    const bool enabled = idle && ParameterEnabled(letter);
    form_[ParameterLabelName(letter)].Enabled = enabled;
    form_[ParameterBoxName(letter)].Enabled = enabled;
  }
  form_.SetTimer(TTimer::Progress, on);
  view_.Refresh();
}

void TRunController::ProgressTimer() {
  const TEngineState& eng = Eng();
  if (eng.EngineOpen) {
    form_["lblBytesIn"].Caption = std::to_string(eng.BytesConsumed);
    form_["lblBytesOut"].Caption = std::to_string(eng.BytesOut);
    form_["barProgress"].Position = eng.BytesConsumed;
    std::string& note = form_["lblShowNote"].Caption;
    if (note != eng.Note) note = eng.Note;
    return;
  }
  // The run has ended: the display stays a moment so the last counts can be read.
  if (++progressTicks_ < 2) return;
  SetBusyDisplay(false);
  UpdateButtonStates();
}

void TRunController::UpdateButtonStates() {
  form_["btnStart"].Enabled = !form_["cboInputFile"].Text.empty() && !form_["cboOutputFile"].Text.empty();
  for (const auto& [box, button] : kViewButtons) form_[button].Enabled = form_[box].Text != kNone;
  form_["btnNavScript"].Enabled = form_["cboScriptFile"].Text != kNotUsedMarker;
  const std::string& output = form_["cboOutputFile"].Text;
  TControl& append = form_["chkAppendOutput"];
  const bool fixedOutput = IsClipboardName(output) || output == kAutoName;
  if (fixedOutput) append.Checked = false;
  append.Enabled = !fixedOutput;
}

}  // namespace gleaner
