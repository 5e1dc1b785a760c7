// Names without a folder, as a user in a terminal means them: the current
// folder first (outputs land there), then the search path, which ends with
// the home folder. Batch jobs see every failure on standard error, /CA too.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

// The working folder holds the user's files; the home folder is elsewhere.
class WorkingFolder {
 public:
  WorkingFolder() {
    std::filesystem::create_directory(work.File("home"));
    work.UseHomeFolder(Home());
  }
  std::string Home() const { return work.File("home/"); }

  CullerHome work;
};

const std::vector<std::string> kBatch = {"/Z", "/EN", "/R", "/CA"};

std::vector<std::string> Args(std::vector<std::string> args) {
  args.insert(args.end(), kBatch.begin(), kBatch.end());
  return args;
}

TEST(NamesWithoutAFolder, OutputsLandInTheCurrentFolderAndLogsInTheHomeFolder) {
  WorkingFolder folder;
  CullerHome& work = folder.work;
  work.Write("mail.txt", "cat\r\ndog\r\n");
  const TCullerResult result = work.Run(Args({"/Imail.txt", "/OKept.txt", "/SNone", "/X/cat", "/Y"}));
  EXPECT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(work.Read("Kept.txt"), "cat\r\n");
  EXPECT_FALSE(work.Exists("home/Kept.txt"));
  EXPECT_TRUE(work.Exists("home/Culler-Log.txt"));
  EXPECT_FALSE(work.Exists("Culler-Log.txt"));
}

TEST(NamesWithoutAFolder, ScriptsAndLookupFilesAreFoundHereThenInTheHomeFolder) {
  WorkingFolder folder;
  CullerHome& work = folder.work;
  const std::string script =
      "TaskInit\r\n  LookupFile 'S' 'LufSounds.txt' 1 2\r\nEnd\r\nV = Lookup $OutData 'S'\r\nOutEnd V\r\n";
  work.Write("In.txt", "cat\r\n");
  work.Write("ScrHere.txt", script);
  work.Write("LufSounds.txt", "cat,meow\r\n");
  work.Write("home/ScrHome.txt", script);
  work.Write("home/LufSounds.txt", "cat,purr\r\n");
  for (const char* name : {"ScrHere.txt", "ScrHome.txt"}) {
    SCOPED_TRACE(name);
    const TCullerResult result = work.Run(Args({"/IIn.txt", "/OOut.txt", std::string("/S") + name, "/X", "/Y"}));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(work.Read("Out.txt"), "meow\r\n");  // the lookup file beside the user's files wins
  }
}

// The message keeps its text; standard error adds where the name was looked for.
TEST(NamesWithoutAFolder, NotFoundSaysWhichFoldersWereTried) {
  WorkingFolder folder;
  CullerHome& work = folder.work;
  work.Write("In.txt", "cat\r\n");
  work.Write("ScrLookup.txt", "TaskInit\r\n  LookupFile 'S' 'LufGone.txt' 1 2\r\nEnd\r\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
    const char* name;
  };
  const Case cases[] = {
      {Args({"/IGone.txt", "/OOut.txt", "/SNone", "/X", "/Y"}), 1,
       "Culler: Warning:  The specified input file cannot be found\n\nGone.txt\n", "Gone.txt"},
      {Args({"/IIn.txt", "/OOut.txt", "/SScrLookup.txt", "/X", "/Y"}), 2,
       "The Lookup file (LufGone.txt) was not found", "LufGone.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TCullerResult result = work.Run(c.args);
    EXPECT_EQ(result.Status, c.status);
    EXPECT_NE(result.Err.find(c.message), std::string::npos) << result.Err;
    const std::string tried = "  (" + std::string(c.name) + " was looked for in: " + work.Path() + " " +
                              folder.Home() + ")\n";
    EXPECT_NE(result.Err.find(tried), std::string::npos) << result.Err;
    EXPECT_NE(work.Read("home/Culler-Error.txt").find(c.name), std::string::npos);
  }
}

// /CA means no window and no waiting, not silence: cron mails the failure.
TEST(BatchReports, AScriptThatDoesNotCompileIsReportedUnderCloseAlways) {
  CullerHome home;
  home.Write("In.txt", "cat\r\n");
  home.Write("ScrBad.txt", "Frobnicate 'x'\r\n");
  const TCullerResult result = home.Run(Args({"/IIn.txt", "/OOut.txt", "/SScrBad.txt", "/X", "/Y"}));
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Err.find("Line 1 of ScrBad.txt:\nFrobnicate 'x'\n"), std::string::npos) << result.Err;
}

}  // namespace
}  // namespace gleaner::testing
