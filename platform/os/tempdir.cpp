#include "platform/os/tempdir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

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
    const char* tmpdir = std::getenv("TMPDIR");
    return privateTempFolderIn(tmpdir != nullptr && *tmpdir != '\0' ? tmpdir : "/tmp");
}

}  // namespace expo::os
