// The main form's controls with their captions and hints.
#include "interface/main_form.h"

#include <stdexcept>

namespace gleaner {
namespace {

struct TControlDefault {
  const char* name;
  const char* caption;
  const char* hint;
};

constexpr TControlDefault kControls[] = {
    {"cboInputFile", "", "Input file name, wildcard or wildcard list"},
    {"lblInputFile", "&Input file", ""},
    {"cboOutputFile", "", "Output file - does NOT consult Search Path"},
    {"lblOutputFile", "&Output file", "Click to copy input path"},
    {"chkBrowseOutput", " &Autoview", "View the output file after processing"},
    {"chkAppendOutput", "App&end", "Add output to the end of the file if it already exists"},
    {"cboScriptFile", "", "Script file (or None for no script)"},
    {"lblScriptFile", "&Script file", ""},
    {"cboSupportFile", "", "Log file or other file"},
    {"lblSupportFile", "S&upport file", ""},
    {"cboParameterX", "", "Optional parameter - see documentation"},
    {"cboParameterY", "", "Optional parameter - see documentation"},
    {"cboParameterZ", "", "Optional parameter - see documentation"},
    {"lblParameterX", "Option &X", ""},
    {"lblParameterY", "Option &Y", ""},
    {"lblParameterZ", "Option &Z", ""},
    {"btnStart", "Start", ""},
    {"btnExit", "Exit", ""},
    {"btnHelp", "Help", ""},
    {"btnOptions", "Path", ""},
    {"btnCancel", "&Cancel", ""},
    {"btnBrowseInput", "View", ""},
    {"btnBrowseOutput", "View", ""},
    {"btnBrowseScript", "View", ""},
    {"btnBrowseSupport", "View", ""},
    {"btnNavInput", "", ""},
    {"btnNavOutput", "", ""},
    {"btnNavScript", "", ""},
    {"btnNavSupport", "", ""},
    {"barProgress", "", ""},
    {"lblBytesInLabel", "Bytes In", ""},
    {"lblBytesIn", "0", ""},
    {"lblBytesOutLabel", "Bytes Out", ""},
    {"lblBytesOut", "0", ""},
    {"lblShowNote", "", ""},
    {"imgBanner", "", ""},
};

}  // namespace

TMainForm::TMainForm() {
  for (const TControlDefault& d : kControls) {
    TControl& c = controls_[d.name];
    c.Caption = d.caption;
    c.Hint = d.hint;
  }
  controls_["chkBrowseOutput"].Checked = true;
  controls_["btnStart"].Enabled = false;
  for (const char* hidden : {"btnCancel", "barProgress", "lblBytesInLabel", "lblBytesIn", "lblBytesOutLabel",
                             "lblBytesOut", "lblShowNote"}) {
    controls_[hidden].Visible = false;
  }
}

TControl& TMainForm::operator[](std::string_view name) {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
  return it->second;
}

const TControl& TMainForm::operator[](std::string_view name) const {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
  return it->second;
}

}  // namespace gleaner
