// Disc paths, the private temporary folder, file and process calls; a program started from a
// page is collected as soon as it ends (no zombie of the viewer). The generated pages' files
// and folder: a page is written only as a regular file of the user, never through a link; a
// private folder that cannot be used gives way to a fresh one, made once, said once and
// removed at the end.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/os/tempdir.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/support/temp_folder.h"

namespace expo::os {
namespace {

namespace fs = std::filesystem;
using text::cp;

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & (S_IFMT | 07777);
}

TEST(ProgramFolder, IsTheExecutablesFolderAndSettable) {
    const std::string original = programFolder();
    EXPECT_TRUE(fs::exists(original + "platform_os_tests"));
    setProgramFolder("/some/disc");
    EXPECT_EQ(programFolder(), "/some/disc/");
    setProgramFolder(original);
}

TEST(ResolveDiscPath, FindsNamesWhateverTheirCase) {
    testing::TempFolder dir;
    for (const char* file : {"Data/data0.dat", "Šablona.html", "both/a.txt", "both/A.txt",
                             "expozice", "Expozice/page.html"}) {
        dir.write(file, "x");
    }
    const std::string base = dir.path().string();
    const std::pair<const char*, const char*> cases[] = {
        {".\\DATA\\DATA0.DAT", "/Data/data0.dat"},
        {"data\\\\data0.dat", "/Data/data0.dat"},
        {"\\data/data0.dat", "/Data/data0.dat"},
        {"šablona.HTML", "/Šablona.html"},
        {"both\\a.txt", "/both/a.txt"},  // the exact case first
        {"nothere\\Sub\\x.ini", "/nothere/Sub/x.ini"},
        {"expozice\\page.html", "/Expozice/page.html"},  // a file is no folder
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(resolveDiscPath(base + "/", cp(name)), base + expected) << name;
    }
    EXPECT_EQ(resolveDiscPath("/elsewhere", base + "/data/DATA0.dat"), base + "/Data/data0.dat");
}

TEST(PrivateTempFolder, IsCreatedInTmpdirWithMode0700WhateverTheMask) {
    for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{0277}}) {
        testing::TempFolder parent;
        const std::string savedTmpdir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
        ::setenv("TMPDIR", parent.path().c_str(), 1);
        const mode_t saved = ::umask(mask);
        const std::string folder = privateTempFolder();
        ::umask(saved);
        savedTmpdir.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", savedTmpdir.c_str(), 1);
        const std::string expected =
            parent.path().string() + "/expozice-" + std::to_string(::geteuid()) + "/";
        EXPECT_EQ(folder, expected);
        EXPECT_EQ(modeOf(folder), S_IFDIR | 0700u) << "mask " << mask;
        EXPECT_EQ(privateTempFolderIn(parent.path().string()), expected);  // found again
    }
}

TEST(Files, ExistenceOfFiles) {
    testing::TempFolder dir;
    const fs::path file = dir.write("a.txt", "x"), links = dir.path() / "links";
    fs::create_directory(links);
    fs::create_symlink(file, links / "to-file");
    fs::create_directory_symlink(dir.path(), links / "to-folder");
    fs::create_symlink(dir.path() / "missing", links / "dangling");
    for (const auto& [path, exists] : {std::pair{file, true},
                                       {dir.path(), false},
                                       {links / "to-file", true},
                                       {links / "to-folder", false},
                                       {links / "dangling", false}}) {
        EXPECT_EQ(fileExists(path.string()), exists) << path;
    }
}

TEST(Files, CopyWriteAndReadReplaceWholeFilesAndReportFailures) {
    testing::TempFolder dir;
    const std::string bytes("new\0\xE8\r\n", 7);  // exactly, zero byte included
    const auto from = dir.write("from.zip", bytes);
    const auto to = dir.write("to.zip", "old content that is longer");
    copyFile(from, to);
    EXPECT_EQ(readFile(to), bytes);
    writeFile(to, "");
    EXPECT_EQ(readFileIfExists(to), "");
    const std::string missing = (dir.path() / "no" / "page.html").string();
    EXPECT_EQ(readFileIfExists(missing), std::nullopt);
    EXPECT_THROW(readFileIfExists(dir.path().string()), Error);
    fs::create_symlink(from, dir.path() / "same.zip");  // the source under another name
    const std::string same = (dir.path() / "same.zip").string();
    // The path and the system's reason, in no language of the program's own.
    const std::string missingReason = missing + ": " + std::strerror(ENOENT);
    for (const auto& [fail, message] :
         {std::pair<std::function<void()>, std::string>{[&] { writeFile(missing, "x"); },
                                                        missingReason},
          {[&] { readFile(missing); }, missingReason},
          {[&] { copyFile(from, missing); }, missingReason},
          {[&] { copyFile(from, same); }, same + ": " + std::strerror(EEXIST)}}) {
        EXPECT_THAT(fail, ::testing::ThrowsMessage<Error>(message));
    }
    EXPECT_EQ(readFile(from), bytes);
}

constexpr const char* kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "25 22 0:21 / /run rw,nosuid shared:5 - tmpfs tmpfs rw\n"
    "29 22 8:3 / /media/cdrom rw - ext4 /dev/sda3 rw\n"  // the later mount on a point wins
    "30 22 11:0 / /media/cdrom ro,relatime shared:9 - iso9660 /dev/sr0 ro\n"
    "31 22 11:1 / /media/dvd ro - udf /dev/sr1 ro\n32 22 0:45 / /mnt/share rw - nfs4 server:/share "
    "rw\n"
    "33 22 0:46 / /mnt/my\\040disc rw - vfat /dev/sdb1 rw\n34 22 0:47 / /mnt/ssh rw - fuse.sshfs "
    "host: rw\n"
    "35 22 8:2 / /media rw - ext4 /dev/sda2 rw\n";

TEST(DriveType, MountOfAPath) {
    const std::tuple<const char*, const char*, DriveType> cases[] = {
        {"/home/user/disc", "/", DriveType::Fixed},
        {"/run/user/1000", "/run", DriveType::RamDisk},
        {"/media/cdrom/expozice", "/media/cdrom", DriveType::CdRom},
        {"/media/cdromextra", "/media", DriveType::Fixed},
        {"/media/dvd/x", "/media/dvd", DriveType::CdRom},
        {"/mnt/share/a", "/mnt/share", DriveType::Remote},
        {"/mnt/ssh/a", "/mnt/ssh", DriveType::Remote},
        {"/mnt/my disc/a", "/mnt/my disc", DriveType::Fixed}};
    for (const auto& [path, mountPoint, type] : cases) {
        const auto mount = mountOf(kMountInfo, path);
        ASSERT_TRUE(mount) << path;
        EXPECT_EQ(mount->mountPoint, mountPoint) << path;
        EXPECT_EQ(driveTypeOf(*mount, false), type) << path;
    }
    EXPECT_EQ(mountOf(kMountInfo, "/media/cdrom/x")->major, 11u);
    EXPECT_FALSE(mountOf("", "/x"));
}

TEST(DriveType, RemovableDeviceAndMissingPath) {
    EXPECT_EQ(driveTypeOf({"/mnt/usb", "vfat", 8, 17}, true), DriveType::Removable);
    EXPECT_EQ(driveTypeOf({"/mnt/cd", "iso9660", 11, 0}, true), DriveType::CdRom);
    testing::TempFolder dir;
    EXPECT_EQ(driveType((dir.path() / "missing").string()), DriveType::NoRootDir);
    const DriveType here = driveType(dir.path().string());
    EXPECT_TRUE(here != DriveType::NoRootDir && here != DriveType::Unknown);
}

TEST(ProgramReaping, AFinishedProgramLeavesNoZombie) {
    testing::TempFolder dir;
    const std::string pidFile = (dir.path() / "pid").string();
    ASSERT_TRUE(startProgram(
        {"/bin/sh", "-c", "echo $$ > \"$1.part\" && mv \"$1.part\" \"$1\"", "sh", pidFile}));
    pid_t pid = 0;
    for (int i = 0; i < 1000 && pid == 0; ++i) {
        std::ifstream(pidFile) >> pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_GT(pid, 0);
    bool gone = false;  // a zombie still takes signals
    for (int i = 0; i < 1000 && !gone; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        gone = ::kill(pid, 0) != 0;
    }
    EXPECT_TRUE(gone) << "the program stays behind as a zombie";
}

using testing::TempFolder;

TEST(PrivateFileWrite, WritesOnlyARegularFileOfTheUser) {
    using Put = std::function<void(const TempFolder&, const fs::path& page, const fs::path& to)>;
    const std::tuple<const char*, Put, bool> occupants[] = {
        {"nothing", [](auto&, auto&, auto&) {}, true},
        {"file", [](auto& d, auto&, auto&) { d.write("temp.html", "an older, longer page"); },
         true},
        {"link", [](auto&, auto& p, auto& to) { fs::create_symlink(to, p); }, false},
        {"dangling",
         [](auto&, auto& p, auto& to) { fs::create_symlink(to.parent_path() / "new.txt", p); },
         false},
        {"folder link",
         [](auto&, auto& p, auto& to) { fs::create_directory_symlink(to.parent_path(), p); },
         false},
        {"folder", [](auto&, auto& p, auto&) { fs::create_directory(p); }, false},
        {"fifo", [](auto&, auto& p, auto&) { ::mkfifo(p.c_str(), 0600); }, false},
        {"hard link", [](auto&, auto& p, auto& to) { fs::create_hard_link(to, p); }, false}};
    for (const auto& [name, put, written] : occupants) {
        TempFolder dir;
        const std::string page = (dir.path() / "temp.html").string();
        const fs::path target = dir.write("elsewhere/target.txt", "keep");
        put(dir, page, target);
        const mode_t saved = ::umask(0);
        if (written) {
            writePrivateFile(page, "new");
            EXPECT_EQ(readFile(page), "new") << name;
            EXPECT_TRUE(std::string(name) != "nothing" || modeOf(page) == (S_IFREG | 0600u));
        } else {
            // Named as any file the system refuses, in no language of the program's own.
            EXPECT_THAT([&] { writePrivateFile(page, "new"); },
                        ::testing::ThrowsMessage<Error>(page + ": " + std::strerror(EPERM)))
                << name;
        }
        ::umask(saved);
        EXPECT_EQ(readFile(target), "keep") << name;
        EXPECT_FALSE(fs::exists(dir.path() / "elsewhere" / "new.txt")) << name;
    }
}

std::string privateName() {
    return "expozice-" + std::to_string(::geteuid());
}

TEST(SessionFolder, AnUnusablePrivateFolderGivesWayToOneFreshFolder) {
    for (const int blocker : {0, 1, 0710}) {  // a file, a link to a private folder, an open folder
        TempFolder shared, runtime;
        const fs::path name = shared.path() / privateName();
        if (blocker == 0) {
            shared.write(privateName(), "not a folder");
        } else if (blocker == 1) {
            ::mkdir((shared.path() / "mine").c_str(), 0700);
            fs::create_directory_symlink(shared.path() / "mine", name);
        } else {
            ::mkdir(name.c_str(), 0700);
            ::chmod(name.c_str(), static_cast<mode_t>(blocker));
        }
        std::string fresh;
        {
            SessionTempFolder session;
            fresh = session.path(shared.path().string(), runtime.path().string());
            ASSERT_EQ(fs::path(fresh).parent_path().parent_path(), runtime.path()) << blocker;
            EXPECT_EQ(modeOf(fresh), S_IFDIR | 0700u);
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
}

}  // namespace
}  // namespace expo::os
