// tmpfs mounts through mount(2), detached on the way out so a failed test
// never leaves the machine changed.
#include "e2e/scratch_mount.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace gleaner::testing {

ScratchMount::ScratchMount(const std::string& folder, int sizeKiB)
    : folder_(folder.ends_with('/') ? folder : folder + "/"), sizeKiB_(sizeKiB) {
  const std::string options = "size=" + std::to_string(sizeKiB) + "k,mode=0777";
  mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
  if (!mounted_) why_ = "cannot mount a tmpfs here (" + std::string(std::strerror(errno)) + "; needs root)";
}

ScratchMount::~ScratchMount() {
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

bool ScratchMount::MakeReadOnly() {
  return ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

void ScratchMount::Fill() const {
  if (!mounted_) return;
  std::FILE* file = std::fopen((folder_ + "filler").c_str(), "wb");
  if (file == nullptr) return;
  const std::string block(4096, 'f');
  for (int written = 0; written < sizeKiB_ / 4 + 1; ++written) {
    if (std::fwrite(block.data(), 1, block.size(), file) != block.size() || std::fflush(file) != 0) break;
  }
  std::fclose(file);
}

}  // namespace gleaner::testing
