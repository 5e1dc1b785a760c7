// What the window tests share: one QApplication on the offscreen platform, a
// temporary home folder with its own settings file, and fake notices.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "support/fake_ports.h"
#include "support/current_folder_scope.h"
#include "support/temp_folder.h"

namespace gleaner::testing {

QApplication& TestApplication();

class GuiTest : public ::testing::Test {
 protected:
  GuiTest();
  ~GuiTest() override;
  // Lets queued calls (loads, link clicks) run.
  static void ProcessEvents();

  TempFolder home;
  CurrentFolderScope inFolder{home.Path()};  // the user works in the home folder
  FakePorts ports;

 private:
  std::string savedIni_;
};

}  // namespace gleaner::testing
