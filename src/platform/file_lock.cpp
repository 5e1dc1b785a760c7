// Advisory locks with flock: they belong to the open file, not to the
// process, so closing another descriptor of the same file elsewhere in the
// program never drops them, and the system releases them if the process dies.
#include "platform/file_lock.h"

#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

namespace gleaner {
namespace {

constexpr auto kWaitStep = std::chrono::milliseconds(50);

bool TryLock(int fd, int& error) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    error = errno;
    return false;
  }
  return true;
}

}  // namespace

TFileLock::TFileLock(int fd, const std::function<void()>& onWait, const std::function<bool()>& keepWaiting) {
  bool announced = false;
  for (;;) {
    int error = 0;
    if (TryLock(fd, error)) {
      fd_ = fd;
      return;
    }
    if (error != EWOULDBLOCK) {
      error_ = error;
      return;
    }
    if (!announced && onWait) onWait();
    announced = true;
    if (keepWaiting && !keepWaiting()) return;
    std::this_thread::sleep_for(kWaitStep);
  }
}

TFileLock::~TFileLock() { Release(); }

TFileLock::TFileLock(TFileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}

TFileLock& TFileLock::operator=(TFileLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
  }
  return *this;
}

void TFileLock::Release() {
  if (fd_ >= 0) ::flock(fd_, LOCK_UN);
  fd_ = -1;
}

}  // namespace gleaner
