// Locked output files. The lock belongs to the file (its inode), not to the
// name, and replacing an output renames the old file away, so a run that got
// the lock checks that its file still has the output's name and starts over
// when it lost the race to a rotation. A new file is made nameless first
// (O_TMPFILE), locked, and only then linked under the output's name, so no
// other run can open it unlocked; linking fails when another run created the
// name in the meantime, and the run starts over, after that run.
#include "engine/locked_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/writer.h"
#include "foundation/search_path.h"
#include "platform/cancel_signals.h"
#include "platform/file_lock.h"
#include "platform/ports.h"

namespace gleaner {
namespace {

constexpr char kCtrlZ = 26;
constexpr int kOpenFlags = O_WRONLY | O_CLOEXEC;

TFileLock gOutputLock;

std::string FolderOf(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : name.substr(0, slash);
}

// Takes the lock on fd, waiting for another run if need be (said once).
TFileLock LockOrCancel(int fd, const std::string& shownName) {
  const std::string note = "Waiting for another run to finish writing " + shownName;
  TFileLock lock(
      fd,
      [&note] {
        Eng().Note = note;
        Ports().Notice->ShowStatus(EngineInfo().CfgProgramName, note);
      },
      [] {
        Ports().EventPump->PumpEvents();
        return !CancelSignalled();
      });
  if (!lock.Held() && lock.Error() == 0) {
    ::close(fd);
    CancelProcessing();
  }
  return lock;
}

bool StillNamed(int fd, const std::string& name) {
  struct stat byFd {}, byName {};
  return ::fstat(fd, &byFd) == 0 && ::stat(name.c_str(), &byName) == 0 && byFd.st_dev == byName.st_dev &&
         byFd.st_ino == byName.st_ino;
}

void DropFinalCtrlZ(int fd) {
  struct stat status {};
  char last = 0;
  if (::fstat(fd, &status) != 0 || status.st_size == 0) return;
  if (::pread(fd, &last, 1, status.st_size - 1) == 1 && last == kCtrlZ) {
    if (::ftruncate(fd, status.st_size - 1) != 0) return;
  }
}

// A new empty file under name, locked from its birth. -1 with errno EEXIST
// when the name was taken meanwhile.
int CreateLocked(const std::string& name, const std::string& shownName, int flags, TFileLock& lock) {
  int fd = ::open(FolderOf(name).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
  if (fd < 0) {
    // A file system without nameless files: the name, then the lock.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return -1;
    fd = ::open(name.c_str(), flags | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) lock = LockOrCancel(fd, shownName);
    return fd;
  }
  lock = LockOrCancel(fd, shownName);
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
    const int error = errno;
    lock.Release();
    ::close(fd);
    errno = error;
    return -1;
  }
  if (flags & O_APPEND) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_APPEND);
  return fd;
}

}  // namespace

int OpenLockedOutput(const std::string& name, const std::string& shownName, bool appending, bool dropCtrlZ) {
  ReleaseOutputLock();
  // An append reads the last byte (the Ctrl-Z rule), as the update mode did.
  const int flags = appending ? O_RDWR | O_APPEND | O_CLOEXEC : kOpenFlags;
  for (;;) {
    TFileLock lock;
    int fd = ::open(name.c_str(), flags | O_NONBLOCK);
    if (fd < 0 && errno != ENOENT) return -1;
    if (fd < 0) {
      fd = CreateLocked(name, shownName, flags, lock);
      if (fd < 0 && errno == EEXIST) continue;
      if (fd < 0) return -1;
    } else {
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      // A file system without locks is written unlocked, as before.
      lock = LockOrCancel(fd, shownName);
      if (lock.Held() && !StillNamed(fd, name)) {
        lock.Release();
        ::close(fd);
        continue;
      }
      if (!appending) {
        MakeBackup(shownName);
        TFileLock fresh;
        const int created = CreateLocked(name, shownName, flags, fresh);
        lock.Release();
        ::close(fd);
        if (created < 0 && errno == EEXIST) continue;
        if (created < 0) return -1;
        fd = created;
        lock = std::move(fresh);
      } else if (dropCtrlZ) {
        DropFinalCtrlZ(fd);
      }
    }
    gOutputLock = std::move(lock);
    return fd;
  }
}

void ReleaseOutputLock() { gOutputLock.Release(); }

}  // namespace gleaner
