// The places the desktop gives a program, as the system spells them: read as bytes from the
// environment and the kernel and handed on as bytes to the calls that open files, never turned
// into text on the way, so that a name that is not valid UTF-8 (a byte 0xFF, say) is kept.
#pragma once

#include <string>

namespace ossaric {

// $HOME, else the home directory of the user's password entry; "" when neither names one.
std::string HomeDirectory();

// The XDG base directory in `variable` when it is set to an absolute path, else `underHome`
// below the home directory ("" when there is no home either).
std::string XdgDirectory(const char* variable, const char* underHome);

// ${XDG_CONFIG_HOME:-~/.config} and ${XDG_DATA_HOME:-~/.local/share}.
std::string UserConfigHome();
std::string UserDataHome();

// The directory of the running program, from the kernel ("" when it cannot be told).
std::string ProgramDirectory();

// The current directory ("" when it cannot be told).
std::string CurrentDirectory();

// `path` with "." and ".." and repeated slashes taken out by its spelling alone, and no
// trailing slash (but "/" stays "/").
std::string CleanPath(const std::string& path);

// `path` made absolute against the current directory, then cleaned.
std::string AbsolutePath(const std::string& path);

// The path with links and ".." resolved when it exists, else `path` cleaned.
std::string CanonicalPath(const std::string& path);

}  // namespace ossaric
