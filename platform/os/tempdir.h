#pragma once
// The program's private temporary folder, where it writes its generated pages.
#include <string>

namespace expo::os {

// "expozice-" plus the numeric user id inside TMPDIR (when set and not empty) or /tmp,
// ending in '/'. Created with mode 0700 when missing. Throws expo::Error when the name is
// taken by anything but a folder (a symbolic link is not followed) that belongs to this
// user and has mode 0700.
std::string privateTempFolder();
// The same inside the given parent folder.
std::string privateTempFolderIn(const std::string& parent);

}  // namespace expo::os
