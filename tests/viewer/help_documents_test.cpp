// The shipped help documents as the viewer shows them: every link leads
// somewhere (an anchor of the document, a shipped document, the browser), and
// script text written with entities shows as the script.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/fake_ports.h"
#include "viewer/document_loader.h"
#include "viewer/link_targets.h"

namespace gleaner {
namespace {

using testing::FakePorts;

const std::string kSamples = GLEANER_SAMPLES_DIR;

// Loads the document as the help viewer does: markup, word wrap, and the
// About section that Culler adds after the last line.
void LoadHelp(const std::string& name, TViewerDocument& document) {
  TDocumentLoader loader(document, {80, 25001, true, true, true, false});
  ASSERT_TRUE(loader.Open(kSamples + name));
  while (loader.Step()) {
  }
  loader.Finish({"<A NAME=\"AUTABOUT\"><H1>About Culler</H1>"}, false);
}

TEST(HelpDocuments, EveryLinkLeadsToAnAnchorADocumentOrTheBrowser) {
  const TLinkContext context{kSamples + "Help-Culler.txt", kSamples, kSamples, kSamples, kSamples};
  for (const char* name : {"Help-Culler.txt", "Help-KestraScan.txt", "Help-TextBrowse.txt"}) {
    SCOPED_TRACE(name);
    FakePorts ports;
    TViewerDocument document;
    LoadHelp(name, document);
    EXPECT_TRUE(ports.notice.texts.empty()) << ports.notice.texts.front();
    int links = 0;
    for (int line = 0; line < document.Display.LineCount(); ++line) {
      const std::string* target = document.Links.Find(line);
      if (target == nullptr) continue;
      ++links;
      const TLinkTarget link = ResolveLink(*target, context);
      switch (link.Kind) {
        case TLinkKind::Anchor:
          EXPECT_TRUE(document.Anchors.Find(link.Anchor)) << *target;
          break;
        case TLinkKind::Document:
          EXPECT_TRUE(std::filesystem::exists(link.DocumentFile)) << *target;
          break;
        case TLinkKind::Program:
          EXPECT_EQ(std::filesystem::path(link.Program).filename(), kBrowserProgram) << *target;
          break;
        default:
          ADD_FAILURE() << "a link that leads nowhere: " << *target;
      }
    }
    EXPECT_GT(links, 0);
  }
}

TEST(HelpDocuments, ScriptLinesWrittenWithEntitiesShowAsTheScript) {
  FakePorts ports;
  TViewerDocument document;
  LoadHelp("Help-Culler.txt", document);
  std::string shown;
  for (const TDisplayLine& line : document.Display.Lines()) shown += line.Text + "\n";
  for (const char* script : {"Again Keys <> ''", "If Size #> 50 Then OutEnd $OutData", "Again Line <> ''"}) {
    EXPECT_NE(shown.find(script), std::string::npos) << script;
  }
}

}  // namespace
}  // namespace gleaner
