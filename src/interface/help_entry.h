// The help of the main form: F1 and btnHelp run the help chooser and show
// the topic chosen (the application's help document with its about section,
// the script's with its own, or the document browser); btnOptions and "/#"
// open the search path dialog. Everything reaches the user through IMainView
// and the shell port.
//
//   InstallHelp(controller);        // F1 and btnHelp call ShowHelp
//   DefineSearchPath(view);         // btnOptions, "/#"
#pragma once

#include <string>
#include <vector>

#include "interface/main_view.h"
#include "interface/run_controller.h"

namespace gleaner {

// Makes the controller's ShowAbout hook run ShowHelp with the browser
// beside the running program.
void InstallHelp(TRunController& controller);

// The help chooser, or the only topic there is, then that topic;
// browserProgram: the document browser's full name.
void ShowHelp(TRunController& controller, const std::string& browserProgram);

// The pages themselves (the chooser's topics).
void ShowAboutPage(TRunController& controller);
void ShowAboutScriptPage(TRunController& controller);
void StartHelpIndex(IMainView& view, const std::string& browserProgram);

// The search path dialog; OK replaces the search path.
void DefineSearchPath(IMainView& view);

// The viewer set up for a help document followed by generated lines.
TViewerSetup HelpDocumentSetup(const std::string& file, const std::string& title,
                               const std::vector<std::string>& extraLines);

}  // namespace gleaner
