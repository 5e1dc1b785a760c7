// Field extraction benchmark: a script that cuts four fields out of every
// record (Parse with Cut), computes with CalcReal and writes CSV (OutCSV),
// run over a generated 50 MB file, beside mawk and gawk doing the same job on
// the same file. Usage: script_bench [folder] (default /tmp).
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <sys/stat.h>

#include "bench/bench_common.h"
#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "script/gleaner_script.h"

using namespace gleaner;

namespace {

constexpr const char* kScript =
    "; id,name,quantity,price -> id,\"name\",total\n"
    "Rec = $Data\n"
    "Id = Parse Rec '' ',' 'Cut'\n"
    "Name = Parse Rec '' ',' 'Cut'\n"
    "Qty = Parse Rec '' ',' 'Cut'\n"
    "Total = CalcReal Qty * Rec 2\n"
    "OutCSV '' 'Init'\n"
    "OutCSV Id 'Unquoted'\n"
    "OutCSV Name 'Quoted'\n"
    "OutCSV Total 'Unquoted'\n"
    "OutCSV '' 'Done'\n";

constexpr const char* kAwk = "-F, '{ printf \"%s,\\\"%s\\\",%.2f\\r\\n\", $1, $2, $3 * $4 }'";

void Generate(const std::string& name, std::size_t bytes) {
  struct stat st {};
  if (stat(name.c_str(), &st) == 0 && static_cast<std::size_t>(st.st_size) >= bytes) return;
  std::ofstream out(name, std::ios::binary);
  std::mt19937 random(42);
  std::size_t written = 0;
  char line[128];
  for (long id = 1; written < bytes; ++id) {
    const int n = std::snprintf(line, sizeof line, "%ld,Widget %lu,%lu,%lu.%02lu\r\n", id, random() % 5000,
                                random() % 500, random() % 1000, random() % 100);
    out.write(line, n);
    written += static_cast<std::size_t>(n);
  }
}

void RunEngine(const std::string& folder, const std::string& input) {
  OpenEngine(input, folder + "bench-out-engine.csv");
  BeginRun(false);
  TRunHandlers scriptOnly;
  RunSteps(scriptOnly);
  EndRun();
  CloseEngine();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = std::string(argc > 1 ? argv[1] : "/tmp") + "/";
  const std::string input = folder + "bench-fields-50mb.txt";
  Generate(input, 50u << 20);
  const double mb = 50.0;
  InitHomeFolder(folder + "bench");
  TEngineInfo& info = EngineInfo();
  info.CfgProgramName = "Bench";
  info.CfgVersion = "1";
  info.CfgInputFileType = info.CfgOutputFileType = "Text";
  std::ofstream(folder + "ScrBench.txt") << kScript;
  SetErrorReporter([](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); });
  if (!PrepareScript(folder + "ScrBench.txt")) return 1;
  try {
    bench::Report("engine script (Parse/CalcReal/OutCSV)", bench::Seconds([&] { RunEngine(folder, input); }), mb);
  } catch (const EParse& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  for (const char* awk : {"mawk", "gawk"}) {
    const std::string command =
        std::string(awk) + " " + kAwk + " " + input + " > " + folder + "bench-out-" + awk + ".csv";
    bench::Report(awk, bench::CommandSeconds(command), mb);
  }
  return 0;
}
