// A main form, a fake view and a run controller with Culler's handlers in a
// temporary home folder, started up as the program does, with helpers to fill
// boxes and run the timers the way the console front end does.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "culler/culling_handlers.h"
#include "interface/fake_main_view.h"
#include "interface/main_form.h"
#include "interface/run_controller.h"
#include "support/fake_ports.h"
#include "support/current_folder_scope.h"
#include "support/temp_folder.h"

namespace gleaner::testing {

// Culler's handlers with a hook after TaskInit.
class ProbeHandlers : public TCullingHandlers {
 public:
  void TaskInit() override {
    TCullingHandlers::TaskInit();
    if (afterTaskInit) afterTaskInit();
  }
  std::function<void()> afterTaskInit;
};

class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest();
  ~ControllerTest() override;

  // The program information as Culler fills it, then the test's changes.
  std::function<void()> adjustInfo;

  void StartUp();
  // Sets the four file boxes.
  void SetBoxes(const std::string& input, const std::string& output, const std::string& script = "None",
                const std::string& support = "");
  // Runs the timers that are on until none is, in the console front end's order.
  void RunTimers();
  // Requests a start and runs the timers.
  void StartAndRun();
  std::string Home() const { return folder.Path(); }
  std::string Output() const { return ReadFile(folder.File("Out.txt")); }
  const std::vector<std::string>& Shown() const { return view.shown; }

  TempFolder folder;
  CurrentFolderScope inFolder{folder.Path()};  // the user works in the home folder
  FakePorts ports;
  FakeMainView view;
  TMainForm form;
  ProbeHandlers handlers;
  TRunController controller;
};

}  // namespace gleaner::testing
