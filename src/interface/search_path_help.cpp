// The prose of the search path help page.
#include "interface/search_path_help.h"

#include "interface/page_buffer.h"

namespace gleaner {
namespace {

void AddDialogPart(TPageBuffer& page, const std::string& program, const std::string& home) {
  page.AddLine("<H1>The Define Search Path Dialog</H1>");
  page.AddHeading("<H2>Introduction</H2>");
  page.AddLine("When you give " + program + " a file name without a folder, it does not ask you where the "
               "file is: it looks for it in a list of folders, the search path. The search path always "
               "holds the home folder of " + program + ":");
  page.AddLine("");
  page.AddLine("<hl>" + home + "</hl>");
  page.AddLine("");
  page.AddLine("This dialog shows the list and lets you add folders, drop them and change their order.");
  page.AddHeading("<H2>How the Search Path Works</H2>");
  page.AddLine("The folders are searched from the top of the list to the bottom. The first folder that "
               "holds a file of the name you gave wins, and " + program + " uses that file; folders further "
               "down the list are not looked at. A name that is found in no folder is reported as missing.");
  page.AddLine("");
  page.AddLine("Input files (also every file of a wildcard such as *.log), script files and lookup files "
               "are found this way.");
  page.AddHeading("<H2>Overriding the Search Path</H2>");
  page.AddLine("A name that includes a folder, such as");
  page.AddLine("");
  page.AddLine("<hl>/home/pat/work/Orders.txt</hl>");
  page.AddLine("");
  page.AddLine("is used exactly as written: the search path is not consulted. Give the full name when "
               "you want one particular file whatever the list says.");
  page.AddHeading("<H2>Modifying the List</H2>");
  page.AddLine("<hl>Add to List</hl> asks for a folder and appends it at the bottom. A folder that is "
               "already listed is refused. The list holds at most 100 folders.");
  page.AddLine("<hl>Move Up</hl> and <hl>Move Down</hl> move the selected folder one place, so that it "
               "is searched earlier or later.");
  page.AddLine("<hl>Drop from List</hl> removes the selected folder. The home folder cannot be dropped.");
  page.AddLine("<hl>OK</hl> keeps the changed list (" + program + " remembers it for its next start); "
               "<hl>Cancel</hl> forgets every change made since the dialog opened.");
}

void AddApplicationPart(TPageBuffer& page, const TEngineInfo& info) {
  const std::string& program = info.CfgProgramName;
  page.AddHeading("<h2>Where " + program + " Does Not Use the Search Path</h2>");
  page.AddLine("The output file box: an output name without a folder is always written in the home "
               "folder. Type a full name to write elsewhere.");
  page.AddLine("");
  page.AddLine("The two logging files, the processing log <hl>" + info.CfgLogFileName +
               "</hl> and the error log <hl>" + info.CfgErrorFileName +
               "</hl>, always lie in the home folder.");
  page.AddHeading("<h2>Using the Search Path with Lookup Files</h2>");
  page.AddLine("Scripts often name their lookup files (Luf*.txt) without a folder. To use your own copy "
               "of a lookup file instead of the shared one, put the copy in a folder of your own, add that "
               "folder to the list and move it above the folder of the shared copy: your copy is found "
               "first, and the shared file is left as it is.");
}

}  // namespace

std::vector<std::string> SearchPathHelpPage(const TEngineInfo& info, const std::string& homeFolder) {
  TPageBuffer page;
  AddDialogPart(page, info.CfgProgramName, homeFolder);
  AddApplicationPart(page, info);
  return page.Lines();
}

}  // namespace gleaner
