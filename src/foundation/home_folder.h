// Where the program keeps its files. A copy run from its build or unpack
// folder keeps everything beside the program file, as it always has. An
// installed copy (a program folder the user may not write, or a program with
// the installed "share/gleaner/" beside its folder) keeps the user's settings
// and logs in the user's data folder, "$XDG_DATA_HOME/gleaner/" (by default
// "~/.local/share/gleaner/"), and finds the files it ships (help documents,
// the logo, samples) in that "share/gleaner/". GLEANER_HOME overrides both.
// Installed copies include a root user's: system folders never hold user data.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// What the rule looks at; gathered from the environment by GatherHomeFacts.
struct THomeFacts {
  std::string HomeOverride;            // GLEANER_HOME, absolute with "/"; empty when unset
  std::string ProgramFolder;           // ends with "/"
  bool ProgramFolderRefusesWrites = false;
  std::string ShippedFolder;           // the installed share/gleaner/; empty when absent
  std::string DataHome;                // XDG_DATA_HOME as set (empty when unset)
  std::string UserHome;                // the user's home directory
};

struct THomeChoice {
  std::string Home;     // ends with "/"
  std::string Shipped;  // ends with "/"; empty when there is none, or it is the home folder
  bool UserDataFolder = false;  // Home is the user's data folder, created on first start
};

// The rule above, without touching the file system.
THomeChoice ChooseHomeFolder(const THomeFacts& facts);

// "$XDG_DATA_HOME/gleaner/" when XDG_DATA_HOME is absolute (a relative one is
// ignored, as the base directory rules say), else userHome + "/.local/share/gleaner/";
// empty when neither is known.
std::string UserDataFolder(std::string_view dataHome, std::string_view userHome);

// The installed "share/gleaner/" that belongs to a program in programFolder,
// when that folder exists; empty otherwise.
std::string ShippedFolderBeside(std::string_view programFolder);

// The facts for the running program; programPath is argv[0].
THomeFacts GatherHomeFacts(std::string_view programPath);

// The folder made absolute and normalised, ending with "/".
std::string AbsoluteFolder(const std::string& folder);

}  // namespace gleaner
