// ResetEngineForTest: the engine's state as at program start.
#include "support/engine_reset.h"

#include "engine/engine_info.h"
#include "engine/engine_state.h"

namespace gleaner::testing {

void ResetEngineForTest() {
  TEngineInfo& info = EngineInfo();
  info.CfgLogFileName.clear();
  info.CfgErrorFileName.clear();
  info.CfgSupportFiles.clear();
  info.CfgOutputFileMask.clear();
  TEngineState& eng = Eng();
  eng.ErrorKind = 0;
  eng.ErrorOccurred = false;
  eng.CancelRequested = false;
  eng.TestModeOn = false;
  eng.Note.clear();
  eng.ActualIFN.clear();
  eng.ActualOFN.clear();
  eng.RecordCount.assign(1, '0');  // (assigning the literal trips a false GCC 12 warning)
  eng.BytesOut = 0;
}

}  // namespace gleaner::testing
