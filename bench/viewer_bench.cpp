// Loads a generated 50 MB text file through the file viewer's model, the way a
// viewer window does (block by block), with the default line limit of 25,001
// display lines, in plain, word-wrapped markup and noise-suppression modes,
// and once with the largest limit. Run by hand.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_common.h"
#include "viewer/document_loader.h"

namespace {

constexpr std::size_t kFileSize = 50u * 1024 * 1024;

// Lines of 20 to 140 characters, words and numbers, some with markup.
void WriteSample(const std::string& name) {
  std::ofstream out(name, std::ios::binary);
  const std::string words = "alpha beta <B>gamma</B> delta 12345 epsilon, zeta; &amp; eta theta iota kappa ";
  std::string line;
  std::size_t written = 0;
  for (std::size_t n = 0; written < kFileSize; ++n) {
    line.clear();
    const std::size_t length = 20 + (n * 37) % 121;
    while (line.size() < length) line += words;
    line.resize(length);
    line += "\r\n";
    out << line;
    written += line.size();
  }
}

struct TMode {
  const char* label;
  gleaner::TLoadSettings settings;
};

}  // namespace

int main() {
  const std::string name = (std::filesystem::temp_directory_path() / "gleaner_viewer_bench.txt").string();
  WriteSample(name);
  const double megabytes = static_cast<double>(std::filesystem::file_size(name)) / (1024.0 * 1024.0);
  std::printf("file %s, %.1f MB\n", name.c_str(), megabytes);
  TMode modes[] = {
      {"plain, 25,001 lines", {80, 25001, false, false, false, false}},
      {"markup + wrap, 25,001 lines", {80, 25001, false, true, true, false}},
      {"noise suppression, 25,001 lines", {80, 25001, false, false, false, true}},
      {"plain, 100,000 lines", {80, 100000, false, false, false, false}},
  };
  for (const TMode& mode : modes) {
    gleaner::TViewerDocument document;
    std::int64_t bytes = 0;
    const double seconds = gleaner::bench::Seconds([&] {
      gleaner::TDocumentLoader loader(document, mode.settings);
      if (!loader.Open(name)) return;
      while (loader.Step()) {
      }
      loader.Finish({}, false);
      bytes = loader.BytesRead();
    });
    std::printf("%-34s %8.3f s %7d display lines, %6.1f MB read\n", mode.label, seconds,
                document.Display.LineCount(), static_cast<double>(bytes) / (1024.0 * 1024.0));
  }
  std::filesystem::remove(name);
  return 0;
}
