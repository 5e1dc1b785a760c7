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
    {kCboInputFile, "", "Input file name, wildcard or wildcard list"},
    {kLblInputFile, "&Input file", ""},
    {kCboOutputFile, "", "Output file - does NOT consult Search Path"},
    {kLblOutputFile, "&Output file", "Click to copy input path"},
    {kChkBrowseOutput, " &Autoview", "View the output file after processing"},
    {kChkAppendOutput, "App&end", "Add output to the end of the file if it already exists"},
    {kChkLfLineEnds, "&LF line ends", "End output lines with LF alone instead of CR LF"},
    {kCboEncoding, "E&ncoding", "Text encoding of the run: Auto takes UTF-8 when the input and the script are UTF-8"},
    {kCboScriptFile, "", "Script file (or None for no script)"},
    {kLblScriptFile, "&Script file", ""},
    {kCboSupportFile, "", "Log file or other file"},
    {kLblSupportFile, "S&upport file", ""},
    {kCboParameterX, "", "Optional parameter - see documentation"},
    {kCboParameterY, "", "Optional parameter - see documentation"},
    {kCboParameterZ, "", "Optional parameter - see documentation"},
    {kLblParameterX, "Option &X", ""},
    {kLblParameterY, "Option &Y", ""},
    {kLblParameterZ, "Option &Z", ""},
    {kBtnStart, "Start", ""},
    {kBtnExit, "Exit", ""},
    {kBtnHelp, "Help", ""},
    {kBtnOptions, "Path", ""},
    {kBtnCancel, "&Cancel", ""},
    {kBtnBrowseInput, "View", ""},
    {kBtnBrowseOutput, "View", ""},
    {kBtnBrowseScript, "View", ""},
    {kBtnBrowseSupport, "View", ""},
    {kBtnNavInput, "", ""},
    {kBtnNavOutput, "", ""},
    {kBtnNavScript, "", ""},
    {kBtnNavSupport, "", ""},
    {kBarProgress, "", ""},
    {kLblBytesInLabel, "Bytes In", ""},
    {kLblBytesIn, "0", ""},
    {kLblBytesOutLabel, "Bytes Out", ""},
    {kLblBytesOut, "0", ""},
    {kLblShowNote, "", ""},
    {kImgBanner, "", ""},
};

}  // namespace

TMainForm::TMainForm() {
  for (const TControlDefault& d : kControls) {
    TControl& c = controls_[d.name];
    c.Caption = d.caption;
    c.Hint = d.hint;
  }
  controls_[kChkBrowseOutput].Checked = true;
  controls_[kCboEncoding].Text = "Auto";
  controls_[kBtnStart].Enabled = false;
  for (const char* hidden : {kBtnCancel, kBarProgress, kLblBytesInLabel, kLblBytesIn, kLblBytesOutLabel,
                             kLblBytesOut, kLblShowNote}) {
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
