#include "platform/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace gleaner {

int FinishStandardOutput(const char* program, int status) {
  errno = 0;
  std::cout.flush();  // flushes stdout too: the stream writes through it
  bool failed = !std::cout.good();
  int error = errno;
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) failed = true;
  if (error == 0) error = errno;
  if (std::fclose(stdout) != 0) {
    failed = true;
    if (error == 0) error = errno;
  }
  if (!failed) return status;
  // The reason is known only when the failing write was this flush.
  if (error != 0) {
    std::fprintf(stderr, "%s: write error on standard output: %s\n", program, std::strerror(error));
  } else {
    std::fprintf(stderr, "%s: write error on standard output\n", program);
  }
  return status != 0 ? status : 1;
}

}  // namespace gleaner
