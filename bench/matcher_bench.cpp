// Times the pattern matcher on a record of the largest size the engine reads
// (2,048,000 characters) with patterns of several stars, including ones that
// would make a memoryless backtracker run for ever. Run by hand.
#include <chrono>
#include <cstdio>
#include <string>

#include "engine/gleaner_engine.h"

namespace {

struct Run {
  const char* label;
  const char* pattern;
  bool last;
};

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

std::string Record(std::size_t size) {
  std::string record;
  record.reserve(size);
  const std::string words = "alpha beta gamma delta 12345 epsilon ";
  while (record.size() < size) record += words;
  record.resize(size);
  return record;
}

}  // namespace

int main() {
  const std::string record = Record(2048000);
  const std::string same(2048000, 'a');
  const Run runs[] = {
      {"no match, three stars", "a.*b.*c.*Q", false},
      {"whole record", "^.*$", false},
      {"last match", "[a-z]*a [b-z]*", true},
      {"class and star", "[0-9][0-9]*x", false},
  };
  double worst = 0;
  for (const Run& run : runs) {
    const auto start = std::chrono::steady_clock::now();
    const std::string program = gleaner::CompilePattern(run.pattern);
    const gleaner::TPatternMatch m =
        run.last ? gleaner::SearchLast(program, record, 1, true) : gleaner::Search(program, record, 1, true);
    const double s = Seconds(std::chrono::steady_clock::now() - start);
    worst = s > worst ? s : worst;
    std::printf("%-24s %-18s pos %8lld len %8lld  %8.3f s\n", run.label, run.pattern,
                static_cast<long long>(m.Position), static_cast<long long>(m.Length), s);
  }
  const char* hard[] = {"a*a*a*a*b", ".*a.*a.*a.*b"};
  for (const char* pattern : hard) {
    const auto start = std::chrono::steady_clock::now();
    const gleaner::TPatternMatch m = gleaner::Search(gleaner::CompilePattern(pattern), same, 1, true);
    const double s = Seconds(std::chrono::steady_clock::now() - start);
    worst = s > worst ? s : worst;
    std::printf("%-24s %-18s pos %8lld len %8lld  %8.3f s\n", "all 'a', no match", pattern,
                static_cast<long long>(m.Position), static_cast<long long>(m.Length), s);
  }
  std::printf("slowest: %.3f s\n", worst);
  return worst < 1.0 ? 0 : 1;
}
