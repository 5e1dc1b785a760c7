// Preparing a script for a run, and the configuration-only run of its Config
// section.
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/keywords.h"
#include "engine/lifecycle.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "script/compiler.h"
#include "script/exec_state.h"
#include "script/executor.h"

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
  CompileScript(ExpandName(located));
  const std::string warning = OnceOnlyWarning(CompiledScript());
  if (!warning.empty()) ShowNotice(warning);
}

}  // namespace

bool PrepareScript(const std::string& fileName) {
  Eng().ScriptPhase = "file validation";
  Eng().ScriptLineNumber = 0;
  SetScriptActive(false);
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
  SetScriptActive(true);
  return true;
}

bool RunConfig(const std::string& fileName) {
  if (!PrepareScript(fileName)) return false;
  bool ok = true;
  try {
    OpenEngine("None", "None");
    BeginRun(false);
    try {
      Execute(Cmd::Config);
    } catch (const ENextStep&) {
    }
  } catch (const EParse& e) {
    ReportError(e.what());
    ok = false;
  } catch (const EParseStop& e) {
    if (*e.what() != '\0') {
      ReportError(e.what());
      ok = false;
    }
  }
  EndRun();
  CloseEngine();
  FreeCompiledScript();
  SetScriptActive(false);
  return ok;
}

}  // namespace gleaner
