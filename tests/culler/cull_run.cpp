// Running the culling handlers end to end for the tests.
#include "culler/cull_run.h"

#include <cstdlib>

#include "culler/culling_handlers.h"
#include "culler/program_info.h"
#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/process_log.h"
#include "foundation/search_path.h"
#include "script/compiler.h"
#include "script/executor.h"

namespace gleaner::testing {
namespace {

void ReplaceEvery(std::string& text, const std::string& find, const std::string& by) {
  for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, at + by.size())) {
    text.replace(at, find.size(), by);
  }
}

// Cuts the date and time off the banner lines and names the folder "<dir>/".
std::string MaskedLog(std::string log, const std::string& folder) {
  for (const std::string banner : {"Processing started ", "Processing ended "}) {
    const std::size_t at = log.find(banner);
    if (at == std::string::npos) continue;
    log.erase(at + banner.size() - 1, log.find("\r\n", at) - (at + banner.size() - 1));
  }
  ReplaceEvery(log, folder, "<dir>/");
  return log;
}

}  // namespace

void CullRun::SetUp() {
  unsetenv("GLEANER_HOME");
  InitHomeFolder(folder.File("culler"));
  FillProgramInfo();
  EngineInfo().CfgLogFileName.clear();
  EngineInfo().CfgErrorFileName = "Culler-Error.txt";
  ASSERT_TRUE(PrepareScript("None"));
}

void CullRun::TearDown() {
  FreeCompiledScript();
  SetScriptActive(false);
  Eng().OptionX.clear();
  Eng().OptionY.clear();
  Eng().OptionZ.clear();
}

void CullRun::UseScript(const std::string& text) {
  WriteFile(folder.File("ScrTest.txt"), text);
  ASSERT_TRUE(PrepareScript(folder.File("ScrTest.txt")));
}

TCullOutcome CullRun::Cull(const TCullParams& params,
                           const std::vector<std::pair<std::string, std::string>>& inputs,
                           const std::string& inputSpec) {
  for (const auto& [name, bytes] : inputs) WriteFile(folder.File(name), bytes);
  TEngineState& eng = Eng();
  eng.OptionX = params.Keep;
  eng.OptionY = params.Delete;
  eng.OptionZ = params.Controls;
  TCullOutcome outcome;
  OpenEngine(folder.File(inputSpec), folder.File("Out.txt"));
  BeginRun(true);
  try {
    RunSteps(handlers);
  } catch (const EParseStop& stop) {
    outcome.Stopped = stop.what();
  }
  EndRun();
  CloseEngine();
  outcome.Output = ReadFile(folder.File("Out.txt"));
  outcome.Log = MaskedLog(ReadFile(LogFileName()), folder.Path());
  return outcome;
}

TCullOutcome CullRun::CullText(const TCullParams& params, const std::string& input) {
  return Cull(params, {{"In.txt", input}}, "In.txt");
}

std::string ProcessingPart(const std::string& log) {
  const std::string start = "\r\nProcessing\r\n";
  const std::size_t from = log.find(start);
  if (from == std::string::npos) return "(no processing part)";
  const std::size_t begin = from + start.size();
  const std::size_t end = log.find("\r\n====", begin);
  return end == std::string::npos ? log.substr(begin) : log.substr(begin, end - begin);
}

}  // namespace gleaner::testing
