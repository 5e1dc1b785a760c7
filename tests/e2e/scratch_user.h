// A second user for one test, removed again afterwards. Adding a user needs
// root and useradd; where the machine does not allow it, Added() is false
// and Why() says why, for the skip message.
#pragma once

#include <string>

namespace gleaner::testing {

class ScratchUser {
 public:
  ScratchUser();
  ~ScratchUser();
  ScratchUser(const ScratchUser&) = delete;
  ScratchUser& operator=(const ScratchUser&) = delete;

  bool Added() const { return uid_ >= 0; }
  const std::string& Why() const { return why_; }
  int Uid() const { return uid_; }
  int Gid() const { return gid_; }

 private:
  std::string name_;
  bool created_ = false;
  int uid_ = -1;
  int gid_ = -1;
  std::string why_;
};

}  // namespace gleaner::testing
