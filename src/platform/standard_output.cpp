#include "platform/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace gleaner {

int FinishStandardOutput(const char* program, int status) {
  errno = 0;
  std::cout.flush();
  bool failed = !std::cout.good();
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) failed = true;
  int error = errno;
  if (std::fclose(stdout) != 0) {
    failed = true;
    if (error == 0) error = errno;
  }
  if (!failed) return status;
  std::fprintf(stderr, "%s: write error on standard output: %s\n", program,
               error != 0 ? std::strerror(error) : "the output was not written");
  return status != 0 ? status : 1;
}

}  // namespace gleaner
