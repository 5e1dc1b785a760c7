// Times Culler's runs in a Windows-1252 run and in a UTF-8 run of the same
// ASCII inputs, the text model chosen directly, after checking that both
// write the same bytes:
//   W1  log.txt, keep /cat/moose, delete /dog/elk, no script
//   W2  people.txt to CSV by ScrPeople.txt (Parse, OutCSV)
//   W4  orders.txt by ScrW4.txt (Parse, Calc, Lookup, ChangeCase, comparisons)
// The runs of both models alternate, and the best of RUNS (default 5) counts.
// Usage: encoding_bench WORK, where WORK holds the inputs, the two scripts and
// LufCountries.txt (bench/speed_bench.sh and gen-orders make the data). Run by hand.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "bench/bench_common.h"
#include "culler/culling_handlers.h"
#include "culler/program_info.h"
#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/text_model.h"
#include "script/gleaner_script.h"

namespace {

using namespace gleaner;

struct Workload {
  const char* Name;
  const char* Input;
  const char* Script;  // "None" for none
  const char* Keep;
  const char* Delete;
};

std::string ReadAll(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// One whole run of the workload under the model; the seconds it took.
double Run(const std::string& work, const Workload& w, TextEncoding model, TCullingHandlers& handlers) {
  const std::string script = std::string(w.Script) == "None" ? "None" : work + "/" + w.Script;
  if (!PrepareScript(script)) {
    std::fprintf(stderr, "The script %s did not compile\n", script.c_str());
    std::exit(1);
  }
  Eng().OptionX = w.Keep;
  Eng().OptionY = w.Delete;
  Eng().OptionZ.clear();
  return bench::Seconds([&] {
    OpenEngine(work + "/" + w.Input, work + "/out-" + w.Name + ".txt");
    SelectTextModel(model);
    BeginRun(true);
    RunSteps(handlers);
    EndRun();
    CloseEngine();
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: encoding_bench WORK\n");
    return 2;
  }
  const std::string work = argv[1];
  const int runs = std::getenv("RUNS") != nullptr ? std::atoi(std::getenv("RUNS")) : 5;
  InitHomeFolder(work + "/culler");  // the home folder is the program's
  FillProgramInfo();
  EngineInfo().CfgLogFileName.clear();
  const Workload workloads[] = {
      {"W1", "log.txt", "None", "/cat/moose", "/dog/elk"},
      {"W2", "people.txt", "ScrPeople.txt", "", ""},
      {"W4", "orders.txt", "ScrW4.txt", "", ""},
  };
  TCullingHandlers handlers;
  std::printf("%-4s %14s %14s %7s\n", "", "Windows-1252", "UTF-8", "ratio");
  for (const Workload& w : workloads) {
    const std::string out = work + "/out-" + w.Name + ".txt";
    Run(work, w, TextEncoding::kWindows1252, handlers);
    const std::string win1252Bytes = ReadAll(out);
    Run(work, w, TextEncoding::kUtf8, handlers);
    if (ReadAll(out) != win1252Bytes || win1252Bytes.empty()) {
      std::fprintf(stderr, "%s: the two models wrote different output\n", w.Name);
      return 1;
    }
    double best[2] = {1e9, 1e9};
    for (int r = 0; r < runs; ++r) {
      best[0] = std::min(best[0], Run(work, w, TextEncoding::kWindows1252, handlers));
      best[1] = std::min(best[1], Run(work, w, TextEncoding::kUtf8, handlers));
    }
    std::printf("%-4s %12.3f s %12.3f s %7.3f\n", w.Name, best[0], best[1], best[1] / best[0]);
    std::fflush(stdout);
  }
  SelectTextModel(TextEncoding::kWindows1252);
  return 0;
}
