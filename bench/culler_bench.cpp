// Times the culler program on a generated 100 MB log-like file with the keep
// list "/cat/moose" and the delete list "/dog/elk" (no script), against
//   LC_ALL=C grep -i -F -e cat -e moose | LC_ALL=C grep -v -i -F -e dog -e elk
// on the same file in the same run, and checks that both give the same lines.
// Target: culler at most twice the pipeline's time.
// Usage: culler_bench [megabytes]. Run by hand.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench/bench_common.h"

namespace {

namespace fs = std::filesystem;

// Log lines of a made-up service; about one in six mentions an animal, in
// varying letter case, so both lists have work to do.
void Generate(const std::string& name, std::size_t megabytes) {
  static const char* const kLevels[] = {"INFO", "WARN", "DEBUG", "ERROR"};
  static const char* const kWords[] = {"request", "served", "cache",  "miss",    "user",
                                       "session", "opened", "closed", "payload", "retry",
                                       "timeout", "queue",  "worker", "flushed"};
  static const char* const kAnimals[] = {"cat", "Moose", "dog", "ELK", "Cat", "moose", "doG", "elk", "CAT"};
  std::mt19937 random(7);
  std::ofstream out(name, std::ios::binary);
  std::string line;
  const std::size_t total = megabytes * 1000 * 1000;
  for (std::size_t written = 0; written < total; written += line.size()) {
    line = "2026-03-" + std::to_string(10 + random() % 20) + " 12:" + std::to_string(10 + random() % 50) +
           ":" + std::to_string(10 + random() % 50) + " " + kLevels[random() % 4] + " [worker-" +
           std::to_string(random() % 16) + "]";
    const int words = 6 + static_cast<int>(random() % 12);
    for (int i = 0; i < words; ++i) {
      line += ' ';
      line += random() % 40 == 0 ? kAnimals[random() % 9] : kWords[random() % 14];
    }
    line += "\r\n";
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
  }
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

int main(int argc, char** argv) {
  using namespace gleaner::bench;
  const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
  const fs::path folder = fs::temp_directory_path() / ("culler-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const std::string input = (folder / "big-log.txt").string();
  const std::string cullerOut = (folder / "culler-out.txt").string();
  const std::string grepOut = (folder / "grep-out.txt").string();
  Generate(input, megabytes);
  const double size = static_cast<double>(fs::file_size(input)) / 1e6;

  const std::string culler = "GLEANER_HOME=" + Quoted(folder.string()) + " " + Quoted(GLEANER_CULLER_PATH) +
                             " /I" + Quoted(input) + " /O" + Quoted(cullerOut) +
                             " /SNone /X/cat/moose /Y/dog/elk /Z /EN /AN /R /CA";
  const std::string grep = "LC_ALL=C grep -i -F -e cat -e moose " + Quoted(input) +
                           " | LC_ALL=C grep -v -i -F -e dog -e elk > " + Quoted(grepOut);
  CommandSeconds(grep);  // warm the page cache for both
  const double grepSeconds = CommandSeconds(grep);
  const double cullerSeconds = CommandSeconds(culler);

  std::printf("input: %.1f MB\n", size);
  Report("grep -F | grep -v -F", grepSeconds, size);
  Report("culler /X/cat/moose /Y/dog/elk", cullerSeconds, size);
  const bool same = CommandSeconds("cmp -s " + Quoted(cullerOut) + " " + Quoted(grepOut)) >= 0;
  std::printf("outputs %s\n", same ? "identical" : "DIFFER");
  if (grepSeconds > 0 && cullerSeconds > 0) {
    const double ratio = cullerSeconds / grepSeconds;
    std::printf("culler / grep pipeline: %.2f (target at most 2.00: %s)\n", ratio,
                ratio <= 2.0 ? "met" : "missed");
  }
  fs::remove_all(folder);
  return same ? 0 : 1;
}
