#include "platform/helper_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/shell_port.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::TempFolder;
using testing::WriteFile;

void WriteProgram(const std::string& name, mode_t mode = 0755) {
  std::filesystem::create_directories(std::filesystem::path(name).parent_path());
  WriteFile(name, "#!/bin/sh\n");
  chmod(name.c_str(), mode);
}

// A build keeps the helper beside the program, an install in libexec/gleaner/.
TEST(HelperProgram, FoundBesideTheProgramFirstThenInTheInstalledHelperFolder) {
  TempFolder root;
  const std::string bin = root.File("bin/");
  const std::string installed = root.File("libexec/gleaner/culler-desktop");
  WriteProgram(bin + "culler");
  EXPECT_EQ(FindHelperProgram(bin, "culler-desktop"), "");
  WriteProgram(installed);
  EXPECT_EQ(FindHelperProgram(bin, "culler-desktop"), installed);
  WriteProgram(bin + "culler-desktop");
  EXPECT_EQ(FindHelperProgram(bin, "culler-desktop"), bin + "culler-desktop");
}

TEST(HelperProgram, AFileThatCannotRunOrAFolderIsNoHelper) {
  TempFolder root;
  const std::string bin = root.File("bin/");
  WriteProgram(bin + "culler-desktop", 0644);
  std::filesystem::create_directories(root.File("libexec/gleaner/culler-desktop"));
  EXPECT_EQ(FindHelperProgram(bin, "culler-desktop"), "");
}

// The helper acts for culler: the browser and the shipped files are looked
// for by culler, not in the helper folder.
TEST(HelperProgram, ActsForAnAbsoluteExistingProgramOnly) {
  const std::string own = RunningProgramFile();
  ActForProgram("culler");
  ActForProgram("/no/such/culler");
  EXPECT_EQ(RunningProgramFile(), own);
  TempFolder root;
  WriteProgram(root.File("bin/culler"));
  ActForProgram(root.File("bin/culler"));
  EXPECT_EQ(RunningProgramFile(), root.File("bin/culler"));
  EXPECT_EQ(RunningProgramFolder(), root.File("bin/"));
  ActForProgram(own);  // the other tests see the test program again
}

}  // namespace
}  // namespace gleaner
