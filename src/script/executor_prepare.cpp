// PrepareScript (executor.h): preparing a script for a run, with its name
// checks, compilation and activation.
#include "engine/bytes_out_count.h"
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

bool Names(const TParm* p, const std::string* text) {
  if (p == nullptr) return false;
  const auto at = [text](const TValue* v) { return v != nullptr && v->ValueRef == text; };
  return at(p->Value) || at(p->ArrayBase) || at(p->ArrayIndex);
}

// Whether any line of the script names the variable whose text is text:
// names are resolved when compiling, so no line reaches it otherwise.
bool ScriptNames(TCompiledScript& script, const std::string* text) {
  for (const TScriptLine& line : script.Lines) {
    if (Names(line.Target, text) || Names(line.IfLeft, text) || Names(line.IfRight, text)) return true;
    for (const TParm* p = line.FirstParm; p != nullptr; p = p->Next) {
      if (Names(p, text)) return true;
    }
  }
  return false;
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
  KeepBytesOutCount(true);
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
  KeepBytesOutCount(ScriptNames(CompiledScript(), &Eng().BytesOutCount));
  SetScriptActive(true);
  return true;
}

}  // namespace gleaner
