// Makes a folder the current folder, as a shell started in it would, so
// names without a folder mean that folder; the destructor goes back.
//
//   TempFolder home;
//   CurrentFolderScope inHome{home.Path()};
#pragma once

#include <string>

namespace gleaner::testing {

class CurrentFolderScope {
 public:
  explicit CurrentFolderScope(const std::string& folder);
  ~CurrentFolderScope();
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

 private:
  std::string saved_;
};

}  // namespace gleaner::testing
