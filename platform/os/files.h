#pragma once
// File and process calls the program makes: existence, copying, starting programs, the type
// of drive it runs from and the current directory.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace expo::os {

// Something other than a folder exists at the path (symbolic links followed).
bool fileExists(const std::string& path);

// The file's bytes, unchanged. Throws expo::Error naming the file and the system's reason when
// it cannot be read (a folder cannot). `readFileIfExists` gives nullopt when nothing is there.
std::string readFile(const std::string& path);
std::optional<std::string> readFileIfExists(const std::string& path);
// Reads the rest of an open file into `bytes` (replacing what it held) with as few calls as
// its size allows: the buffer is sized once from the file's size and grows only when the file
// grew meanwhile. Returns 0, or the system's error number.
int readAll(int fd, std::string& bytes);

// Creates the file, or empties an existing one, and writes exactly `bytes` to it. Throws
// expo::Error naming the file and the system's reason.
void writeFile(const std::string& path, std::string_view bytes);

// The same for a file of the program's private folder: a symbolic link at the path is never
// followed, and anything there but a regular file of this user with no other name (a link, a
// folder, a pipe, a device, another user's file, a hard link) is refused and left unchanged,
// named as a file the system does not permit (EPERM).
void writePrivateFile(const std::string& path, std::string_view bytes);

// A file written in steps, for callers that tell a file that cannot be created from one that
// fails while it is written. Closed at the latest when it goes out of scope.
class OutputFile {
  public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the file, or empties an existing one, for writing. Returns 0, or the system's
    // error number when the file cannot be created.
    int create(const std::string& path);
    // The same under the rules of writePrivateFile; what is not such a file gives EPERM.
    int createPrivate(const std::string& path);
    // Writes exactly `bytes`. Throws expo::Error naming the file and the system's reason.
    void write(std::string_view bytes);
    // Closes the file; throws like write (the system may report a failed write only now).
    void close();

  private:
    std::string path_;
    int fd_ = -1;
};

// The message of a file the system refuses: its path and the system's reason for `error`.
std::string fileFailure(const std::string& path, int error);

// Copies a file, replacing an existing target. Throws expo::Error naming the target and the
// system's reason when the copy fails; a target that is the source itself (under any of its
// names) is refused so (it exists), and left untouched.
void copyFile(const std::string& from, const std::string& to);

// The folder exists and this process may create files in it.
bool isWritableFolder(const std::string& path);

// Starts a program directly, without a shell: argv[0] is the program's path, the rest its
// arguments. False when it cannot be started. The program runs on its own; its exit is
// collected as soon as it ends.
bool startProgram(const std::vector<std::string>& argv);

// Kinds of drive, numbered as the Windows drive-type query numbers them.
enum class DriveType {
    Unknown = 0,
    NoRootDir = 1,  // the path does not exist
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

// One line of /proc/self/mountinfo, as far as the drive type needs it.
struct MountEntry {
    std::string mountPoint;
    std::string fsType;
    unsigned major = 0;
    unsigned minor = 0;
};
// The mount that holds `realPath` (an absolute path without symbolic links): the longest
// mount point that contains it, the later line when two are equal.
std::optional<MountEntry> mountOf(std::string_view mountInfo, std::string_view realPath);
DriveType driveTypeOf(const MountEntry& mount, bool removableDevice);
// The type of drive that holds the path.
DriveType driveType(const std::string& path);

std::string currentDirectory();
// False when the folder cannot be made current.
bool setCurrentDirectory(const std::string& path);

// Restores the current directory it found when it goes out of scope.
class CurrentDirectoryGuard {
  public:
    CurrentDirectoryGuard() : saved_(currentDirectory()) {}
    ~CurrentDirectoryGuard() { setCurrentDirectory(saved_); }
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

  private:
    std::string saved_;
};

}  // namespace expo::os
