// Display probing with plain socket connects: no window-system library.
#include "platform/display_probe.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <optional>

#include "platform/environment.h"

namespace gleaner {
namespace {

// Connects a socket of `family` to `address`; true when something accepted.
bool Connects(int family, const sockaddr* address, socklen_t length) {
  const int fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool connected = connect(fd, address, length) == 0;
  close(fd);
  return connected;
}

// `path` on the file system, or in the abstract namespace with `abstract`.
bool UnixSocketAnswers(std::string_view path, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const size_t offset = abstract ? 1 : 0;
  if (path.size() + offset >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
  return Connects(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length);
}

bool LoopbackPortAnswers(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return Connects(AF_INET, reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

// The display number of "host:number[.screen]", or nothing.
std::optional<int> DisplayNumber(std::string_view afterColon) {
  const std::string_view digits = afterColon.substr(0, afterColon.find('.'));
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || number > 59535) return std::nullopt;
  return number;
}

}  // namespace

bool X11DisplayAnswers(std::string_view display, const std::string& socketFolder) {
  if (display.starts_with('/')) return UnixSocketAnswers(display, false);
  const size_t colon = display.rfind(':');
  if (colon == std::string_view::npos) return false;
  const std::optional<int> number = DisplayNumber(display.substr(colon + 1));
  if (!number) return false;
  std::string_view host = display.substr(0, colon);
  if (const size_t slash = host.find('/'); slash != std::string_view::npos) host = host.substr(slash + 1);
  if (host.empty() || host == "unix") {
    const std::string path = socketFolder + "/X" + std::to_string(*number);
    return UnixSocketAnswers(path, false) || UnixSocketAnswers(path, true);
  }
  if (host == "localhost" || host == "127.0.0.1") return LoopbackPortAnswers(6000 + *number);
  return true;
}

bool WaylandDisplayAnswers(std::string_view display, std::string_view runtimeFolder) {
  if (display.starts_with('/')) return UnixSocketAnswers(display, false);
  if (runtimeFolder.empty()) return false;
  return UnixSocketAnswers(std::string(runtimeFolder) + "/" + std::string(display), false);
}

bool DisplayAnswers() {
  if (!EnvironmentValue("QT_QPA_PLATFORM").empty()) return true;
  const std::string wayland = EnvironmentValue("WAYLAND_DISPLAY");
  if (!wayland.empty() && WaylandDisplayAnswers(wayland, EnvironmentValue("XDG_RUNTIME_DIR"))) return true;
  const std::string x11 = EnvironmentValue("DISPLAY");
  return !x11.empty() && X11DisplayAnswers(x11);
}

}  // namespace gleaner
