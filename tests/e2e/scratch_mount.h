// A small tmpfs mounted for one test (a full disk, a read-only file system),
// unmounted again afterwards. Mounting needs root; where the machine does not
// allow it, Mounted() is false and Why() says why, for the skip message.
#pragma once

#include <string>

namespace gleaner::testing {

class ScratchMount {
 public:
  // Mounts a tmpfs of sizeKiB at folder (which must exist; with or without a final "/").
  ScratchMount(const std::string& folder, int sizeKiB);
  ~ScratchMount();
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }
  // Makes the mount read-only (remount); false when that fails.
  bool MakeReadOnly();
  // Writes a filler file until the file system is full (never more than the
  // mount's size, so a mistake cannot fill another disk).
  void Fill() const;

 private:
  std::string folder_;  // ends with "/"
  int sizeKiB_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace gleaner::testing
