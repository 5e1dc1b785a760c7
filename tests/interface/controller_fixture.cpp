// The run controller test fixture.
#include "interface/controller_fixture.h"

#include <cstdlib>

#include "culler/program_info.h"
#include "foundation/search_path.h"
#include "interface/error_report.h"
#include "interface/form_state.h"
#include "script/compiler.h"
#include "script/executor.h"
#include "support/engine_reset.h"

namespace gleaner::testing {

ControllerTest::ControllerTest()
    : controller(form, view, handlers, [this] {
        FillProgramInfo();
        if (adjustInfo) adjustInfo();
      }) {
  unsetenv("GLEANER_HOME");
  InitHomeFolder(folder.File("culler"));
  ResetReportState();
  SetReportView(&view);
  ResetEngineForTest();
  WriteFile(folder.File("In.txt"), "alpha\r\nbeta\r\n");
}

ControllerTest::~ControllerTest() {
  SetReportView(nullptr);
  ResetReportState();
  SetErrorReporter(nullptr);
  FreeCompiledScript();
  SetScriptActive(false);
}

void ControllerTest::StartUp() { StartUpMainForm(controller, nullptr); }

void ControllerTest::SetBoxes(const std::string& input, const std::string& output, const std::string& script,
                              const std::string& support) {
  form[kCboInputFile].Text = input;
  form[kCboOutputFile].Text = output;
  form[kCboScriptFile].Text = script;
  form[kCboSupportFile].Text = support;
  controller.UpdateButtonStates();
}

void ControllerTest::RunTimers() {
  for (int round = 0; round < 50; ++round) {
    bool any = false;
    for (TTimer timer : {TTimer::RunConfig, TTimer::AutoStart, TTimer::Progress}) {
      if (!form.TimerOn(timer)) continue;
      controller.OnTimer(timer);
      any = true;
    }
    if (!any) return;
  }
  FAIL() << "the timers never stop";
}

void ControllerTest::StartAndRun() {
  controller.Start();
  RunTimers();
}

}  // namespace gleaner::testing
