// Stream names, devices and links as inputs and outputs.
#include "engine/pass_through.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>

#include "platform/file_search.h"

namespace gleaner {
namespace {

struct TStreamName {
  std::string_view Name;
  int Descriptor;
};
constexpr TStreamName kStreamNames[] = {{"/dev/stdin", 0}, {"/dev/stdout", 1}, {"/dev/stderr", 2}};
constexpr std::string_view kDescriptorFolders[] = {"/dev/fd/", "/proc/self/fd/"};
// Links deeper than this are a loop; the system refuses them too.
constexpr int kMaxLinkHops = 40;

int DescriptorNumber(std::string_view digits) {
  int number = -1;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return error == std::errc() && end == digits.data() + digits.size() && !digits.empty() ? number : -1;
}

}  // namespace

int StreamDescriptor(std::string_view name, bool output) {
  if (name == "-") return output ? 1 : 0;
  for (const TStreamName& stream : kStreamNames) {
    if (name == stream.Name) return stream.Descriptor;
  }
  for (std::string_view folder : kDescriptorFolders) {
    if (name.starts_with(folder)) return DescriptorNumber(name.substr(folder.size()));
  }
  return -1;
}

int StreamDescriptorThroughLinks(std::string_view name, bool output) {
  int descriptor = StreamDescriptor(name, output);
  std::filesystem::path at = SystemName(name);
  for (int hop = 0; descriptor < 0 && hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(at, error))) break;
    std::filesystem::path next = std::filesystem::read_symlink(at, error);
    if (error) break;
    if (next.is_relative()) next = at.parent_path() / next;
    descriptor = StreamDescriptor(next.string(), output);
    at = std::move(next);
  }
  return descriptor;
}

bool IsStreamName(std::string_view name) { return StreamDescriptor(name, false) >= 0; }

std::string StreamShownName(std::string_view name, bool output) {
  const int descriptor = StreamDescriptor(name, output);
  if (descriptor == 0) return std::string(kStandardInputName);
  if (descriptor == 1) return std::string(kStandardOutputName);
  return std::string(name);
}

std::FILE* OpenStream(int descriptor, bool output) {
  const int copy = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
  if (copy < 0) return nullptr;
  std::FILE* file = ::fdopen(copy, output ? "wb" : "rb");
  if (file == nullptr) {
    const int error = errno;
    ::close(copy);
    errno = error;
    return nullptr;
  }
  if (output) std::setvbuf(file, nullptr, _IONBF, 0);
  return file;
}

bool IsReadThroughName(std::string_view name) {
  if (IsStreamName(name)) return true;
  struct stat status {};
  return ::stat(SystemName(name).c_str(), &status) == 0 && S_ISCHR(status.st_mode);
}

// Link by link rather than canonical(), so a link to a file not yet made
// still names that file; a loop of links is left for the open to refuse.
std::string BackupSubject(const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path given = SystemName(name);
  fs::path path = given;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
    const fs::path target = fs::read_symlink(path, error);
    if (error) return name;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path == given ? name : path.lexically_normal().string();
}

}  // namespace gleaner
