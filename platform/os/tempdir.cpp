#include "platform/os/tempdir.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::os {
namespace {

constexpr mode_t kPrivateMode = 0700;

[[noreturn]] void refuse(const std::string& path, std::string_view reason) {
    throw Error(text::cp("Dočasnou složku \"") + text::utf8ToCp1250(path) +
                text::cp("\" nelze použít: ") + text::cp(reason));
}

// Makes sure a folder this program has just created carries exactly mode 0700, whatever the
// process's file creation mask left.
void restrictNewFolder(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || ::fchmod(fd, kPrivateMode) != 0) {
        const int error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        refuse(path, std::strerror(error));
    }
    ::close(fd);
}

void checkExisting(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        refuse(path, std::strerror(errno));
    }
    if (!S_ISDIR(info.st_mode)) {
        refuse(path, "není to složka");
    }
    if (info.st_uid != ::geteuid()) {
        refuse(path, "patří jinému uživateli");
    }
    if ((info.st_mode & 07777) != kPrivateMode) {
        refuse(path, "přístupová práva nejsou 0700");
    }
}

std::string sharedTempParent() {
    const char* tmpdir = std::getenv("TMPDIR");
    return tmpdir != nullptr && *tmpdir != '\0' ? tmpdir : "/tmp";
}

// Removes the folder's own entries that are not folders (links are not followed), then the
// folder; what cannot be removed stays.
void removeFolderAndFiles(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        if (DIR* folder = ::fdopendir(fd)) {
            while (const dirent* entry = ::readdir(folder)) {
                const std::string_view name = entry->d_name;
                if (name != "." && name != "..") {
                    ::unlinkat(::dirfd(folder), entry->d_name, 0);
                }
            }
            ::closedir(folder);
        } else {
            ::close(fd);
        }
    }
    ::rmdir(path.c_str());
}

}  // namespace

std::string privateTempFolderIn(const std::string& parent) {
    std::string path = parent;
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += "expozice-" + std::to_string(::geteuid());
    if (::mkdir(path.c_str(), kPrivateMode) == 0) {
        restrictNewFolder(path);
    } else if (errno != EEXIST) {
        refuse(path, std::strerror(errno));
    }
    checkExisting(path);
    return path + '/';
}

std::string privateTempFolder() {
    return privateTempFolderIn(sharedTempParent());
}

SessionTempFolder::~SessionTempFolder() {
    reset();
}

void SessionTempFolder::reset() {
    if (!fresh_.empty()) {
        removeFolderAndFiles(fresh_);
    }
    fresh_.clear();
    notice_.clear();
}

std::string SessionTempFolder::path(const std::string& sharedParent,
                                    const std::string& freshParent) {
    if (!fresh_.empty()) {
        return fresh_ + '/';
    }
    std::string refusal;
    try {
        return privateTempFolderIn(sharedParent);
    } catch (const Error& error) {
        refusal = error.what();
    }
    std::string pattern = freshParent;
    if (pattern.empty() || pattern.back() != '/') {
        pattern += '/';
    }
    pattern += "expozice-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        const int error = errno;
        throw Error(refusal + text::cp("\nNáhradní složku v \"") + text::utf8ToCp1250(freshParent) +
                    text::cp("\" nelze vytvořit: ") + text::utf8ToCp1250(std::strerror(error)));
    }
    fresh_ = pattern;
    restrictNewFolder(fresh_);
    notice_ = refusal + text::cp("\nStránky se po dobu běhu programu zapisují do složky \"") +
              text::utf8ToCp1250(fresh_) + "\".";
    return fresh_ + '/';
}

std::string SessionTempFolder::takeNotice() {
    return std::exchange(notice_, std::string());
}

SessionTempFolder& sessionTempFolder() {
    static SessionTempFolder folder;
    return folder;
}

std::string sessionTempPath() {
    const std::string shared = sharedTempParent();
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return sessionTempFolder().path(shared,
                                    runtime != nullptr && *runtime != '\0' ? runtime : shared);
}

}  // namespace expo::os
