#include "viewer/link_targets.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::TempFolder;
using testing::WriteFile;

TEST(LinkTargets, AnchorsAddressesAndUnknownTargets) {
  const TLinkContext context;
  const TLinkTarget anchor = ResolveLink("#Intro", context);
  EXPECT_EQ(anchor.Kind, TLinkKind::Anchor);
  EXPECT_EQ(anchor.Anchor, "Intro");
  // Addresses are opened as written: paths and queries may be case-sensitive.
  for (const char* address : {"http://Example.com/A?b=C", "HTTPS://x.org/Doc", "MailTo:Someone@x.org"}) {
    const TLinkTarget link = ResolveLink(address, context);
    EXPECT_EQ(link.Kind, TLinkKind::Address) << address;
    EXPECT_EQ(link.Address, address);
  }
  for (const char* other : {"ftp://x.org", "EXEC:", "EXEC: ", "doc.txt", "HTTP:/x", ""}) {
    EXPECT_EQ(ResolveLink(other, context).Kind, TLinkKind::None) << other;
  }
}

TEST(LinkTargets, Programs) {
  TLinkContext context;
  context.HomeFolder = "/home/app/";
  context.ProgramFolder = "/usr/lib/app/";
  context.BrowserFolderList = "/home/app/;/data/my docs/";
  struct TCase {
    const char* target;
    std::string program;
    std::vector<std::string> arguments;
    std::string folder;
  };
  const TCase cases[] = {
      // a bare name runs from the home folder, never along PATH
      {"EXEC:tool -a \"b c\"", "/home/app/tool", {"-a", "b c"}, "/home/app/"},
      {"EXEC:/opt/bin/tool x", "/opt/bin/tool", {"x"}, "/opt/bin/"},
      {"EXEC:KESTRASCAN", "/usr/lib/app/kestrascan", {"/D/home/app/;/data/my docs/"}, "/home/app/"},
      {"exec:KestraScan", "/usr/lib/app/kestrascan", {"/D/home/app/;/data/my docs/"}, "/home/app/"},
  };
  for (const TCase& c : cases) {
    const TLinkTarget link = ResolveLink(c.target, context);
    EXPECT_EQ(link.Kind, TLinkKind::Program) << c.target;
    EXPECT_EQ(link.Program, c.program) << c.target;
    EXPECT_EQ(link.Arguments, c.arguments) << c.target;
    EXPECT_EQ(link.WorkingFolder, c.folder) << c.target;
  }
}

TEST(LinkTargets, SplitParametersLikeACommandLine) {
  EXPECT_EQ(SplitParameters("  a  \"b c\"d \"\" e\t"), (std::vector<std::string>{"a", "b cd", "", "e"}));
  EXPECT_TRUE(SplitParameters("   ").empty());
}

class DocumentLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* sub : {"cur", "p1", "p2", "home"}) std::filesystem::create_directory(root.File(sub));
    WriteFile(root.File("cur/a.txt"), "");
    WriteFile(root.File("p1/a.txt"), "");
    WriteFile(root.File("p1/b.txt"), "");
    WriteFile(root.File("p2/c.txt"), "");
    WriteFile(root.File("home/h.txt"), "");
    WriteFile(root.File("p1/h.txt"), "");
    context.CurrentFile = root.File("cur/doc.txt");
    context.SearchPath = root.File("p1") + "\r" + root.File("p2/");
    context.HomeFolder = root.File("home/");
  }
  TempFolder root;
  TLinkContext context;
};

TEST_F(DocumentLinkTest, FoundNextToTheDocumentAlongThePathOrInTheHomeFolder) {
  struct TCase {
    const char* target;
    std::string file;
    std::string title;
    bool markup;
  };
  const TCase cases[] = {
      {"KESTRA://a.txt", root.File("cur/a.txt"), "a.txt", true},
      {"FILE:// b.txt | Bee ", root.File("p1/b.txt"), "Bee", false},
      {"kestra://C.TXT", root.File("p2/c.txt"), "C.TXT", true},  // letter case ignored
      {"KESTRA://nowhere.txt", root.File("home/nowhere.txt"), "nowhere.txt", true},
      {"KESTRA:// /abs/doc.txt ", "/abs/doc.txt", "\"/abs/doc.txt\"", true},  // absolute: as given
      {"FILE://C:\\docs\\x.txt|X", "C:\\docs\\x.txt", "X", false},
  };
  for (const TCase& c : cases) {
    const TLinkTarget link = ResolveLink(c.target, context);
    EXPECT_EQ(link.Kind, TLinkKind::Document) << c.target;
    EXPECT_EQ(link.DocumentFile, c.file) << c.target;
    EXPECT_EQ(link.DocumentTitle, c.title) << c.target;
    EXPECT_EQ(link.DocumentMarkup, c.markup) << c.target;
  }
}

TEST_F(DocumentLinkTest, WindowWithoutFileLooksInTheHomeFolderFirst) {
  context.CurrentFile = "None";
  EXPECT_EQ(ResolveLink("KESTRA://h.txt", context).DocumentFile, root.File("home/h.txt"));
}

}  // namespace
}  // namespace gleaner
