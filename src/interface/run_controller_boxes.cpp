// TRunController's box handlers: what it does when the user leaves or edits a
// box, and the click on the output label that borrows the input's folder.
#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "interface/box_names.h"
#include "interface/form_state.h"
#include "interface/run_controller.h"

namespace gleaner {
namespace {

// Keywords and log names get their exact spelling; the automatic name and
// the not-used marker are never typed, so they empty the box.
std::string CleanFileBoxText(std::string_view text) {
  std::string name = StripBoxText(text);
  const TEngineInfo& info = EngineInfo();
  for (std::string_view keyword :
       {kClipboard, kNone, std::string_view(info.CfgErrorFileName), std::string_view(info.CfgLogFileName)}) {
    if (!keyword.empty() && SameTextIgnoreCase(name, keyword)) name = std::string(keyword);
  }
  if (name == kAutoName || name == kNotUsedMarker) name.clear();
  return name;
}

// Through links and in any letter case, as the output check compares names.
bool NamesLogFile(const std::string& name) {
  if (name.empty()) return false;
  const TEngineInfo& info = EngineInfo();
  for (const std::string& log : {info.CfgLogFileName, info.CfgErrorFileName}) {
    if (!log.empty() && SameFileName(name, HomeName(log))) return true;
  }
  return false;
}

void CleanInputName(std::string& name) {
  if (EndsWithSeparator(name)) name += kDefaultInputFile;
}

void CleanOutputName(std::string& name) {
  if (NamesLogFile(name)) {
    name = std::string(kDefaultOutputFile);
  } else if (EndsWithSeparator(name)) {
    const std::string& defaultName = EngineInfo().CfgDefaultOFN;
    const bool keyword = IsClipboardName(defaultName) || SameTextIgnoreCase(defaultName, kNone);
    name += keyword ? std::string(kDefaultOutputFile) : defaultName;
  }
}

// "None" is a keyword, not a file name wanting an extension.
void CleanScriptName(std::string& name) {
  if (EndsWithSeparator(name)) {
    name.clear();
  } else if (!name.empty() && name != kNone && FileNamePart(name).find('.') == std::string::npos) {
    name += ".txt";
  }
}

bool IsFileBox(std::string_view name) {
  for (const char* box : kFileBoxes) {
    if (name == box) return true;
  }
  return false;
}

// The rules a file box's text follows when the box is left.
void CleanFileBox(std::string_view boxName, std::string& text) {
  text = CleanFileBoxText(text);
  if (boxName == kCboInputFile) CleanInputName(text);
  if (boxName == kCboOutputFile) CleanOutputName(text);
  if (boxName == kCboScriptFile) CleanScriptName(text);
  if (boxName == kCboSupportFile && EndsWithSeparator(text)) text.clear();
}

}  // namespace

// A batch run never leaves a box, so every box in use gets its rules here.
void TRunController::ApplyBoxRules() {
  TakeAppendMark();
  for (const char* name : kFileBoxes) {
    TControl& control = form_[name];
    if (control.Enabled && control.Text != kAutoName) CleanFileBox(name, control.Text);
  }
}

bool TRunController::TakeAppendMark() {
  std::string& text = form_[kCboOutputFile].Text;
  if (text.empty() || text.front() != '+') return false;
  text.erase(0, 1);
  form_[kChkAppendOutput].Checked = true;
  return true;
}

void TRunController::BoxExit(std::string_view boxName) {
  TControl& control = form_[boxName];
  const bool fileBox = IsFileBox(boxName);
  if (fileBox) CleanFileBox(boxName, control.Text);
  TFormBox box(form_, std::string(boxName));
  UpdateComboHistory(box, control.Text, fileBox);
  if (boxName == kCboScriptFile) ScriptCheck(false);
  UpdateButtonStates();
  view_.Refresh();
}

void TRunController::OutputChanged() {
  if (!TakeAppendMark()) return;
  UpdateButtonStates();
  view_.Refresh();
}

void TRunController::ScriptBoxEnter() { form_.SetTimer(TTimer::AutoStart, false); }

void TRunController::ScriptBoxClick() {
  ScriptCheck(false);
  view_.Refresh();
}

void TRunController::OutputLabelClick() {
  std::string input = form_[kCboInputFile].Text;
  TControl& output = form_[kCboOutputFile];
  if (!IsRealFileName(input) || !IsRealFileName(output.Text) || !LocateFile(input, false, false)) return;
  const std::string folder = FolderPart(input);
  const std::string fileName = FileNamePart(output.Text);
  output.Text = folder + fileName;
  output.SelStart = folder.size();
  output.SelLength = fileName.size();
  view_.Refresh();
}

}  // namespace gleaner
