// The interface layer: the main form's logic without a window system, as the
// programs and the desktop windows use it. Include this header, never the
// layer's own headers (scripts/check-includes.sh holds every layer to it).
// The logic holds the form as data (TMainForm), talks to the user only
// through IMainView, and drives the engine and the script through the run
// controller, so the console front end, the Qt windows and the tests run the
// same code.
//
// The form and its controller. A front end implements IMainView, shows the
// form's data and hands user actions and timer ticks to the controller
// (main_form.h, main_view.h, run_controller.h):
//
//   TMainForm form;
//   TRunController controller(form, view, handlers, FillProgramInfo);
//   controller.Start();                        // btnStart or F9
//
// Start-up and close. StartUpMainForm fills the boxes from the settings and
// then runs the command line; MainFormClosed saves them (form_state.h,
// command_line.h):
//
//   StartUpMainForm(controller, [&] { result = ProcessCommandLine(params, form, view); });
//   MainFormClosed(controller);
//
// The console front end: a view on the standard streams, the timers run in
// order, the progress line on a terminal, and the choice between console
// and desktop (console_view.h, terminal_progress.h, front_end.h):
//
//   if (UseConsoleFrontEnd(params, DisplayAvailable())) RunConsoleTimers(controller, view);
//
// A start from the desktop menu ("culler --open [FILE]") is first turned
// into the switches it stands for (menu_start.h):
//
//   params = ExpandMenuStart(params);
//
// Reports. Every message about a run goes through Report, which writes the
// error log first; a failure outside any run goes through
// ReportUnexpectedFailure; WorstReport gives the exit level (error_report.h),
// and RunExitStatus the exit status both front ends end with (exit_status.h):
//
//   SetReportView(&view);
//   catch (const std::exception& e) { ReportUnexpectedFailure(e.what()); }
//   return RunExitStatus(commandLine, view.Declined());
//
// Help. InstallHelp wires F1 and btnHelp to the help chooser; the search path
// dialog and the chooser's decisions are data the desktop windows show
// (help_entry.h, search_path_list.h, help_chooser.h):
//
//   InstallHelp(controller);
#pragma once

#include "interface/command_line.h"
#include "interface/console_view.h"
#include "interface/error_report.h"
#include "interface/form_state.h"
#include "interface/exit_status.h"
#include "interface/front_end.h"
#include "interface/help_chooser.h"
#include "interface/help_entry.h"
#include "interface/main_form.h"
#include "interface/main_view.h"
#include "interface/menu_start.h"
#include "interface/run_controller.h"
#include "interface/search_path_list.h"
#include "interface/terminal_progress.h"
