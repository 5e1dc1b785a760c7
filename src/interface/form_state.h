// The main form's saved state: the start-up sequence run when the form is
// first shown, filling the form from the settings store (box histories of 8,
// check boxes, the automatic output name, the parameter boxes), saving it
// back, and the close-time save. TFormBox lets the settings store's history
// operations work on a box of TMainForm.
#pragma once

#include <functional>
#include <string>

#include "foundation/settings_store.h"
#include "interface/main_form.h"

namespace gleaner {

class TRunController;

// History entries each box keeps.
inline constexpr int kHistoryCount = 8;

// A box of the main form seen as a history box of the settings store.
class TFormBox final : public IHistoryBox {
 public:
  TFormBox(TMainForm& form, std::string name) : control_(form[name]), name_(std::move(name)) {}
  std::string Name() const override { return name_; }
  std::string Text() const override { return control_.Text; }
  void SetText(const std::string& text) override { control_.Text = text; }
  std::vector<std::string>& Items() override { return control_.Items; }
  int DropDownCount() const override { return control_.DropDownCount; }

 private:
  TControl& control_;
  std::string name_;
};

// The file boxes and the parameter boxes, by control name.
inline constexpr const char* kFileBoxes[] = {kCboInputFile, kCboOutputFile, kCboScriptFile,
                                             kCboSupportFile};
inline constexpr char kParameterLetters[] = {'X', 'Y', 'Z'};
std::string ParameterBoxName(char letter);    // "cboParameterX"
std::string ParameterLabelName(char letter);  // "lblParameterX"
bool ParameterEnabled(char letter);           // CfgEnableOptionX, Y or Z

// True when CfgDefaultOFN leaves the output name to the script (empty or with ? * ;).
bool OutputNameIsAutomatic();
// "None" and "Clipboard" in CfgDefaultOFN, in any case, get their exact spelling.
void StoreCanonicalDefaultOFN();

// Fills the form from the settings store; the script box only when asked.
void ApplySettingsToForm(TMainForm& form, bool includeScript);
// Sets up one parameter's label and box from its enable flag, caption and hint.
void SetupParameterBox(TMainForm& form, char letter);
// Sets up all three ("redraws the parameter boxes").
void SetupParameterBoxes(TMainForm& form);
// Remembers the boxes and check boxes in the settings store.
void SaveFormSettings(TMainForm& form);

// The start-up sequence when the main form is first shown. processCommandLine
// runs after the form holds its saved state and before the button states are computed.
void StartUpMainForm(TRunController& controller, const std::function<void()>& processCommandLine);
// The main form has closed: its position, settings and the search path are saved.
void MainFormClosed(TRunController& controller);

}  // namespace gleaner
