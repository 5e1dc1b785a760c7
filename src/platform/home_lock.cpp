// The home folder's run lock: flock on a file holding the holder's process id.
#include "platform/home_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace gleaner {
namespace {

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
  TFileLock lock(descriptor, [&] { tellWaiting(HolderProcess(descriptor)); }, keepWaiting);
  if (!lock.Held() && lock.Error() == 0) {  // given up
    ::close(descriptor);
    return false;
  }
  // A file system without locks runs unlocked.
  lock_ = std::move(lock);
  descriptor_ = descriptor;
  WriteOwnProcess(descriptor_);
  return true;
}

void THomeLock::Release() {
  if (descriptor_ < 0) return;
  lock_.Release();
  ::close(descriptor_);  // the file stays for the next run
  descriptor_ = -1;
}

}  // namespace gleaner
