// A fixture that runs the culling handlers over real input files through the
// engine's run lifecycle, in a temporary home folder, and collects the
// output bytes, the processing log (date and time masked, the folder shown
// as "<dir>/") and the message of a stop.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "culler/culling_handlers.h"
#include "support/fake_ports.h"
#include "support/current_folder_scope.h"
#include "support/temp_folder.h"

namespace gleaner::testing {

struct TCullParams {
  std::string Keep;
  std::string Delete;
  std::string Controls;
};

struct TCullOutcome {
  std::string Output;
  std::string Log;
  std::string Stopped;  // the stop message; empty when the run went to its end
};

class CullRun : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the named input files, runs over inputSpec (a name of the folder
  // or a wildcard) into "Out.txt", and returns what the run left.
  TCullOutcome Cull(const TCullParams& params, const std::vector<std::pair<std::string, std::string>>& inputs,
                    const std::string& inputSpec = "In*.txt");
  // The same over one input file "In.txt".
  TCullOutcome CullText(const TCullParams& params, const std::string& input);
  // Activates a script for the next runs.
  void UseScript(const std::string& text);

  TempFolder folder;
  CurrentFolderScope inFolder{folder.Path()};  // the user works in the home folder
  FakePorts ports;
  TCullingHandlers handlers;  // one for all the runs of a test, as in the program
};

// The lines between "Processing" and the end banner: per-file lines and results.
std::string ProcessingPart(const std::string& log);

}  // namespace gleaner::testing
