// The start-up shortcut: a shell link to the program in the user's Startup folder, named after
// the program's file ("Pelorus.exe" gives "Pelorus.lnk"). The link itself is the only record of
// the choice. The names are platform-free; the rest is Win32, on the UI thread, with COM
// initialised apartment-threaded.
#pragma once

#include <string>

constexpr size_t kMaxPathBytes = 260;  // MAX_PATH, the terminator included

// The part of PROGRAM_PATH after its last backslash, up to its first ".", with ".lnk"; false
// when the path has no backslash.
bool GetLinkFileName(const std::string& programPath, std::string& linkName);
// FOLDER, a backslash and the link file name; false when there is no link name or the whole does
// not fit in MAX_PATH (rather than a cut path that names another file).
bool LinkPathIn(const std::string& folder, const std::string& programPath, std::string& linkPath);

// Win32.
bool GetStartupFolder(std::string& folder);
bool GetStartupLinkPath(const std::string& programPath, std::string& linkPath);
// A link of the program's name that loads and resolves (OWNER: the shell's own dialogs).
bool IsStartupLinkRegistered(const std::string& programPath, void* owner);
// Creates (or overwrites) the link; a failure is told to the user.
void CreateStartupLink(const std::string& programPath, const std::string& workingDir, const std::string& arguments);
bool DeleteStartupLink(const std::string& programPath);
