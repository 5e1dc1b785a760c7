// The home folder's run lock: flock on a file holding the holder's process id.
#include "platform/home_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <chrono>
#include <string>
#include <thread>

namespace gleaner {
namespace {

constexpr auto kRetryInterval = std::chrono::milliseconds(50);

long HolderProcess(int descriptor) {
  char digits[32] = {};
  const ssize_t count = ::pread(descriptor, digits, sizeof digits - 1, 0);
  return count > 0 ? std::strtol(digits, nullptr, 10) : 0;
}

void WriteOwnProcess(int descriptor) {
  const std::string text = std::to_string(static_cast<long>(::getpid())) + "\n";
  if (::ftruncate(descriptor, 0) == 0) (void)!::pwrite(descriptor, text.data(), text.size(), 0);
}

}  // namespace

bool THomeLock::Acquire(const std::string& lockFile, const std::function<void(long)>& tellWaiting,
                        const std::function<bool()>& keepWaiting) {
  Release();
  const int descriptor = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor < 0) return true;  // the run's own files will show the folder's problem
  bool told = false;
  while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) break;  // a file system without locks: run unlocked
    if (!told) tellWaiting(HolderProcess(descriptor));
    told = true;
    if (!keepWaiting()) {
      ::close(descriptor);
      return false;
    }
    std::this_thread::sleep_for(kRetryInterval);
  }
  descriptor_ = descriptor;
  WriteOwnProcess(descriptor_);
  return true;
}

void THomeLock::Release() {
  if (descriptor_ < 0) return;
  ::close(descriptor_);  // drops the lock; the file stays for the next run
  descriptor_ = -1;
}

}  // namespace gleaner
