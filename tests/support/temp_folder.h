// A temporary folder for one test, removed with everything in it afterwards,
// with helpers to write and read whole files as bytes.
#pragma once

#include <string>

namespace gleaner::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending with "/".
  const std::string& Path() const { return path_; }
  // Path() + name.
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Makes a folder the current folder, as a shell started in it would, so
// names without a folder mean that folder; the destructor goes back.
class CurrentFolderScope {
 public:
  CurrentFolderScope();
  explicit CurrentFolderScope(const std::string& folder) : CurrentFolderScope() { Enter(folder); }
  ~CurrentFolderScope();
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

  void Enter(const std::string& folder);

 private:
  std::string saved_;
};

void WriteFile(const std::string& name, const std::string& bytes);
std::string ReadFile(const std::string& name);
bool FileExists(const std::string& name);

}  // namespace gleaner::testing
