// The exit status from what the reports amounted to.
#include "interface/exit_status.h"

#include "interface/error_report.h"

namespace gleaner {

// An unknown switch only shows the help, and a question answered Cancel
// shows nothing more, but in both the batch caller's job was not done as asked.
int RunExitStatus(const TCommandLineResult& commandLine, bool declined) {
  const TReportLevel worst = WorstReport();
  if (worst == TReportLevel::EngineError) return 2;
  if (worst == TReportLevel::Message || commandLine.UnknownSwitch || declined) return 1;
  return 0;
}

}  // namespace gleaner
