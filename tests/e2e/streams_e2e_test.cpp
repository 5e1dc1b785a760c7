// Culler in a pipeline and on links: "-" and the stream names read and write
// the descriptors the shell gave it, nothing else reaches standard output,
// and an output that is a link is written through, the link kept.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

namespace fs = std::filesystem;

// Keeps the lines with "cat"; autoview asked for, so a view would show.
const std::string kKeepCat = " /SNone /X/cat /Y /Z /EN /AY /R";
const std::string kLines = "printf 'cat\\ndog\\nbig cat\\n'";
const std::string kKept = "cat\r\nbig cat\r\n";

TEST(StandardStreams, EverySpellingReadsAndWritesThrough) {
  struct Case {
    const char* what;
    std::string command;
    const char* outputFile;  // where the output went, when not standard output
  };
  const Case cases[] = {
      {"dashes", kLines + " | \"$CULLER\" /I- /O-" + kKeepCat + " | cat", nullptr},
      {"device names", kLines + " | \"$CULLER\" /I/dev/stdin /O/dev/stdout" + kKeepCat + " | cat", nullptr},
      {"process substitution", "\"$CULLER\" '/I'<(" + kLines + ") /O/dev/fd/1" + kKeepCat, nullptr},
      {"descriptor 3", kLines + " | \"$CULLER\" /I- /O/dev/fd/3" + kKeepCat + " 3>Piped.txt", "Piped.txt"},
      {"redirected to a file", kLines + " | \"$CULLER\" /I- /O-" + kKeepCat + " >Shell.txt", "Shell.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CullerHome home;
    const TCullerResult result = home.RunShell(c.command);
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Err, "");  // no autoview, no message
    EXPECT_EQ(c.outputFile == nullptr ? result.Out : home.Read(c.outputFile), kKept);
    for (const char* stray : {"-", "Out.bak", "Shell.bak", "Piped.bak"}) EXPECT_FALSE(home.Exists(stray)) << stray;
  }
}

TEST(StandardStreams, TheLogNamesTheStreams) {
  CullerHome home;
  const TCullerResult result = home.RunShell(kLines + " | \"$CULLER\" /I- /O-" + kKeepCat);
  EXPECT_EQ(result.Out, kKept);
  const std::string log = home.Log();
  EXPECT_NE(log.find("  Input ............. (standard input)\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("  Output ............ (standard output)\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("  Input file ........ (standard input)\r\n"), std::string::npos) << log;
  EXPECT_EQ(home.RunShell(kLines + " | \"$CULLER\" /I- /O+-" + kKeepCat).Out, kKept);  // appended
  EXPECT_NE(home.Log().find("  Output ............ +(standard output)\r\n"), std::string::npos) << home.Log();
}

TEST(StandardStreams, HelpForABadSwitchGoesToStandardErrorWithStandardOutputAsOutput) {
  CullerHome home;
  const TCullerResult result = home.RunShell("\"$CULLER\" /I- /O- /Q </dev/null");
  EXPECT_EQ(result.Status, 1);
  EXPECT_EQ(result.Out, "");
  EXPECT_NE(result.Err.find("Unrecognized command-line switch:  /Q"), std::string::npos) << result.Err;
}

TEST(StandardStreams, DevicesAreReadAndWrittenWithoutBackup) {
  CullerHome home;
  home.Write("In.txt", "cat\r\n");
  TCullerResult result = home.Run({"/IIn.txt", "/O/dev/null", "/SNone", "/X", "/Y", "/Z", "/EN", "/AN", "/R"});
  EXPECT_EQ(result.Status, 0) << result.Err;
  result = home.Run({"/I/dev/null", "/OOut.txt", "/SNone", "/X", "/Y", "/Z", "/EN", "/AN", "/R"});
  EXPECT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(home.Read("Out.txt"), "");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// The link is the user's: its target is the file that is backed up and replaced.
TEST(OutputLinks, ALinkedOutputWritesItsTargetAndKeepsTheLink) {
  CullerHome home;
  fs::create_directory(home.File("data"));
  home.Write("data/Real.txt", "old\r\n");
  fs::create_symlink("data/Real.txt", home.File("Link.txt"));
  home.Write("In.txt", "new\r\n");
  const TCullerResult result =
      home.Run({"/IIn.txt", "/OLink.txt", "/SNone", "/X", "/Y", "/Z", "/EN", "/AN", "/R", "/CA"});
  EXPECT_EQ(result.Status, 0) << result.Err;
  EXPECT_TRUE(fs::is_symlink(home.File("Link.txt")));
  EXPECT_EQ(fs::read_symlink(home.File("Link.txt")), "data/Real.txt");
  EXPECT_EQ(home.Read("data/Real.txt"), "new\r\n");
  EXPECT_EQ(home.Read("data/Real.bak"), "old\r\n");
  EXPECT_FALSE(fs::exists(fs::symlink_status(home.File("Link.bak"))));
}

// A link to the standard output device, like the system's own /dev/stdout
// (never touched here): written through the descriptor, nothing renamed.
TEST(OutputLinks, ALinkToStandardOutputIsNeverRenamed) {
  for (const char* target : {"/dev/stdout", "/proc/self/fd/1"}) {
    SCOPED_TRACE(target);
    CullerHome home;
    fs::create_symlink(target, home.File("Stdout"));
    home.Write("In.txt", "cat\r\n");
    const TCullerResult result =
        home.RunShell("\"$CULLER\" /IIn.txt /OStdout /SNone /X /Y /Z /EN /AN /R /CA >Shell.txt");
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Read("Shell.txt"), "cat\r\n");
    EXPECT_EQ(fs::read_symlink(home.File("Stdout")), target);
    EXPECT_FALSE(home.Exists("Stdout.bak"));
    EXPECT_FALSE(home.Exists("Shell.bak"));
  }
}

}  // namespace
}  // namespace gleaner::testing
