#include "platform/os/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/text/text.h"

namespace expo::os {
namespace {

std::string withTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string folderOfExecutable() {
    std::string buffer(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) {
        return "./";
    }
    buffer.resize(static_cast<size_t>(length));
    return buffer.substr(0, buffer.rfind('/') + 1);
}

std::string& storedProgramFolder() {
    static std::string folder = folderOfExecutable();
    return folder;
}

std::string join(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    path += name;
    return path;
}

// Whether `path` names something usable as a component: any entry for the last component,
// a folder (or a link to one) for the components before it.
bool usable(const std::string& path, bool mustBeFolder) {
    struct stat info {};
    if (!mustBeFolder) {
        return ::lstat(path.c_str(), &info) == 0;
    }
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A file name on the Linux disc as code page 1250 text: UTF-8 names are converted, other
// bytes are taken as they are.
std::string diskNameAsCp1250(std::string_view name) {
    return text::isValidUtf8(name) ? text::utf8ToCp1250(name) : std::string(name);
}

// The entry of `folder` whose name equals `cp1250Name` without regard to case (only folders
// when `mustBeFolder`); the first by byte order when several do.
std::optional<std::string> findNoCase(const std::string& folder, std::string_view cp1250Name,
                                      bool mustBeFolder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    std::vector<std::string> matches;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (text::equalsNoCase(diskNameAsCp1250(name), cp1250Name) &&
            usable(join(folder, name), mustBeFolder)) {
            matches.emplace_back(name);
        }
    }
    ::closedir(dir);
    if (matches.empty()) {
        return std::nullopt;
    }
    return *std::min_element(matches.begin(), matches.end());
}

std::vector<std::string_view> components(std::string_view name) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= name.size()) {
        const size_t end = std::min(name.find_first_of("\\/", start), name.size());
        const std::string_view part = name.substr(start, end - start);
        if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

}  // namespace

const std::string& programFolder() {
    return storedProgramFolder();
}

void setProgramFolder(std::string folder) {
    storedProgramFolder() = withTrailingSlash(std::move(folder));
}

std::string resolveDiscPath(std::string_view base, std::string_view cp1250Name) {
    // A name the disc writes with a leading "\\" stays below `base`, as the program folder and
    // the name joined on the original system did; a leading "/" is an absolute path of this
    // system (a page's file: link).
    const bool fromRoot = !cp1250Name.empty() && cp1250Name.front() == '/';
    std::string path = fromRoot ? std::string("/") : std::string(base);
    bool found = true;
    const std::vector<std::string_view> parts = components(cp1250Name);
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        const bool mustBeFolder = i + 1 < parts.size();
        const std::string asWritten = text::cp1250ToUtf8(part);
        if (found && !usable(join(path, asWritten), mustBeFolder) && part != "..") {
            if (const auto match = findNoCase(path, part, mustBeFolder)) {
                path = join(path, *match);
                continue;
            }
            found = false;
        }
        path = join(path, asWritten);
    }
    return path;
}

}  // namespace expo::os
