#include "engine/pass_through.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

namespace fs = std::filesystem;

TEST(PassThrough, StreamNamesAndTheirDescriptors) {
  struct TCase {
    const char* name;
    int input;   // as the input
    int output;  // as the output
    const char* shownAsOutput;
  };
  const TCase cases[] = {
      {"-", 0, 1, "(standard output)"},
      {"/dev/stdin", 0, 0, "(standard input)"},
      {"/dev/stdout", 1, 1, "(standard output)"},
      {"/dev/stderr", 2, 2, "/dev/stderr"},
      {"/dev/fd/63", 63, 63, "/dev/fd/63"},
      {"/proc/self/fd/1", 1, 1, "(standard output)"},
      {"/dev/fd/", -1, -1, "/dev/fd/"},
      {"/dev/fd/1x", -1, -1, "/dev/fd/1x"},
      {"--", -1, -1, "--"},
      {"Out.txt", -1, -1, "Out.txt"},
      {"/dev/null", -1, -1, "/dev/null"},  // a device, but opened by its name
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(StreamDescriptor(c.name, false), c.input);
    EXPECT_EQ(StreamDescriptor(c.name, true), c.output);
    EXPECT_EQ(StreamShownName(c.name, true), c.shownAsOutput);
  }
  EXPECT_EQ(StreamShownName("-", false), "(standard input)");
}

// Links of the user's, followed to a stream or to the file a backup concerns
// (the end-to-end tests write through them).
TEST(PassThrough, LinksLeadToTheirStreamOrTheirFile) {
  testing::TempFolder folder;
  testing::WriteFile(folder.File("Real.txt"), "");
  fs::create_symlink("Real.txt", folder.File("Link.txt"));
  fs::create_symlink("/dev/stdout", folder.File("Out"));
  fs::create_symlink("Out", folder.File("OutChain"));
  fs::create_symlink("Loop", folder.File("Loop"));
  EXPECT_EQ(StreamDescriptorThroughLinks(folder.File("OutChain"), true), 1);
  EXPECT_EQ(StreamDescriptorThroughLinks(folder.File("Link.txt"), true), -1);
  EXPECT_EQ(StreamDescriptorThroughLinks(folder.File("Loop"), true), -1);
  EXPECT_EQ(BackupSubject(folder.File("Link.txt")), folder.File("Real.txt"));
  EXPECT_EQ(BackupSubject(folder.File("Loop")), folder.File("Loop"));
}

}  // namespace
}  // namespace gleaner
