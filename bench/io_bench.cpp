// Times a full copy run through the engine (OpenEngine, ReadNextRecord and
// OutEnd for every record, CloseEngine) on a 100 MB text file, against
// `cat file > out` on the same file (which may copy inside the kernel without
// the bytes ever reaching user space) and against a plain block copy through
// user space, the least any record reader must do. Usage: io_bench [file]; without a file
// one is generated in a temporary folder. Run by hand.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench/bench_common.h"
#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"

namespace {

namespace fs = std::filesystem;

// Lines of 0 to 160 characters, CR LF ended, about `megabytes` in all.
void Generate(const std::string& name, std::size_t megabytes) {
  std::mt19937 random(42);
  std::string block;
  std::ofstream out(name, std::ios::binary);
  const std::size_t total = megabytes * 1000 * 1000;
  for (std::size_t written = 0; written < total; written += block.size()) {
    block.clear();
    while (block.size() < 1 << 20) {
      const std::size_t length = random() % 161;
      for (std::size_t i = 0; i < length; ++i) block += static_cast<char>('a' + random() % 26);
      block += "\r\n";
    }
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
}

void BlockCopy(const std::string& input, const std::string& output) {
  std::FILE* in = std::fopen(input.c_str(), "rb");
  std::FILE* out = std::fopen(output.c_str(), "wb");
  if (in == nullptr || out == nullptr) std::exit(2);
  static char block[128 * 1024];
  std::size_t count = 0;
  while ((count = std::fread(block, 1, sizeof block, in)) > 0) std::fwrite(block, 1, count, out);
  std::fclose(in);
  std::fclose(out);
}

// CPU seconds (user + system) of this process, or of its finished children.
double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::size_t CopyRun(const std::string& input, const std::string& output) {
  std::size_t records = 0;
  gleaner::OpenEngine(input, output);
  while (gleaner::ReadNextRecord()) {
    gleaner::OutEnd(gleaner::Eng().Record);
    ++records;
  }
  gleaner::CloseEngine();
  return records;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder = fs::temp_directory_path() / ("gleaner-io-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  setenv("GLEANER_HOME", folder.c_str(), 1);
  gleaner::InitHomeFolder(argv[0]);
  gleaner::TEngineInfo& info = gleaner::EngineInfo();
  info.CfgVersion = "bench";
  info.CfgInputFileType = "TEXT";
  info.CfgOutputFileType = "TEXT";
  const std::string input = argc > 1 ? fs::absolute(argv[1]).string() : (folder / "input.txt").string();
  if (argc <= 1) Generate(input, 100);
  const double megabytes = static_cast<double>(fs::file_size(input)) / 1e6;
  const std::string output = (folder / "out.txt").string();
  const std::string catOutput = (folder / "cat-out.txt").string();

  // Wall time is what a user sees; CPU time is steadier on a busy machine.
  std::size_t records = 0;
  const double engineCpuBefore = CpuSeconds(RUSAGE_SELF);
  const double engine = gleaner::bench::Seconds([&] { records = CopyRun(input, output); });
  const double engineCpu = CpuSeconds(RUSAGE_SELF) - engineCpuBefore;
  const double cat = gleaner::bench::CommandSeconds("cat '" + input + "' > '" + catOutput + "'");
  const double catCpu = CpuSeconds(RUSAGE_CHILDREN);
  const double block =
      gleaner::bench::Seconds([&] { BlockCopy(input, (folder / "block-out.txt").string()); });
  std::printf("%.1f MB, %zu records\n", megabytes, records);
  gleaner::bench::Report("engine copy run (TEXT -> TEXT)", engine, megabytes);
  gleaner::bench::Report("cat file > out", cat, megabytes);
  gleaner::bench::Report("block copy through user space", block, megabytes);
  gleaner::bench::Report("engine copy run, CPU time", engineCpu, megabytes);
  gleaner::bench::Report("cat (and its shell), CPU time", catCpu, megabytes);
  if (cat > 0)
    std::printf("engine throughput is %.2f of cat's (wall), %.2f (CPU)\n", cat / engine, catCpu / engineCpu);
  std::printf("engine throughput is %.2f of the block copy's\n", block / engine);
  const bool same = fs::file_size(output) == fs::file_size(input);
  std::printf("output size %s the input size\n", same ? "equals" : "DIFFERS FROM");
  fs::remove_all(folder);
  return same ? 0 : 1;
}
