// The run controller: the logic behind the main form. It decides when a
// processing run may start, checks the input, output and script names, runs
// the script's Config section whenever the script file changes, drives one
// processing run through the engine, the application's run handlers and the
// script, keeps the progress display up to date, honours Cancel, and applies
// the close and autoview rules at the end.
//
// It reads and writes the form only as data (TMainForm) and reaches the user
// only through IMainView, so it runs the same under the console front end,
// the desktop front end and the tests. Timers are data too: the controller
// switches them on and off, and the front end calls OnTimer when one fires.
//
//   TRunController controller(form, view, cullingHandlers, FillProgramInfo);
//   StartUpMainForm(controller, processCommandLine);
//   controller.FormActivate();                    // first activation: script check
//   controller.Start();                           // btnStart or F9
//   while (form.TimerOn(...)) controller.OnTimer(...);
//
// Re-entry: a run and a Config run pump events, so the front end may call in
// while one is going on. While busy, the activation check waits until the
// run has ended, closing the form cancels the run and closes afterwards, and
// timers that would start another run are held.
//
// Implemented in run_controller.cpp (entry points, timers, close rule) and
// run_controller_{start_checks,processing,busy_display,boxes,file_viewing}.cpp.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "interface/main_form.h"
#include "interface/main_view.h"
#include "interface/script_check.h"
#include "script/gleaner_script.h"

namespace gleaner {

// The four file boxes.
enum class TFileBox { Input, Output, Script, Support };

class TRunController {
 public:
  // handlers: the application's run handlers; fillProgramInfo: fills
  // EngineInfo() with the application's values (start-up and script change).
  TRunController(TMainForm& form, IMainView& view, TRunHandlers& handlers,
                 std::function<void()> fillProgramInfo);

  TMainForm& Form() { return form_; }
  IMainView& View() { return view_; }
  void FillProgramInfo() { fillProgramInfo_(); }

  // Entry points of the form.
  void Start();                 // btnStart and F9: requests a start (tmrAutoStart on)
  void Cancel();                // btnCancel
  void Exit();                  // btnExit
  bool CloseQuery();            // the window is being closed; false while busy (the run is cancelled first)
  void FormActivate();          // script check "FormActivate", or later when busy
  bool OnKey(int functionKey);  // F1..F9 (1..9); false when the key does nothing now
  bool DefaultButton();         // Enter and F9: Start, when btnStart is enabled
  bool CancelKey();             // Esc: Cancel, while a run is going on
  void OnTimer(TTimer timer);
  std::function<void()> ShowAbout;  // F1 and btnHelp: the about page, when a front end provides one

  // The script check (form activation, the script box clicked or left, F5
  // with force); true when a Config run has been scheduled.
  bool ScriptCheck(bool force);

  // Box handlers.
  void BoxExit(std::string_view boxName);  // any file or parameter box was left
  void OutputChanged();                    // the output box's text was edited
  void ScriptBoxEnter();                   // a pending automatic start is dropped
  void ScriptBoxClick();
  void OutputLabelClick();        // lblOutputFile: copy the input's folder
  void ViewFile(TFileBox box);    // View buttons, F2, F3, F6, F7
  void ChooseFile(TFileBox box);  // the image buttons

  // Display. The busy display holds for the whole run: the button states
  // are not recomputed while it is on, whatever box events arrive.
  void UpdateButtonStates();
  void SetBusyDisplay(bool on);

  // State shared with the start-up sequence and the command line.
  bool Busy() const { return busy_; }
  bool ConfigPending() const { return configPending_; }
  char ScriptState() const { return scriptState_; }
  const std::string& ScriptName() const { return scriptName_; }
  void ResetState();  // idle: not busy, no Config pending, ScriptState 'N'
  void ForgetScriptCheck() { scriptCheck_.Reset(); }

 private:
  void Tell(const std::string& message, bool isError);  // the error report
  bool StaysOpen() const;                               // close mode 'N'

  // Timer handlers.
  void RunConfigTimer();
  void AutoStartTimer();
  void ProgressTimer();

  // The box rules for every box in use, as if each had been left.
  void ApplyBoxRules();
  bool TakeAppendMark();  // a leading "+" of the output box ticks chkAppendOutput

  // The start checks; each shows its own message and gives false on failure.
  bool CheckInput(std::string& input);
  bool CheckOutput(const std::string& input, std::string& output);
  bool OverwriteAllowed(const std::string& output);
  // Tells a start-check problem as a plain message; true when there is none.
  bool TellProblem(const std::string& problem);
  void DeleteOldLogs();
  void RememberBoxes();   // saves the form and sets the parameter boxes up again
  bool ApplyCloseRule();  // true when the form was closed
  void AfterRun();        // a close or activation that arrived during the run

  // The Config run and its $Cfg checks.
  bool RunConfigSection();
  bool CheckConfigValues();
  void PrepareConfigValues();

  // The processing run.
  void ProcessingRun(const std::string& input, const std::string& output);
  void CopyParameterTexts();
  void Autoview();

  // Viewing.
  void ShowFile(TFileBox box, std::string name, bool afterRun);
  void ShowPlainMessage(const std::string& text);  // not a report: the error log is left alone

  TMainForm& form_;
  IMainView& view_;
  TRunHandlers& handlers_;
  std::function<void()> fillProgramInfo_;
  TScriptChangeCheck scriptCheck_;
  std::string scriptName_;
  bool busy_ = false;
  bool busyDisplay_ = false;
  bool configPending_ = false;
  bool configRunning_ = false;
  bool activationPending_ = false;  // a FormActivate arrived during a run
  bool closeAfterRun_ = false;      // the window was closed during a run
  char scriptState_ = 'N';
  int progressTicks_ = 0;
};

}  // namespace gleaner
