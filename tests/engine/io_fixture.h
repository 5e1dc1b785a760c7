// A fixture for file input and output tests: a temporary home folder (through
// GLEANER_HOME), fake desktop ports, a known program information record and
// the engine state the reader, writer and lifecycle rely on. The log is ended
// and the engine closed after each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/reader.h"
#include "engine/writer.h"
#include "foundation/search_path.h"
#include "support/fake_ports.h"
#include "support/current_folder_scope.h"
#include "support/temp_folder.h"

namespace gleaner::testing {

class IoTest : public ::testing::Test {
 protected:
  IoTest() {
    setenv("GLEANER_HOME", home_.Path().c_str(), 1);
    InitHomeFolder("");
    EngineInfo() = TEngineInfo{};
    EngineInfo().CfgProgramName = "Culler";
    EngineInfo().CfgVersion = "2.50.00";
    EngineInfo().CfgInputFileType = EngineInfo().CfgOutputFileType = "TEXT";
    EngineInfo().CfgErrorFileName = "Culler-Error.txt";
    TEngineState& eng = Eng();
    eng.InputType = eng.OutputType = FileType::Text;
    eng.InputIsNone = eng.OutputIsNone = eng.CancelRequested = eng.InternalCall = eng.TestModeOn = false;
    eng.ErrorOccurred = false;
    eng.ErrorKind = 0;
    eng.RecordCount = "0";
    eng.BytesOut = 0;
  }
  ~IoTest() override {
    ErrorOf([] { EndRun(); });
    ErrorOf([] { CloseEngine(); });
    unsetenv("GLEANER_HOME");
  }

  std::string Home(const std::string& name) const { return home_.File(name); }

  // Every record ReadNextData delivers from the input now open.
  static std::vector<std::string> ReadAll() {
    std::vector<std::string> records;
    while (ReadNextData()) records.push_back(Eng().Record);
    return records;
  }

  // A whole run writing each record with OutEnd; the records read.
  static std::vector<std::string> CopyRun(const std::string& input, const std::string& output) {
    OpenEngine(input, output);
    std::vector<std::string> records;
    do {
      while (ReadNextRecord()) {
        records.push_back(Eng().Record);
        OutEnd(Eng().Record);
      }
    } while (NextInputFile());
    CloseEngine();
    return records;
  }

  // The message of the exception that action raises ("" when none).
  template <typename F>
  static std::string ErrorOf(F action) {
    try {
      action();
    } catch (const std::exception& e) {
      return e.what();
    }
    return "";
  }

  TempFolder home_;
  CurrentFolderScope inFolder_{home_.Path()};  // the user works in the home folder
  FakePorts ports_;
};

}  // namespace gleaner::testing
