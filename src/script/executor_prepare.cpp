// PrepareScript (executor.h): preparing a script for a run, with its name
// checks, compilation and activation.
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/keywords.h"
#include "engine/run_encoding.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "script/compiler.h"
#include "script/exec_state.h"
#include "script/executor.h"
#include "script/once_only_notice.h"

namespace gleaner {
namespace {

bool MeansNoScript(const std::string& name) {
  return name.empty() || name == kNone || name == kNotUsedMarker;
}

void ValidateAndCompile(const std::string& fileName) {
  if (fileName.find_first_of("?*;") != std::string::npos) {
    RaiseEngineError(kErrCompile, "You cannot use the wildcard characters ? * ; in the script file name", fileName);
  }
  std::string located = fileName;
  if (!LocateFile(located, false, false)) RaiseEngineError(kErrCompile, "Script file not found", fileName);
  const std::string fullName = ExpandName(located);
  CompileScript(fullName);
  NoticeOnceOnlyVariables(CompiledScript(), fullName);
}

}  // namespace

bool PrepareScript(const std::string& fileName) {
  Eng().ScriptPhase = "file validation";
  Eng().ScriptLineNumber = 0;
  SetScriptActive(false);
  RunChoices().ScriptFile = "None";
  if (MeansNoScript(fileName)) {
    FreeCompiledScript();
    CompiledScript().FileName = "None";
    return true;
  }
  try {
    ValidateAndCompile(fileName);
  } catch (const EParse& e) {
    ReportError(e.what());
    return false;
  }
  // The automatic encoding asks whether the script's own text is UTF-8.
  RunChoices().ScriptFile = CompiledScript().FileName;
  SetScriptActive(true);
  return true;
}

}  // namespace gleaner
