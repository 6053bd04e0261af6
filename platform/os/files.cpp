#include "platform/os/files.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <thread>
#include <utility>

#include "platform/text/error.h"
#include "platform/text/text.h"

extern char** environ;

namespace expo::os {
namespace {

[[noreturn]] void fail(const std::string& path, int error) {
    throw Error(fileFailure(path, error));
}

}  // namespace

int readAll(int fd, std::string& bytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return errno;
    }
    size_t size = info.st_size > 0 ? static_cast<size_t>(info.st_size) : 0;
    bytes.resize(size + 1);  // one byte more, to see the end without another call
    size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            bytes.resize(bytes.size() * 2 + 4096);
        }
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return 0;
}

namespace {

// Mount points escape blanks, tabs, line breaks and backslashes as three octal digits.
std::string unescapeMountField(std::string_view field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            std::all_of(field.begin() + i + 1, field.begin() + i + 4,
                        [](char c) { return c >= '0' && c <= '7'; })) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool isBelow(std::string_view path, std::string_view mountPoint) {
    if (mountPoint == "/") {
        return true;
    }
    return path.starts_with(mountPoint) &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

std::optional<MountEntry> parseMountLine(const std::string& line) {
    // id parent major:minor root mount-point options [optional fields...] - fstype source ...
    std::istringstream in(line);
    std::string id, parent, device, root, mountPoint;
    if (!(in >> id >> parent >> device >> root >> mountPoint)) {
        return std::nullopt;
    }
    std::string field;
    while (in >> field && field != "-") {
    }
    std::string fsType;
    if (!(in >> fsType)) {
        return std::nullopt;
    }
    MountEntry entry{unescapeMountField(mountPoint), fsType, 0, 0};
    const size_t colon = device.find(':');
    if (colon != std::string::npos) {
        entry.major = static_cast<unsigned>(std::strtoul(device.c_str(), nullptr, 10));
        entry.minor = static_cast<unsigned>(std::strtoul(device.c_str() + colon + 1, nullptr, 10));
    }
    return entry;
}

bool readFlag(const std::string& path) {
    std::ifstream in(path);
    char flag = '0';
    return in >> flag && flag == '1';
}

// The block device's "removable" flag, looked up for a partition at its disc.
bool isRemovableDevice(unsigned major, unsigned minor) {
    const std::string device =
        "/sys/dev/block/" + std::to_string(major) + ":" + std::to_string(minor);
    std::error_code ignored;
    if (std::filesystem::exists(device + "/removable", ignored)) {
        return readFlag(device + "/removable");
    }
    return readFlag(device + "/../removable");
}

}  // namespace

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::optional<std::string> readFileIfExists(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return std::nullopt;
        }
        fail(path, errno);
    }
    if (S_ISDIR(info.st_mode)) {
        fail(path, EISDIR);
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fail(path, errno);
    }
    std::string bytes;
    const int error = readAll(fd, bytes);
    ::close(fd);
    if (error != 0) {
        fail(path, error);
    }
    return bytes;
}

std::string readFile(const std::string& path) {
    if (auto bytes = readFileIfExists(path)) {
        return std::move(*bytes);
    }
    fail(path, ENOENT);
}

void writeFile(const std::string& path, std::string_view bytes) {
    OutputFile file;
    if (const int error = file.create(path)) {
        fail(path, error);
    }
    file.write(bytes);
    file.close();
}

void writePrivateFile(const std::string& path, std::string_view bytes) {
    OutputFile file;
    if (const int error = file.createPrivate(path)) {
        fail(path, error);
    }
    file.write(bytes);
    file.close();
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int OutputFile::create(const std::string& path) {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    path_ = path;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd_ < 0 ? errno : 0;
}

int OutputFile::createPrivate(const std::string& path) {
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));
    }
    path_ = path;
    // Not emptied on opening: only a file that passes the checks is. Without blocking, a pipe
    // with no reader fails at once instead of waiting for one.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        return errno == ELOOP || errno == ENXIO || errno == EISDIR ? EPERM : errno;
    }
    struct stat info {};
    int error = 0;
    if (::fstat(fd, &info) != 0) {
        error = errno;
    } else if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid() || info.st_nlink != 1) {
        error = EPERM;
    } else if (::ftruncate(fd, 0) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::close(fd);
        return error;
    }
    fd_ = fd;
    return 0;
}

void OutputFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            fail(path_, written < 0 ? errno : EIO);
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

void OutputFile::close() {
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) {
        fail(path_, errno);
    }
}

// The form of the system's own tools (a shell, cp), the same in every language of the program:
// the path, then the reason, which the locale words in UTF-8 in the user's language.
std::string fileFailure(const std::string& path, int error) {
    return text::utf8ToCp1250(path) + ": " + text::utf8ToCp1250(std::strerror(error));
}

// The copy refuses a target that is the source itself before it opens anything.
void copyFile(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        throw Error(fileFailure(to, error.value()));
    }
}

bool isWritableFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(path.c_str(), W_OK | X_OK) == 0;
}

bool startProgram(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return false;
    }
    std::vector<char*> args;
    for (const auto& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv.front().c_str(), nullptr, nullptr, args.data(), environ) != 0) {
        return false;
    }
    // A thread of its own waits for the program's end and collects it at once, so that no
    // finished program lingers as a zombie while the viewer runs.
    std::thread([pid] {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

std::optional<MountEntry> mountOf(std::string_view mountInfo, std::string_view realPath) {
    std::optional<MountEntry> best;
    std::istringstream lines{std::string(mountInfo)};
    std::string line;
    while (std::getline(lines, line)) {
        auto entry = parseMountLine(line);
        if (entry && isBelow(realPath, entry->mountPoint) &&
            (!best || entry->mountPoint.size() >= best->mountPoint.size())) {
            best = std::move(entry);
        }
    }
    return best;
}

DriveType driveTypeOf(const MountEntry& mount, bool removableDevice) {
    static constexpr std::array<std::string_view, 2> kCdRom = {"iso9660", "udf"};
    static constexpr std::array<std::string_view, 9> kRemote = {
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs", "9p", "afs"};
    static constexpr std::array<std::string_view, 2> kRam = {"tmpfs", "ramfs"};
    const auto isOneOf = [&](const auto& names) {
        return std::find(names.begin(), names.end(), mount.fsType) != names.end();
    };
    if (isOneOf(kCdRom)) {
        return DriveType::CdRom;
    }
    if (isOneOf(kRemote)) {
        return DriveType::Remote;
    }
    if (isOneOf(kRam)) {
        return DriveType::RamDisk;
    }
    return removableDevice ? DriveType::Removable : DriveType::Fixed;
}

DriveType driveType(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return DriveType::NoRootDir;
    }
    std::ifstream in("/proc/self/mountinfo");
    const std::string mountInfo((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
    const auto mount = mountOf(mountInfo, resolved);
    if (!mount) {
        return DriveType::Unknown;
    }
    return driveTypeOf(*mount, mount->major != 0 && isRemovableDevice(mount->major, mount->minor));
}

std::string currentDirectory() {
    std::error_code error;
    const auto path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

bool setCurrentDirectory(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

}  // namespace expo::os
