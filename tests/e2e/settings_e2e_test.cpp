// The settings file as a batch caller meets it: a file that cannot be
// replaced never changes the lists given on the command line, showing the
// help changes nothing, and temporary files a crash left are cleaned up.
#include <sys/stat.h>
#include <utime.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "e2e/culler_process.h"
#include "e2e/scratch_mount.h"

namespace gleaner::testing {
namespace {

const std::vector<std::string> kKeepCats = {"/IIn.txt", "/OOut.txt", "/SNone", "/X/cat", "/Y", "/Z", "/EN", "/AN",
                                            "/R"};

void WriteAnimals(const CullerHome& home) { home.Write("In.txt", "cat\r\ndog\r\nbird\r\n"); }

TEST(CullerSettingsFile, UnsavableSettingsKeepTheCommandLineLists) {
  // A folder or a FIFO where the settings file belongs: nothing can be read or saved.
  const auto makeFolder = [](const CullerHome& home) {
    std::filesystem::create_directory(home.File("Culler.ini"));
    return std::string("Is a directory");
  };
  const auto makeFifo = [](const CullerHome& home) {
    mkfifo(home.File("Culler.ini").c_str(), 0600);
    return std::string("Not a regular file");
  };
  for (const auto& make : {+makeFolder, +makeFifo}) {
    CullerHome home;
    WriteAnimals(home);
    const std::string why = make(home);
    SCOPED_TRACE(why);
    const TCullerResult result = home.Run(kKeepCats);
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, "Culler: The settings could not be saved in " + home.File("Culler.ini") + ": " + why +
                              "  \n");  // once
    EXPECT_EQ(home.Read("Out.txt"), "cat\r\n");
  }
}

TEST(CullerSettingsFile, StaleListsOnAReadOnlyDiskAreNotReloaded) {
  CullerHome home;
  std::filesystem::create_directory(home.File("ro"));
  ScratchMount disk(home.File("ro"), 64);
  if (!disk.Mounted()) GTEST_SKIP() << "Read-only settings test skipped: " << disk.Why();
  home.Write("ro/Culler.ini", "[Settings]\r\ncboParameterX.Text=/dog\r\ncboParameterX.1=/dog\r\n");
  ASSERT_TRUE(disk.MakeReadOnly());
  std::filesystem::create_symlink(home.File("ro/Culler.ini"), home.File("Culler.ini"));
  WriteAnimals(home);
  const TCullerResult result = home.Run(kKeepCats);
  EXPECT_EQ(result.Status, 0);
  EXPECT_EQ(result.Err, "Culler: The settings could not be saved in " + home.File("Culler.ini") +
                            ": Read-only file system  \n");
  EXPECT_EQ(home.Read("Out.txt"), "cat\r\n");
  EXPECT_EQ(home.Read("ro/Culler.ini"), "[Settings]\r\ncboParameterX.Text=/dog\r\ncboParameterX.1=/dog\r\n");
}

TEST(CullerSettingsFile, ShowingTheHelpWritesNothing) {
  for (const char* help : {"/?", "/Q"}) {
    SCOPED_TRACE(help);
    CullerHome home;
    home.Run({"/IIn.txt", help});
    EXPECT_TRUE(std::filesystem::is_empty(home.Path()));
  }
}

TEST(CullerSettingsFile, AStartStillRemembersTheLists) {
  CullerHome home;
  WriteAnimals(home);
  ASSERT_EQ(home.Run(kKeepCats).Status, 0);
  const std::string settings = home.Read("Culler.ini");
  EXPECT_NE(settings.find("cboParameterX.Text=/cat\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("FirstRun="), std::string::npos) << settings;
}

TEST(CullerSettingsFile, TemporaryFilesLeftByACrashAreRemoved) {
  CullerHome home;
  WriteAnimals(home);
  home.Write("Culler.ini.tmp123456", "left by a crash");
  home.Write("Culler.ini.tmp42", "being written by another run");
  home.Write("Culler.ini.tmpx", "not ours");
  const utimbuf longAgo{1000000000, 1000000000};
  ASSERT_EQ(utime(home.File("Culler.ini.tmp123456").c_str(), &longAgo), 0);
  ASSERT_EQ(utime(home.File("Culler.ini.tmpx").c_str(), &longAgo), 0);
  ASSERT_EQ(home.Run(kKeepCats).Status, 0);
  EXPECT_FALSE(home.Exists("Culler.ini.tmp123456"));
  EXPECT_TRUE(home.Exists("Culler.ini.tmp42"));
  EXPECT_TRUE(home.Exists("Culler.ini.tmpx"));
}

}  // namespace
}  // namespace gleaner::testing
