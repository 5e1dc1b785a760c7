// Runs a hostile batch caller tries: output names that would read or write
// the input, the program's own files or a pipe, runs that cannot start, a
// processing log on a full disk and values that grow without end. Nothing
// may be lost, hang or be reported as success.
#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "e2e/culler_process.h"
#include "e2e/scratch_mount.h"
#include "e2e/scratch_user.h"

namespace gleaner::testing {
namespace {

std::vector<std::string> CopyArgs(const std::string& input, const std::string& output) {
  return {"/I" + input, "/O" + output, "/SNone", "/X", "/Y", "/Z", "/EN", "/AN", "/R"};
}

TEST(CullerOutputGuards, OutputNamesThatAreRefused) {
  struct Case {
    std::string output;
    std::string err;  // after "Culler: "
  };
  CullerHome probe;
  const std::string home = probe.Path();
  const Case cases[] = {
      // the "+" of appending is not part of the name compared with the input
      {"+" + home + "In.txt", "Input and output file names must be different"},
      {"+In.txt", "Input and output file names must be different"},
      // the settings file, in any letter case and through a link
      {"Culler.ini", "The settings file cannot be the output file\n\n" + home + "Culler.ini"},
      {"CULLER.INI", "The settings file cannot be the output file\n\n" + home + "Culler.ini"},
      {"Settings-Link.txt", "The settings file cannot be the output file\n\n" + home + "Culler.ini"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.output);
    probe.Write("In.txt", "one\r\n");
    probe.Write("Culler.ini", "[Settings]\r\nkept=yes\r\n");
    std::filesystem::remove(probe.File("Settings-Link.txt"));
    std::filesystem::create_symlink(probe.File("Culler.ini"), probe.File("Settings-Link.txt"));
    const TCullerResult result = probe.Run(CopyArgs(home + "In.txt", c.output));
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, "Culler: " + c.err + "\n");
    EXPECT_EQ(probe.Read("In.txt"), "one\r\n");
    EXPECT_NE(probe.Read("Culler.ini").find("kept=yes\r\n"), std::string::npos);
    EXPECT_FALSE(probe.Exists("Culler.bak"));
    EXPECT_FALSE(probe.Exists("In.bak"));
  }
}

TEST(CullerOutputGuards, LogNamesAsOutputGoToTheDefaultOutput) {
  for (const std::string log : {"Culler-Log.txt", "culler-error.TXT"}) {
    SCOPED_TRACE(log);
    CullerHome home;
    home.Write("In.txt", "one\r\ntwo\r\n");
    const TCullerResult result = home.Run(CopyArgs("In.txt", log));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Read("ParseOut.txt"), "one\r\ntwo\r\n");
    EXPECT_EQ(home.Log().substr(0, 3), "===");
    EXPECT_NE(home.Log().find("Processing ended"), std::string::npos);
  }
}

TEST(CullerOutputGuards, WildcardInputSkipsTheOutputAndItsBackup) {
  CullerHome home;
  std::filesystem::create_directory(home.File("data"));
  home.Write("data/a.txt", "a\r\n");
  home.Write("data/b.txt", "b\r\n");
  for (int run = 0; run < 3; ++run) {
    SCOPED_TRACE(run);
    const TCullerResult result = home.Run(CopyArgs(home.File("data/*"), home.File("data/Out.txt")));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Read("data/Out.txt"), "a\r\nb\r\n");
  }
  EXPECT_EQ(home.Read("data/Out.bak"), "a\r\nb\r\n");
}

TEST(CullerOutputGuards, OutputThatIsNotARegularFile) {
  CullerHome home;
  home.Write("In.txt", "one\r\n");
  ASSERT_EQ(mkfifo(home.File("Pipe.txt").c_str(), 0600), 0);
  std::filesystem::create_directory(home.File("Folder.txt"));
  // A FIFO with no reader fails at once instead of blocking for ever.
  TCullerResult result = home.Run(CopyArgs("In.txt", "Pipe.txt"));
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Err.find("Could not create " + home.File("Pipe.txt") + "\n\nNot a regular file\n"),
            std::string::npos)
      << result.Err;
  EXPECT_FALSE(home.Exists("Pipe.bak"));
  result = home.Run(CopyArgs("In.txt", "Folder.txt"));
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Err.find("Could not create " + home.File("Folder.txt") + "\n\nIs a directory\n"),
            std::string::npos)
      << result.Err;
  EXPECT_FALSE(home.Exists("Folder.bak"));
  // A device is written to and never backed up.
  result = home.Run(CopyArgs("In.txt", "/dev/null"));
  EXPECT_EQ(result.Status, 0) << result.Err;
  struct stat status {};
  ASSERT_EQ(stat("/dev/null", &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));
  EXPECT_FALSE(FileExists("/dev/null.bak"));
}

// Last run's output and its backup, and a run that cannot start.
class CullerFailedStart : public ::testing::Test {
 protected:
  void SetUp() override {
    home.Write("Out.txt", "last output\r\n");
    home.Write("Out.bak", "the one before\r\n");
  }
  // Two failed runs in a row, each leaving both files as they were.
  void ExpectTwoRunsFailWith(const std::string& message) {
    for (int run = 0; run < 2; ++run) {
      const TCullerResult result = home.Run(CopyArgs("In.txt", "Out.txt"));
      EXPECT_EQ(result.Status, 2);
      EXPECT_NE(result.Err.find(message), std::string::npos) << result.Err;
      EXPECT_EQ(home.Read("Out.txt"), "last output\r\n");
      EXPECT_EQ(home.Read("Out.bak"), "the one before\r\n");
    }
  }
  CullerHome home;
};

TEST_F(CullerFailedStart, InputThatCannotBeOpenedKeepsTheLastOutput) {
  ScratchUser user;
  if (!user.Added()) GTEST_SKIP() << "Unreadable-input test skipped: " << user.Why();
  home.Write("In.txt", "secret\r\n");
  std::filesystem::permissions(home.File("In.txt"), std::filesystem::perms::owner_read);
  home.UseUser(user.Uid(), user.Gid());
  ExpectTwoRunsFailWith("Could not open " + home.File("In.txt") + "\n\nPermission denied\n");
}

TEST_F(CullerFailedStart, LogThatCannotBeCreatedKeepsTheLastOutput) {
  home.Write("In.txt", "one\r\n");
  // A folder the start of a run cannot delete, as it does an old log.
  std::filesystem::create_directory(home.File("Culler-Log.txt"));
  home.Write("Culler-Log.txt/inside", "");
  ExpectTwoRunsFailWith("Could not create " + home.File("Culler-Log.txt") + "\n\nIs a directory\n");
}

TEST(CullerFullDisk, OutputIsCompleteWhenTheLogCannotBeWritten) {
  CullerHome work;
  std::filesystem::create_directory(work.File("home"));
  ScratchMount disk(work.File("home"), 64);
  if (!disk.Mounted()) GTEST_SKIP() << "Full-disk test skipped: " << disk.Why();
  // More than one output buffer, so both a full and a partial buffer must reach the file.
  std::string input;
  for (int i = 0; i < 40000; ++i) input += "record " + std::to_string(i) + "\r\n";
  work.Write("In.txt", input);
  work.UseHomeFolder(work.File("home/"));
  disk.Fill();
  const TCullerResult result = work.Run(CopyArgs(work.File("In.txt"), work.File("Out.txt")));
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Err.find("Could not write to " + work.File("home/Culler-Log.txt") +
                            "\n\nNo space left on device\n"),
            std::string::npos)
      << result.Err << result.Status;
  const std::string out = work.Read("Out.txt");
  EXPECT_TRUE(out == input) << out.size() << " of " << input.size() << " bytes";  // no diff of 40,000 lines
}

TEST(CullerValueLimit, AValueThatKeepsDoublingIsAnError) {
  CullerHome home;
  home.Write("In.txt", "one\r\n");
  home.Write("ScrDouble.txt", "TaskInit\r\nX = 'ab'\r\nBegin\r\nX = X X\r\nAgain\r\nEnd\r\n");
  const TCullerResult result =
      home.Run({"/IIn.txt", "/OOut.txt", "/SScrDouble.txt", "/X", "/Y", "/Z", "/EN", "/AN", "/R"});
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Err.find("Value too long in Assign command\n\nA value may hold at most 268435456 characters\n"),
            std::string::npos)
      << result.Err;
  EXPECT_EQ(home.Read("Out.txt"), "");
}

}  // namespace
}  // namespace gleaner::testing
