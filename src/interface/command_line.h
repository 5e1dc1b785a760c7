// The program's command line: switches that fill the main form's boxes and
// check boxes, set the close and test modes and ask for a run, and the
// command line help page. Read once, at the end of the form's start-up, so
// switches override the saved settings.
//
//   culler /I"C:\In Box\mail.txt" /OOut.txt /SNone /X/cat/moose /R /CA
//
// Mistakes are reported through the error-report routine as plain messages
// (so they reach the error log too) and stop the reading.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interface/main_form.h"
#include "interface/main_view.h"

namespace gleaner {

// Forces the console front end on a desktop; the command line reads past it.
inline constexpr std::string_view kConsoleSwitch = "--console";

struct TCommandLineResult {
  bool Run = false;            // /R seen and no error: tmrAutoStart is on
  bool Error = false;          // a malformed parameter or a bad switch value
  bool HelpShown = false;      // the help page was shown (/? or an unknown switch)
  bool UnknownSwitch = false;  // reading stopped at an unknown switch
};

// Applies the parameters (arguments 1 to n) to the form, in order.
TCommandLineResult ProcessCommandLine(const std::vector<std::string>& params, TMainForm& form,
                                      IMainView& view);

// "--help" and "-h" read as "/?"; "--version" shows VersionLine() as a help
// text without lines. Nothing else of the switch rules changes.
//
// "Culler 2.50.00 (Gleaner Engine 4.50.02)": the program and engine versions.
std::string VersionLine();
// True when a Unix help or version switch is among the parameters: the answer
// belongs on standard output, so the console front end should take them.
bool AsksForVersionOrHelp(const std::vector<std::string>& params);

// The help page's caption for /?: CfgProgramName + " - Command Line Help".
std::string CommandLineHelpCaption();
// The lines of the help page (Windows-1252 text), headings marked.
std::vector<THelpLine> CommandLineHelpPage();
// Their texts alone.
std::vector<std::string> CommandLineHelpLines();
void ShowCommandLineHelp(IMainView& view, const std::string& caption);

}  // namespace gleaner
