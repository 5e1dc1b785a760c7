// The run lock of a home folder. Runs that share a home folder (cron,
// "xargs -P", the form beside a batch job) share its processing log and
// error log, so one run at a time holds them: from before the old logs are
// deleted and the new log is created until the run's reports are written.
// The lock is an advisory lock (flock) on a small file in the home folder
// that holds the holder's process id; the system drops it when the holder
// ends, however it ends, so a crashed run never blocks the next one.
//
//   THomeLock lock;
//   if (!lock.Acquire(home + "Culler.lock", tellWaiting, pump)) return;  // given up
//   ... the run ...                                                    // released by ~THomeLock
#pragma once

#include <functional>
#include <string>

#include "platform/file_lock.h"

namespace gleaner {

class THomeLock {
 public:
  THomeLock() = default;
  ~THomeLock() { Release(); }
  THomeLock(const THomeLock&) = delete;
  THomeLock& operator=(const THomeLock&) = delete;

  // Waits until the lock is held. While another run holds it, tellWaiting
  // gets that run's process id (0 when unknown) once, and keepWaiting runs
  // between tries: false gives up (Acquire is then false). A lock file that
  // cannot be made at all does not stop the run: true, without a lock.
  bool Acquire(const std::string& lockFile, const std::function<void(long)>& tellWaiting,
               const std::function<bool()>& keepWaiting);
  void Release();
  bool Held() const { return descriptor_ >= 0; }

 private:
  int descriptor_ = -1;
  TFileLock lock_;
};

}  // namespace gleaner
