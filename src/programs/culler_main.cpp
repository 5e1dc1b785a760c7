// The culler program: wires the console front end to the run controller and
// Culler's own handlers, reads the command line and runs until the run, or
// the attempt to start it, is over. The exit status tells a batch caller what
// was reported: 0 nothing, 1 a plain message, 2 an engine error; a run
// cancelled by a signal ends by that signal (interface/exit_status.h).
//
// With a display and not a batch run (/R with /CA) it opens the main form
// instead: the form is the program culler-desktop beside it, started in its
// place, since linking Qt into culler would make every batch start pay for
// loading Qt's libraries.
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "culler/culling_handlers.h"
#include "culler/program_info.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "interface/gleaner_interface.h"
#include "platform/cancel_signals.h"
#include "platform/display_probe.h"
#include "platform/helper_program.h"
#include "platform/shell_port.h"
#include "platform/standard_output.h"

namespace gleaner {
namespace {

int RunCuller(const std::vector<std::string>& params, TConsoleView& view) {
  TMainForm form;
  TCullingHandlers handlers;
  TRunController controller(form, view, handlers, FillProgramInfo);
  InstallHelp(controller);
  TCommandLineResult commandLine;
  bool helpOnly = false;
  {
    TSettingsBatch startUp;  // showing only the help changes nothing on disk
    StartUpMainForm(controller, [&] { commandLine = ProcessCommandLine(params, form, view); });
    helpOnly = commandLine.HelpShown && !commandLine.Run;
    if (helpOnly) startUp.Discard();
  }
  if (commandLine.Run) {
    controller.FormActivate();
    RunConsoleTimers(controller, view);
  } else if (!commandLine.HelpShown) {
    ShowCommandLineHelp(view, CommandLineHelpCaption());
  }
  if (!helpOnly) MainFormClosed(controller);
  return RunExitStatus(commandLine, view.Declined());
}

// A failure outside any run still goes through the report routine, so the
// error log and the exit status tell the batch caller.
int ReportUnexpected(const std::string& text) {
  ReportUnexpectedFailure(text);
  return 2;
}

// Replaces this process with the desktop program (beside culler in a build,
// in the helper folder when installed), with the same switches and culler's
// own full name as its argv[0], so it acts for culler; returns only when that
// cannot be done, with a note on standard error, so the console front end
// takes over.
void RunDesktop(const std::vector<std::string>& params) {
#ifdef GLEANER_DESKTOP_PROGRAM
  const std::string program = FindHelperProgram(RunningProgramFolder(), GLEANER_DESKTOP_PROGRAM);
  std::string self = RunningProgramFile();
  std::vector<char*> argv{self.data()};
  for (const std::string& param : params) argv.push_back(const_cast<char*>(param.c_str()));
  argv.push_back(nullptr);
  if (!program.empty()) execv(program.c_str(), argv.data());
  const std::string why = program.empty() ? "not found" : std::strerror(errno);
  std::cerr << "culler: the main form cannot be shown (" << GLEANER_DESKTOP_PROGRAM << ": " << why
            << "); running in the console\n";
#else
  (void)params;
#endif
}

// With standard output as the run's output, the help goes to standard error too.
int RunConsole(const std::vector<std::string>& params) {
  std::ostream& out = OutputIsStandardOutput(params) ? std::cerr : std::cout;
  // The view outlives everything that may report through it.
  TConsoleView view(out, std::cerr, std::cin, isatty(STDIN_FILENO) == 1);
  SetReportView(&view);
  TTerminalProgress progress(std::cerr);
  if (isatty(STDERR_FILENO) == 1) progress.Install();
  try {
    return RunCuller(params, view);
  } catch (const std::exception& e) {
    return ReportUnexpected(e.what());
  } catch (...) {
    return ReportUnexpected("Unexpected failure");
  }
}

}  // namespace
}  // namespace gleaner

int main(int argc, char** argv) {
  const std::vector<std::string> params = gleaner::ExpandMenuStart({argv + 1, argv + argc});
  // --help and --version answer on standard output, also with a display. A
  // display that does not answer (a stale DISPLAY, say) gets the console.
  const bool display = gleaner::DisplayAvailable() && gleaner::DisplayAnswers();
  if (!gleaner::AsksForVersionOrHelp(params) && !gleaner::UseConsoleFrontEnd(params, display)) {
    gleaner::RunDesktop(params);
  }
  std::setlocale(LC_ALL, "");
  gleaner::InitHomeFolder(argc > 0 ? argv[0] : "");
  gleaner::InstallConsoleCancel();  // SIGINT, SIGTERM and SIGHUP cancel a run
  const int status = gleaner::FinishStandardOutput("culler", gleaner::RunConsole(params));
  gleaner::EndByCancelSignal();
  return status;
}
