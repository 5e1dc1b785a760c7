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

void WriteFile(const std::string& name, const std::string& bytes);
std::string ReadFile(const std::string& name);
bool FileExists(const std::string& name);

}  // namespace gleaner::testing
