// What the home folder rule needs to know about the user and the program's
// folder: whether the folder refuses the user's writes, the user's own home
// directory, and making a private folder for the user's files.
#pragma once

#include <string>

namespace gleaner {

// True when the user may not create files in the folder (no write permission,
// a read-only file system). A folder that does not exist refuses nothing.
bool FolderRefusesWrites(const std::string& folder);

// HOME, or the password entry's home directory when HOME is unset or empty;
// empty when neither is known.
std::string UserHomeDirectory();

// Creates the folder and its missing parents, each only for its owner (0700,
// as the user data folder should be); true when the folder exists afterwards.
bool MakePrivateFolder(const std::string& folder);

}  // namespace gleaner
