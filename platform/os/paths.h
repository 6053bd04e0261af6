#pragma once
// Where the program lies, and names from the disc turned into real paths.
#include <string>
#include <string_view>

namespace expo::os {

// The folder of the program file, ending in '/'.
const std::string& programFolder();
// Replaces the program's folder (tests, and a disc laid out elsewhere). A missing trailing
// '/' is added.
void setProgramFolder(std::string folder);

// A name as the disc's settings and pages give it (code page 1250, "\" or "/" between
// folders, letter case that may differ from the file's) turned into a path below `base` (a
// path in the file system's encoding). Each component is looked for as written first, then
// without regard to letter case; "." and empty components are skipped. When a component is
// not found, the rest is joined as written, so an error about the missing file names it.
// A name that starts with "/" is an absolute path; one that starts with "\" stays below `base`.
std::string resolveDiscPath(std::string_view base, std::string_view cp1250Name);

}  // namespace expo::os
