#include "platform/display_probe.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace gleaner {
namespace {

namespace fs = std::filesystem;

// A listening socket, closed at the end of the test.
struct TListener {
  int fd = -1;
  ~TListener() {
    if (fd >= 0) close(fd);
  }
  bool ListenUnix(const std::string& path) {
    fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    return bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 4) == 0;
  }
  bool ListenLoopback(int port) {
    fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 4) == 0;
  }
};

class DisplayProbe : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("display-probe-" + std::to_string(getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  fs::path folder;
};

TEST_F(DisplayProbe, LocalX11DisplaysAnswerOnlyWhenTheirSocketListens) {
  TListener server;
  ASSERT_TRUE(server.ListenUnix((folder / "X42").string()));
  for (const char* display : {":42", ":42.0", "unix:42", "unix/unix:42.1"}) {
    EXPECT_TRUE(X11DisplayAnswers(display, folder.string())) << display;
  }
  EXPECT_FALSE(X11DisplayAnswers(":43", folder.string()));
  // A stale socket file left behind by a server that has gone.
  TListener gone;
  ASSERT_TRUE(gone.ListenUnix((folder / "X44").string()));
  close(gone.fd);
  gone.fd = -1;
  EXPECT_FALSE(X11DisplayAnswers(":44", folder.string()));
}

TEST_F(DisplayProbe, UnreadableX11NamesDoNotAnswerAndRemoteHostsAreTrusted) {
  for (const char* display : {"", "42", ":", ":x", ":4x.0", ":-1", "host:"}) {
    EXPECT_FALSE(X11DisplayAnswers(display, folder.string())) << display;
  }
  EXPECT_TRUE(X11DisplayAnswers("far.example:0", folder.string()));
}

TEST_F(DisplayProbe, LocalhostDisplaysAreTriedOnTheirTcpPort) {
  TListener server;
  int number = 50;
  while (number < 100 && !server.ListenLoopback(6000 + number)) {
    close(server.fd);
    ++number;
  }
  ASSERT_LT(number, 100) << "no free port from 6050 to 6099";
  EXPECT_TRUE(X11DisplayAnswers("localhost:" + std::to_string(number) + ".0", folder.string()));
  close(server.fd);
  server.fd = -1;
  EXPECT_FALSE(X11DisplayAnswers("127.0.0.1:" + std::to_string(number), folder.string()));
}

TEST_F(DisplayProbe, WaylandSocketsAreFoundInTheRuntimeFolderOrByFullName) {
  TListener server;
  ASSERT_TRUE(server.ListenUnix((folder / "wayland-7").string()));
  EXPECT_TRUE(WaylandDisplayAnswers("wayland-7", folder.string()));
  EXPECT_TRUE(WaylandDisplayAnswers((folder / "wayland-7").string(), ""));
  EXPECT_FALSE(WaylandDisplayAnswers("wayland-8", folder.string()));
  EXPECT_FALSE(WaylandDisplayAnswers("wayland-7", ""));
}

}  // namespace
}  // namespace gleaner
