// The file input and output fixture.
#include "engine/io_fixture.h"

#include <cstdlib>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/reader.h"
#include "engine/writer.h"
#include "foundation/search_path.h"

namespace gleaner::testing {

namespace {

void ResetEngineInfo() {
  TEngineInfo& info = EngineInfo();
  info.CfgProgramName = "Culler";
  info.CfgVersion = "2.50.00";
  info.CfgInputFileType = "TEXT";
  info.CfgOutputFileType = "TEXT";
  info.CfgRecLen = 0;
  info.CfgDefaultIFN.clear();
  info.CfgDefaultOFN.clear();
  info.CfgLogFileName.clear();
  info.CfgErrorFileName = "Culler-Error.txt";
}

void ResetEngineState() {
  TEngineState& eng = Eng();
  eng.Record.clear();
  eng.PreviousRecord.clear();
  eng.RecordCount = "0";
  eng.InputType = FileType::Text;
  eng.OutputType = FileType::Text;
  eng.InputIsNone = false;
  eng.OutputIsNone = false;
  eng.BytesOut = 0;
  eng.BytesOutCount = "0";
  eng.CancelRequested = false;
  eng.InternalCall = false;
  eng.ErrorOccurred = false;
  eng.ErrorKind = 0;
  eng.TestModeOn = false;
  eng.CurrentCommand = Cmd::Undetermined;
}

}  // namespace

IoTest::IoTest() {
  setenv("GLEANER_HOME", home_.Path().c_str(), 1);
  InitHomeFolder("");
  ResetEngineInfo();
  ResetEngineState();
}

IoTest::~IoTest() {
  try {
    EndRun();
  } catch (const std::exception&) {
  }
  try {
    CloseEngine();
  } catch (const std::exception&) {
  }
  unsetenv("GLEANER_HOME");
}

std::vector<std::string> IoTest::CopyRun(const std::string& input, const std::string& output) {
  OpenEngine(input, output);
  std::vector<std::string> records;
  do {
    Eng().RecordCount = "0";
    while (ReadNextRecord()) {
      records.push_back(Eng().Record);
      OutEnd(Eng().Record);
    }
  } while (NextInputFile());
  CloseEngine();
  return records;
}

std::vector<std::string> IoTest::ReadAll() {
  std::vector<std::string> records;
  while (ReadNextData()) records.push_back(Eng().Record);
  return records;
}

}  // namespace gleaner::testing
