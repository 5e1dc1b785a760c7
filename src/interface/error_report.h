// Error reports: the one routine every message about a processing run goes
// through. It rewrites the error log (CfgErrorFileName, in the home folder
// when it has no folder), then shows the message through the report view as
// the close mode and the kind of message say. It also remembers the worst
// report of the process, which the console front end turns into its exit
// status.
//
//   SetReportView(&view);
//   SetCloseMode('A');              // /CA: write the log, show nothing
//   Report("Processing cancelled", true);
#pragma once

#include <string>
#include <string_view>

#include "interface/main_view.h"

namespace gleaner {

// The user interface's version and its two-letter code.
inline constexpr std::string_view kInterfaceVersion = "3.21.00";
inline constexpr std::string_view kInterfaceCode = "GI";
// The scripting engine's version row of the error log (the engine's own rows
// come from engine/lifecycle.h).
inline constexpr std::string_view kScriptingEngineVersion = "4.40.00";

// How the form closes after a run and whether pop-ups are wanted:
// 'N' stays open, 'A' always closes (no pop-ups), 'S' closes after success.
char CloseMode();
void SetCloseMode(char mode);

// The application's title, the title of plain messages ("Gleaner
// Application" until the start-up sets the program name).
const std::string& ApplicationTitle();
void SetApplicationTitle(const std::string& title);

// The view reports are shown through; with none they are only logged.
void SetReportView(IMainView* view);
IMainView* ReportView();

// What the reports so far amounted to, worst first wins.
enum class TReportLevel { None = 0, Message = 1, EngineError = 2 };
TReportLevel WorstReport();
void ResetReportState();  // level None, close mode 'N', no step text

// Writes the error log, then displays the message.
void Report(const std::string& message, bool isError);

// Marks the engine state with an internal error (kind 18) for a failure that
// is not the engine's own, so the report and the exit status show it as one.
void MarkInternalError();

// A failure outside any run (an exception that escaped the program's start,
// its form or its end): marked as an internal error and reported, so the
// error log and the exit status tell a batch caller; should the report
// itself fail, the text goes to standard error.
//   catch (const std::exception& e) { ReportUnexpectedFailure(e.what()); return 2; }
void ReportUnexpectedFailure(const std::string& text);

// The step text formed by the last report with a non-zero error category.
const std::string& LastStepText();

// The error log's contents for a message (exposed for the report and for
// tests); date and time are the caller's.
std::string ErrorLogText(const std::string& message, const std::string& dateTime);

}  // namespace gleaner
