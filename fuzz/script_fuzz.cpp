// Feeds arbitrary script text to the compiler and runs what compiles over a
// small input, with a budget per input enforced through the event pump
// (every script line pumps once, and so do long commands now and then):
// past 20,000 pumps, 1 MiB of output or 2 seconds the run is cancelled, so
// loops the language allows (Begin ... Again for ever, output for ever) end
// quietly and only a command that never returns ends the fuzzing. A small
// lookup file, LufFuzz.txt, lies beside the input for LookupFile, Lookup and
// MassChange; the seeds in seeds/script use it.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "platform/ports.h"
#include "script/gleaner_script.h"

namespace {

using namespace gleaner;

constexpr int kLineBudget = 20000;
constexpr std::int64_t kOutputBudget = 1 << 20;
constexpr auto kTimeBudget = std::chrono::seconds(2);

class BudgetPump : public IEventPump {
 public:
  void PumpEvents() override {
    const bool spent = ++calls > kLineBudget || Eng().BytesOut > kOutputBudget ||
                       std::chrono::steady_clock::now() > deadline;
    if (spent) Eng().CancelRequested = true;
  }
  void Start() {
    calls = 0;
    deadline = std::chrono::steady_clock::now() + kTimeBudget;
  }
  int calls = 0;
  std::chrono::steady_clock::time_point deadline;
};

class QuietNotice : public INotice {
 public:
  void ShowNotice(const std::string&, const std::string&) override {}
};

std::string& Folder() {
  static std::string folder = [] {
    char pattern[] = "/tmp/gleaner-script-fuzz-XXXXXX";
    std::string path = std::string(mkdtemp(pattern)) + "/";
    std::ofstream(path + "In.txt") << "alpha,beta,12\r\ngamma,,3.5\r\n\r\nlast line";
    std::ofstream(path + "LufFuzz.txt") << "; key, data, code\r\nalpha, one, 1\r\nBeta, \"two, 2\", 2\r\n"
                                           "gamma,,3\r\n,empty key,0\r\na, b, 5\r\n";
    InitHomeFolder(path + "fuzz");
    TEngineInfo& info = EngineInfo();
    info.CfgProgramName = "Culler";
    info.CfgVersion = "2.50.00";
    info.CfgInputFileType = "Text";
    info.CfgOutputFileType = "Text";
    info.CfgErrorFileName = "Culler-Error.txt";
    info.CfgSettableList = "/$CfgCaptionX/$CfgRecLen";
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static BudgetPump pump;
  static QuietNotice notice;
  Ports().EventPump = &pump;
  Ports().Notice = &notice;
  const std::string& folder = Folder();
  const std::string script = folder + "ScrFuzz.txt";
  std::ofstream(script, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
  try {
    CompileScript(script);
  } catch (const EParse&) {
    return 0;
  }
  SetScriptActive(true);
  pump.Start();
  try {
    OpenEngine(folder + "In.txt", folder + "Out.txt");
    BeginRun(true);
    TRunHandlers scriptOnly;
    RunSteps(scriptOnly);
  } catch (const EParse&) {
  } catch (const EParseStop&) {
  } catch (const ENextRecord&) {  // NextRecord can only leave a step run outside Main
  } catch (const ENextStep&) {
  }
  EndRun();
  CloseEngine();
  FreeCompiledScript();
  SetScriptActive(false);
  return 0;
}
