// The generated pages' files and folder: a page is written only as a regular file of the user,
// never through a link; a private folder that cannot be used gives way to a fresh one, made
// once, said once and removed at the end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/os/files.h"
#include "platform/os/tempdir.h"
#include "platform/text/error.h"
#include "tests/core/temp_folder.h"

namespace expo::os {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

enum class Occupant {
    Nothing,
    RegularFile,
    LinkToFile,
    DanglingLink,
    LinkToFolder,
    Folder,
    Fifo,
    HardLink
};

struct OccupantCase {
    const char* name;
    Occupant occupant;
    bool written;
};

class PrivateFileWrite : public ::testing::TestWithParam<OccupantCase> {};

TEST_P(PrivateFileWrite, WritesOnlyARegularFileOfTheUser) {
    TempFolder dir;
    const std::string page = (dir.path() / "temp.html").string();
    const std::string target = dir.write("elsewhere/target.txt", "keep");
    switch (GetParam().occupant) {
        case Occupant::Nothing:
            break;
        case Occupant::RegularFile:
            dir.write("temp.html", "an older and longer page");
            break;
        case Occupant::LinkToFile:
            fs::create_symlink(target, page);
            break;
        case Occupant::DanglingLink:
            fs::create_symlink(dir.path() / "elsewhere" / "new.txt", page);
            break;
        case Occupant::LinkToFolder:
            fs::create_directory_symlink(dir.path() / "elsewhere", page);
            break;
        case Occupant::Folder:
            fs::create_directory(page);
            break;
        case Occupant::Fifo:
            ASSERT_EQ(::mkfifo(page.c_str(), 0600), 0);
            break;
        case Occupant::HardLink:
            fs::create_hard_link(target, page);
            break;
    }
    if (GetParam().written) {
        writePrivateFile(page, "new");
        EXPECT_EQ(readFile(page), "new");
    } else {
        EXPECT_THROW(writePrivateFile(page, "new"), Error);
    }
    EXPECT_EQ(readFile(target), "keep");
    EXPECT_FALSE(fs::exists(dir.path() / "elsewhere" / "new.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Occupants, PrivateFileWrite,
    ::testing::Values(OccupantCase{"Nothing", Occupant::Nothing, true},
                      OccupantCase{"RegularFile", Occupant::RegularFile, true},
                      OccupantCase{"LinkToFile", Occupant::LinkToFile, false},
                      OccupantCase{"DanglingLink", Occupant::DanglingLink, false},
                      OccupantCase{"LinkToFolder", Occupant::LinkToFolder, false},
                      OccupantCase{"Folder", Occupant::Folder, false},
                      OccupantCase{"Fifo", Occupant::Fifo, false},
                      OccupantCase{"HardLink", Occupant::HardLink, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrivateFileWrite, NewFileIsReadableByTheUserOnly) {
    TempFolder dir;
    const std::string page = (dir.path() / "temp.html").string();
    const mode_t saved = ::umask(0);
    writePrivateFile(page, "x");
    ::umask(saved);
    struct stat info {};
    ASSERT_EQ(::lstat(page.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

std::string privateName() {
    return "expozice-" + std::to_string(::geteuid());
}

enum class Blocker { File, LinkToPrivateFolder, OpenFolder };

class SessionFolder : public ::testing::TestWithParam<Blocker> {};

TEST_P(SessionFolder, AnUnusablePrivateFolderGivesWayToOneFreshFolder) {
    TempFolder shared;
    TempFolder runtime;
    const fs::path name = shared.path() / privateName();
    switch (GetParam()) {
        case Blocker::File:
            shared.write(privateName(), "not a folder");
            break;
        case Blocker::LinkToPrivateFolder:
            fs::create_directory(shared.path() / "mine");
            fs::permissions(shared.path() / "mine", fs::perms::owner_all,
                            fs::perm_options::replace);
            fs::create_directory_symlink(shared.path() / "mine", name);
            break;
        case Blocker::OpenFolder:
            ::mkdir(name.c_str(), 0777);
            ::chmod(name.c_str(), 0777);
            break;
    }
    std::string fresh;
    {
        SessionTempFolder session;
        fresh = session.path(shared.path().string(), runtime.path().string());
        ASSERT_EQ(fs::path(fresh).parent_path().parent_path(), runtime.path());
        struct stat info {};
        ASSERT_EQ(::lstat(fresh.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, 0700u);

        const std::string notice = session.takeNotice();
        EXPECT_NE(notice.find(name.string()), std::string::npos) << notice;
        EXPECT_NE(notice.find(session.freshFolder()), std::string::npos) << notice;
        EXPECT_EQ(session.takeNotice(), "") << "said once";

        // The rest of the run stays in it, also once the private folder could be used.
        fs::remove_all(name);
        EXPECT_EQ(session.path(shared.path().string(), runtime.path().string()), fresh);
        writePrivateFile(fresh + "temp.html", "page");
    }
    EXPECT_FALSE(fs::exists(fresh)) << "removed with its files at the end";
    EXPECT_FALSE(fs::exists(shared.path() / "mine" / "temp.html"));
}

INSTANTIATE_TEST_SUITE_P(Blockers, SessionFolder,
                         ::testing::Values(Blocker::File, Blocker::LinkToPrivateFolder,
                                           Blocker::OpenFolder));

TEST(SessionFolder, AUsablePrivateFolderIsKeptAndNothingIsSaid) {
    TempFolder shared;
    TempFolder runtime;
    SessionTempFolder session;
    EXPECT_EQ(session.path(shared.path().string(), runtime.path().string()),
              (shared.path() / privateName()).string() + "/");
    EXPECT_EQ(session.takeNotice(), "");
    EXPECT_EQ(session.freshFolder(), "");
}

}  // namespace
}  // namespace expo::os
