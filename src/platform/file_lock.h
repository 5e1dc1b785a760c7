// An advisory lock on an open file, held for the lifetime of the object: two
// processes that lock the same file take turns. Waiting is announced once
// through a callback, and a second callback may give the wait up (a Cancel).
//
//   TFileLock lock(fd, [] { std::fputs("waiting\n", stderr); }, [] { return !Cancelled(); });
//   if (!lock.Held()) ...  // given up, or the file system refused the lock
#pragma once

#include <functional>

namespace gleaner {

class TFileLock {
 public:
  TFileLock() = default;
  // Locks fd exclusively. onWait runs once, before the first wait;
  // keepWaiting is asked between waits (every 50 ms), and false gives up.
  TFileLock(int fd, const std::function<void()>& onWait, const std::function<bool()>& keepWaiting = {});
  ~TFileLock();
  TFileLock(TFileLock&& other) noexcept;
  TFileLock& operator=(TFileLock&& other) noexcept;
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  // The system's error number when the lock could not be taken (0 when given up).
  int Error() const { return error_; }
  // Unlocks now; the file stays open (the caller owns fd).
  void Release();

 private:
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace gleaner
