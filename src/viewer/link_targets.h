// What a link of the document markup points at: an anchor of the same
// document, a web or mail address, a program to start ("EXEC:", with
// "EXEC:KESTRASCAN" starting the document browser), or another document
// ("KESTRA://" shown with markup, "FILE://" plain), found next to the current
// document, along the viewer's search path, or in the home folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

enum class TLinkKind {
  None,      // not a link this viewer follows
  Anchor,    // "#name"
  Address,   // "http://", "https://", "mailto:" (scheme in any case)
  Program,   // "EXEC:program parameters"
  Document,  // "KESTRA://path|title", "FILE://path|title"
};

struct TLinkTarget {
  TLinkKind Kind = TLinkKind::None;
  std::string Anchor;   // Anchor: the name after "#"
  std::string Address;  // Address: as written (only the scheme is compared without case)
  std::string Program;  // Program: the file to run
  std::vector<std::string> Arguments;
  std::string WorkingFolder;
  std::string DocumentFile;  // Document: the file to show
  std::string DocumentTitle;
  bool DocumentMarkup = false;  // markup mode and word wrap for the new window
};

struct TLinkContext {
  std::string CurrentFile;        // the document shown, or "None"
  std::string SearchPath;         // the viewer's folders, separated by carriage returns
  std::string HomeFolder;         // ends with a separator
  std::string ProgramFolder;      // folder of the running program, where the browser lives
  std::string BrowserFolderList;  // the browser's folder list, given by the host program
};

inline constexpr std::string_view kBrowserProgram = "kestrascan";

TLinkTarget ResolveLink(std::string_view target, const TLinkContext& context);

// Splits parameters as a command line does: at blanks, with double quotes
// grouping and removed. SplitParameters("a \"b c\"d") is {"a", "b cd"}.
std::vector<std::string> SplitParameters(std::string_view text);

}  // namespace gleaner
