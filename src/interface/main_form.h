// The main form's controls as data: every control the run controller, the
// start-up code and the command line read or write, by its name. A front end
// (console or desktop) shows this data and feeds user actions back to the
// controller; the logic never touches a widget.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/gleaner_engine.h"

namespace gleaner {

// The names of the form's controls, each written once here; the desktop window
// gives its widgets the same names.
inline constexpr char kCboInputFile[] = "cboInputFile";
inline constexpr char kLblInputFile[] = "lblInputFile";
inline constexpr char kCboOutputFile[] = "cboOutputFile";
inline constexpr char kLblOutputFile[] = "lblOutputFile";
inline constexpr char kChkBrowseOutput[] = "chkBrowseOutput";
inline constexpr char kChkAppendOutput[] = "chkAppendOutput";
inline constexpr char kChkLfLineEnds[] = "chkLfLineEnds";
inline constexpr char kCboEncoding[] = "cboEncoding";  // a fixed choice: "Auto", "UTF-8", "Windows-1252"
inline constexpr char kCboScriptFile[] = "cboScriptFile";
inline constexpr char kLblScriptFile[] = "lblScriptFile";
inline constexpr char kCboSupportFile[] = "cboSupportFile";
inline constexpr char kLblSupportFile[] = "lblSupportFile";
inline constexpr char kCboParameterX[] = "cboParameterX";
inline constexpr char kCboParameterY[] = "cboParameterY";
inline constexpr char kCboParameterZ[] = "cboParameterZ";
inline constexpr char kLblParameterX[] = "lblParameterX";
inline constexpr char kLblParameterY[] = "lblParameterY";
inline constexpr char kLblParameterZ[] = "lblParameterZ";
inline constexpr char kBtnStart[] = "btnStart";
inline constexpr char kBtnExit[] = "btnExit";
inline constexpr char kBtnHelp[] = "btnHelp";
inline constexpr char kBtnOptions[] = "btnOptions";
inline constexpr char kBtnCancel[] = "btnCancel";
inline constexpr char kBtnBrowseInput[] = "btnBrowseInput";
inline constexpr char kBtnBrowseOutput[] = "btnBrowseOutput";
inline constexpr char kBtnBrowseScript[] = "btnBrowseScript";
inline constexpr char kBtnBrowseSupport[] = "btnBrowseSupport";
inline constexpr char kBtnNavInput[] = "btnNavInput";
inline constexpr char kBtnNavOutput[] = "btnNavOutput";
inline constexpr char kBtnNavScript[] = "btnNavScript";
inline constexpr char kBtnNavSupport[] = "btnNavSupport";
inline constexpr char kBarProgress[] = "barProgress";
inline constexpr char kLblBytesInLabel[] = "lblBytesInLabel";
inline constexpr char kLblBytesIn[] = "lblBytesIn";
inline constexpr char kLblBytesOutLabel[] = "lblBytesOutLabel";
inline constexpr char kLblBytesOut[] = "lblBytesOut";
inline constexpr char kLblShowNote[] = "lblShowNote";
inline constexpr char kImgBanner[] = "imgBanner";

struct TControl {
  std::string Text;                 // box text
  std::string Caption;              // label or button caption
  std::string Hint;
  std::vector<std::string> Items;   // box history, most recent first
  int DropDownCount = 8;            // history entries a box keeps
  bool Checked = false;
  bool Enabled = true;
  bool Visible = true;
  bool ButtonFace = false;          // painted in the button-face colour instead of the window colour
  long long Position = 0;           // progress bar position
  long long Maximum = 100;          // progress bar maximum
  std::size_t SelStart = 0;         // selected part of a box's text
  std::size_t SelLength = 0;
};

// Timers of the main form.
enum class TTimer { AutoStart, Progress, RunConfig };

class TMainForm {
 public:
  TMainForm();
  // The control of that name; every name of the form exists from the start.
  TControl& operator[](std::string_view name);
  const TControl& operator[](std::string_view name) const;
  const std::map<std::string, TControl, std::less<>>& Controls() const { return controls_; }

  std::string Caption;  // window title
  bool TimerOn(TTimer timer) const { return timers_[static_cast<int>(timer)]; }
  void SetTimer(TTimer timer, bool on) { timers_[static_cast<int>(timer)] = on; }

 private:
  std::map<std::string, TControl, std::less<>> controls_;
  bool timers_[3] = {false, false, false};
};

}  // namespace gleaner
