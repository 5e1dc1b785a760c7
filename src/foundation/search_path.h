// The home folder, the search path and name location: names given without a
// folder mean the current folder (outputs land there) and are looked up
// first there, then along SearchFolders, whose last entries are the home
// folder and the shipped folder. The program's own files (settings, logs,
// the error log, clipboard work files) live in the home folder (HomeName).
// TSearchStack walks a ";"-separated list of specifications with wildcards,
// resolving each along the search path. Both "/" and "\" are folder
// separators in these rules; only a drive colon (a letter and ":" at the
// start) makes a folder part, so "12:30 notes.txt" is a plain name.
// None of these operations raise errors: a missing file is a false or empty
// result that the caller reports.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/home_folder.h"
#include "platform/file_search.h"

namespace gleaner {

// The folder of the user's settings and logs, ending with "/": the program's
// folder, or for an installed copy the user's data folder (home_folder.h);
// GLEANER_HOME replaces it.
const std::string& HomeFolder();
// Sets the home folder (and the shipped files' folder) from the program's path
// (argv[0]) and the environment, creating the user's data folder when it is
// the home folder. Resets SearchFolders to the home and shipped folders.
void InitHomeFolder(std::string_view programPath);
// Sets both folders as chosen; SearchFolders becomes the home folder and the
// shipped folder, when there is one.
void UseHomeFolders(const THomeChoice& choice);

// The installed copy's "share/gleaner/", ending with "/"; empty for a copy run
// beside its files.
const std::string& ShippedFolder();
// A file the program ships: home + name when it exists there (the user's own
// copy wins), else the shipped copy when there is one, else home + name.
std::string ShippedFile(std::string_view name, std::string_view home = HomeFolder());

// The folders searched for names without a folder, each ending with "/" or "\".
std::vector<std::string>& SearchFolders();

// The name up to and including its last "/" or "\" or its drive colon.
std::string FolderPart(std::string_view name);
// The text after the folder part: FileNamePart("/a/b.txt") is "b.txt".
std::string FileNamePart(std::string_view name);
// Empty gives empty; a name with a folder is returned unchanged; otherwise
// the current folder + name. No existence check.
// ExpandName("a.txt") == CurrentFolder() + "a.txt".
std::string ExpandName(std::string_view name);
// The same for the program's own files: HomeFolder() + name for a name
// without a folder. HomeName("Culler-Log.txt") == HomeFolder() + "Culler-Log.txt".
std::string HomeName(std::string_view name);
// Finds an existing file (the name is cut at its first ";"): a name without
// a folder in the current folder, then along SearchFolders; on success name
// becomes the full name found. "None" gives noneResult when allowNone.
bool LocateFile(std::string& name, bool allowNone, bool noneResult);
// Like LocateFile but wildcards count as existing when an entry matches; the
// full name, or empty when nothing matches. A name with a folder is returned as is.
std::string ResolveName(std::string_view name);
// The folders a name without a folder is looked for in, in order, each once:
// the current folder, then SearchFolders.
std::vector<std::string> LookupFolders();

// The last name without a folder that LocateFile or ResolveName did not
// find, and the folders tried; a console run tells them with the message
// that follows. Cleared by the next name found.
struct TLookupMiss {
  std::string Name;
  std::vector<std::string> Folders;
};
const TLookupMiss& LastLookupMiss();
void ClearLookupMiss();

// A walk over a ";"-separated list of specifications.
struct TSearchStack {
  TSearchRec Search;             // the current directory search
  std::uint32_t Attributes = 0;  // the attribute mask
  std::string Remaining;         // specifications not yet started
  std::string Folder;            // folder of the current specification
};

// 0 when a match was found; otherwise the last search's result code.
int FindFirstMulti(std::string_view spec, std::uint32_t attributes, TSearchStack& search);
// 0 when another match was found.
int FindNextMulti(TSearchStack& search);
void FindCloseMulti(TSearchStack& search);
// The full name of the current match: folder of its specification + found name.
std::string FoundName(const TSearchStack& search);

// The saved list "MySearchPath"; the home folder is appended when missing, and
// the shipped folder follows the home folder. The shipped folder is not saved.
void LoadSearchPath();
void SaveSearchPath();

}  // namespace gleaner
