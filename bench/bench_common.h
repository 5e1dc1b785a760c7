// Helpers shared by the benchmark programs: generated input files, wall-clock
// timing of a callable and of a shell command.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace gleaner::bench {

inline double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs a shell command and returns its wall-clock time, or a negative value
// when it failed (for example, the tool is not installed).
inline double CommandSeconds(const std::string& command) {
  int status = 0;
  const double t = Seconds([&] { status = std::system(command.c_str()); });
  return status == 0 ? t : -1.0;
}

inline void Report(const char* what, double seconds, double megabytes) {
  if (seconds < 0) {
    std::printf("%-34s not available\n", what);
  } else {
    std::printf("%-34s %8.3f s %9.1f MB/s\n", what, seconds, megabytes / seconds);
  }
}

}  // namespace gleaner::bench
