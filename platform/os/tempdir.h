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

// The folder of one run's generated pages: the private folder of `sharedParent` while it can be
// used; from the first time it cannot, a fresh folder that mkdtemp makes inside `freshParent`
// (mode 0700), for the rest of the run. The fresh folder and the files in it are removed when
// the object goes.
class SessionTempFolder {
  public:
    SessionTempFolder() = default;
    ~SessionTempFolder();
    SessionTempFolder(const SessionTempFolder&) = delete;
    SessionTempFolder& operator=(const SessionTempFolder&) = delete;

    // The folder, ending in '/'. Throws expo::Error when neither folder can be used.
    std::string path(const std::string& sharedParent, const std::string& freshParent);
    // Why the private folder was given up for a fresh one (code page 1250), the first time it is
    // asked only; empty otherwise.
    std::string takeNotice();
    // The fresh folder, when one was made (without the final '/').
    const std::string& freshFolder() const { return fresh_; }
    // Removes the fresh folder now and goes back to the private folder.
    void reset();

  private:
    std::string fresh_;
    std::string notice_;
};

// The run's folder of this process. Its fresh folder goes when the process ends normally.
SessionTempFolder& sessionTempFolder();
// Its path: the shared parent is TMPDIR (when set and not empty) or /tmp, the fresh one
// XDG_RUNTIME_DIR when set and not empty, else the shared parent.
std::string sessionTempPath();

}  // namespace expo::os
