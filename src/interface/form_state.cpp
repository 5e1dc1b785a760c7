// The main form's start-up sequence and its saved state.
#include "interface/form_state.h"

#include <chrono>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"
#include "interface/error_report.h"
#include "interface/page_buffer.h"
#include "interface/run_choices.h"
#include "interface/run_controller.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

constexpr std::string_view kBrowseOutputState = "chkBrowseOutput.State";
constexpr std::string_view kAppendOutputState = "chkAppendOutput.State";

void LoadBox(TMainForm& form, const std::string& name, std::string_view defaultText) {
  TFormBox box(form, name);
  LoadComboBox(box, defaultText, kHistoryCount);
}

void SaveBox(TMainForm& form, const std::string& name) {
  TFormBox box(form, name);
  SaveComboBox(box);
}

const std::string& ParameterCaption(char letter) {
  const TEngineInfo& info = EngineInfo();
  return letter == 'X' ? info.CfgCaptionX : letter == 'Y' ? info.CfgCaptionY : info.CfgCaptionZ;
}

const std::string& ParameterHint(char letter) {
  const TEngineInfo& info = EngineInfo();
  return letter == 'X' ? info.CfgHintX : letter == 'Y' ? info.CfgHintY : info.CfgHintZ;
}

void SetupOutputBox(TMainForm& form) {
  TControl& box = form[kCboOutputFile];
  const bool automatic = OutputNameIsAutomatic();
  form[kLblOutputFile].Enabled = !automatic;
  box.Enabled = !automatic;
  box.ButtonFace = automatic;
  if (automatic) {
    box.Text = std::string(kAutoName);
    form[kChkAppendOutput].Enabled = false;
    return;
  }
  form[kChkAppendOutput].Checked = ReadBool(kAppendOutputState, false);
  LoadBox(form, kCboOutputFile, EngineInfo().CfgDefaultOFN);
}

// The support box offers the application's support files and the two logs.
// The support list is split at its own first character only: the full log
// names hold folder separators, which may be that character.
void OfferSupportFiles(TMainForm& form) {
  const TEngineInfo& info = EngineInfo();
  std::vector<std::string> entries;
  const std::string& list = info.CfgSupportFiles;
  for (std::size_t start = 1; start <= list.size();) {
    std::size_t end = list.find(list[0], start);
    if (end == std::string::npos) end = list.size();
    entries.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  TFormBox box(form, kCboSupportFile);
  entries.push_back(HomeName(info.CfgErrorFileName));
  entries.push_back(HomeName(info.CfgLogFileName));
  entries.push_back(box.Text());
  for (const std::string& entry : entries) {
    if (entry.empty()) continue;
    box.SetText(entry);
    UpdateComboHistory(box, entry, true);
  }
}

void WriteFirstRun() {
  if (!ReadTextIn("Information", "FirstRun", "").empty()) return;
  WriteTextIn("Information", "FirstRun", DateStamp(std::chrono::system_clock::now()));
}

void SetDefaultLogNames() {
  TEngineInfo& info = EngineInfo();
  if (info.CfgLogFileName.empty()) info.CfgLogFileName = LogFileName();
  if (info.CfgErrorFileName.empty()) info.CfgErrorFileName = info.CfgProgramName + "-Error.txt";
}

void LoadBanner(TMainForm& form) {
  const std::string logo = ShippedFile("Logo-" + EngineInfo().CfgProgramName + ".bmp");
  if (FileExists(logo)) form[kImgBanner].Text = logo;  // the picture file the front end shows
}

}  // namespace

namespace {

// In the order of kParameterLetters.
constexpr const char* kParameterBoxes[] = {kCboParameterX, kCboParameterY, kCboParameterZ};
constexpr const char* kParameterLabels[] = {kLblParameterX, kLblParameterY, kLblParameterZ};

std::size_t ParameterIndex(char letter) {
  const std::string_view letters(kParameterLetters, std::size(kParameterLetters));
  const std::size_t index = letters.find(letter);
  if (index == std::string_view::npos) throw std::out_of_range(std::string("no parameter box ") + letter);
  return index;
}

}  // namespace

std::string ParameterBoxName(char letter) { return kParameterBoxes[ParameterIndex(letter)]; }
std::string ParameterLabelName(char letter) { return kParameterLabels[ParameterIndex(letter)]; }

bool ParameterEnabled(char letter) {
  const TEngineInfo& info = EngineInfo();
  return letter == 'X'   ? info.CfgEnableOptionX
         : letter == 'Y' ? info.CfgEnableOptionY
                         : info.CfgEnableOptionZ;
}

bool OutputNameIsAutomatic() {
  const std::string& name = EngineInfo().CfgDefaultOFN;
  return name.empty() || name.find_first_of("?*;") != std::string::npos;
}

void StoreCanonicalDefaultOFN() {
  std::string& name = EngineInfo().CfgDefaultOFN;
  for (std::string_view keyword : {kNone, kClipboard}) {
    if (SameTextIgnoreCase(name, keyword)) name = std::string(keyword);
  }
}

void SetupParameterBox(TMainForm& form, char letter) {
  TControl& label = form[ParameterLabelName(letter)];
  TControl& box = form[ParameterBoxName(letter)];
  const std::string& caption = ParameterCaption(letter);
  label.Caption = caption.empty() ? std::string("Option &") + letter : caption;
  const bool enabled = ParameterEnabled(letter);
  label.Enabled = enabled;
  box.Enabled = enabled;
  box.ButtonFace = !enabled;
  if (!enabled) {
    box.Text = std::string(kNotUsedMarker);
    return;
  }
  LoadBox(form, ParameterBoxName(letter), "");
  if (box.Text == kNotUsedMarker) box.Text.clear();
  const std::string hint(TrimBlanks(ParameterHint(letter)));
  if (!hint.empty()) box.Hint = hint;
}

void SetupParameterBoxes(TMainForm& form) {
  for (char letter : kParameterLetters) SetupParameterBox(form, letter);
}

void ApplySettingsToForm(TMainForm& form, bool includeScript) {
  TEngineInfo& info = EngineInfo();
  LoadBox(form, kCboInputFile, info.CfgDefaultIFN);
  form[kChkBrowseOutput].Checked = ReadBool(kBrowseOutputState, true);
  SetupOutputBox(form);
  LoadRunChoices(form);
  if (includeScript) {
    if (info.CfgDefaultScript.empty()) info.CfgDefaultScript = std::string(kNone);
    LoadBox(form, kCboScriptFile, info.CfgDefaultScript);
  }
  LoadBox(form, kCboSupportFile, "");
  OfferSupportFiles(form);
  SetupParameterBoxes(form);
}

void SaveFormSettings(TMainForm& form) {
  TSettingsBatch batch;
  SaveBox(form, kCboInputFile);
  if (form[kCboOutputFile].Text != kAutoName) {
    SaveBox(form, kCboOutputFile);
    WriteBool(kAppendOutputState, form[kChkAppendOutput].Checked);
  }
  SaveBox(form, kCboScriptFile);
  SaveBox(form, kCboSupportFile);
  WriteBool(kBrowseOutputState, form[kChkBrowseOutput].Checked);
  SaveRunChoices(form);
  for (char letter : kParameterLetters) {
    if (ParameterEnabled(letter)) SaveBox(form, ParameterBoxName(letter));
  }
}

void StartUpMainForm(TRunController& controller, const std::function<void()>& processCommandLine) {
  TSettingsBatch batch;
  TMainForm& form = controller.Form();
  controller.ResetState();
  controller.FillProgramInfo();
  StoreCanonicalDefaultOFN();
  const std::string& programName = EngineInfo().CfgProgramName;
  SetIniFileName(HomeFolder() + programName + ".ini");
  SetApplicationTitle(programName);
  SetNoticeCaption(programName);
  WriteFirstRun();
  if (IPlaceableWindow* window = controller.View().MainWindow()) RestoreWindow(*window);
  LoadSearchPath();
  SetDefaultLogNames();
  controller.ForgetScriptCheck();
  form.Caption = programName + " - Parsing Parameters";
  ApplySettingsToForm(form, true);
  LoadBanner(form);
  if (processCommandLine) processCommandLine();
  controller.UpdateButtonStates();
}

void MainFormClosed(TRunController& controller) {
  TSettingsBatch batch;
  if (IPlaceableWindow* window = controller.View().MainWindow()) SaveWindow(*window);
  SaveFormSettings(controller.Form());
  SaveSearchPath();
  ReleasePageBuffer();
}

}  // namespace gleaner
