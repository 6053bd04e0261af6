// Disc paths, the private temporary folder, file and process calls.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <thread>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/os/tempdir.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/core/temp_folder.h"

namespace expo::os {
namespace {

namespace fs = std::filesystem;
using text::cp;

TEST(ProgramFolder, IsTheExecutablesFolderAndSettable) {
    const std::string original = programFolder();
    ASSERT_FALSE(original.empty());
    EXPECT_EQ(original.back(), '/');
    EXPECT_TRUE(fs::exists(original + "core_os_tests"));
    setProgramFolder("/some/disc");
    EXPECT_EQ(programFolder(), "/some/disc/");
    setProgramFolder(original);
}

TEST(ResolveDiscPath, FindsNamesWhateverTheirCase) {
    testing::TempFolder dir;
    dir.write("Data/data0.dat", "x");
    dir.write("Inzeraty/Index.INI", "x");
    dir.write("Šablona.html", "x");
    dir.write("both/a.txt", "lower");
    dir.write("both/A.txt", "upper");
    dir.write("expozice", "the program file");
    dir.write("Expozice/page.html", "x");
    const std::string base = dir.path().string();
    const struct {
        const char* name;  // as the disc gives it (written here in UTF-8)
        std::string expected;
    } cases[] = {
        {"data\\data0.dat", base + "/Data/data0.dat"},
        {".\\DATA\\DATA0.DAT", base + "/Data/data0.dat"},
        {"Data/data0.dat", base + "/Data/data0.dat"},
        {"inzeraty\\index.ini", base + "/Inzeraty/Index.INI"},
        {"ŠABLONA.html", base + "/Šablona.html"},
        {"šablona.HTML", base + "/Šablona.html"},
        {"both\\a.txt", base + "/both/a.txt"},
        {"both\\A.txt", base + "/both/A.txt"},
        {"data\\missing.dat", base + "/Data/missing.dat"},
        {"nothere\\Sub\\x.ini", base + "/nothere/Sub/x.ini"},
        {"", base},
        {"data\\\\data0.dat", base + "/Data/data0.dat"},
        // A file does not stand for a folder of the same name in another case.
        {"expozice\\page.html", base + "/Expozice/page.html"},
        {"expozice", base + "/expozice"},
        {"\\data\\data0.dat", base + "/Data/data0.dat"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resolveDiscPath(base, cp(c.name)), c.expected) << c.name;
    }
    EXPECT_EQ(resolveDiscPath(base + "/", cp("DATA\\data0.dat")), base + "/Data/data0.dat");
}

TEST(ResolveDiscPath, NameWithALeadingSeparatorStartsAtTheRoot) {
    testing::TempFolder dir;
    dir.write("Sub/File.txt", "x");
    const std::string absolute = dir.path().string() + "/sub/file.txt";
    EXPECT_EQ(resolveDiscPath("/elsewhere", absolute), dir.path().string() + "/Sub/File.txt");
}

TEST(PrivateTempFolder, IsCreatedWithMode0700WhateverTheMask) {
    for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{0277}}) {
        testing::TempFolder parent;
        const mode_t saved = ::umask(mask);
        const std::string folder = privateTempFolderIn(parent.path().string());
        ::umask(saved);
        const std::string expected =
            parent.path().string() + "/expozice-" + std::to_string(::geteuid()) + "/";
        EXPECT_EQ(folder, expected);
        struct stat info {};
        ASSERT_EQ(::lstat(folder.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, 0700u) << "mask " << mask;
        EXPECT_EQ(privateTempFolderIn(parent.path().string()), expected);  // found again
    }
}

TEST(PrivateTempFolder, UsesTmpdir) {
    testing::TempFolder parent;
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved ? saved : "";
    ::setenv("TMPDIR", parent.path().c_str(), 1);
    const std::string folder = privateTempFolder();
    saved ? ::setenv("TMPDIR", savedValue.c_str(), 1) : ::unsetenv("TMPDIR");
    EXPECT_EQ(folder, parent.path().string() + "/expozice-" + std::to_string(::geteuid()) + "/");
}

TEST(PrivateTempFolder, RefusesWhatIsNotAPrivateFolder) {
    enum class Occupant { File, SymlinkToPrivateFolder, Mode0755, Mode0710 };
    for (const Occupant occupant : {Occupant::File, Occupant::SymlinkToPrivateFolder,
                                    Occupant::Mode0755, Occupant::Mode0710}) {
        testing::TempFolder parent;
        const fs::path name = parent.path() / ("expozice-" + std::to_string(::geteuid()));
        switch (occupant) {
            case Occupant::File:
                parent.write(name.filename().string(), "not a folder");
                break;
            case Occupant::SymlinkToPrivateFolder:
                fs::create_directory(parent.path() / "elsewhere");
                fs::permissions(parent.path() / "elsewhere", fs::perms::owner_all,
                                fs::perm_options::replace);
                fs::create_directory_symlink(parent.path() / "elsewhere", name);
                break;
            case Occupant::Mode0755:
                ::mkdir(name.c_str(), 0755);
                ::chmod(name.c_str(), 0755);
                break;
            case Occupant::Mode0710:
                ::mkdir(name.c_str(), 0710);
                ::chmod(name.c_str(), 0710);
                break;
        }
        EXPECT_THROW(privateTempFolderIn(parent.path().string()), Error)
            << static_cast<int>(occupant);
    }
}

TEST(Files, ExistenceOfFiles) {
    testing::TempFolder dir;
    const auto file = dir.write("a.txt", "x");
    const fs::path links = dir.path() / "links";
    fs::create_directory(links);
    fs::create_symlink(file, links / "to-file");
    fs::create_directory_symlink(dir.path(), links / "to-folder");
    fs::create_symlink(dir.path() / "missing", links / "dangling");
    EXPECT_TRUE(fileExists(file));
    EXPECT_FALSE(fileExists(dir.path().string()));
    EXPECT_FALSE(fileExists(dir.path().string() + "/missing"));
    EXPECT_TRUE(fileExists((links / "to-file").string()));
    EXPECT_FALSE(fileExists((links / "to-folder").string()));
    EXPECT_FALSE(fileExists((links / "dangling").string()));
}

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(Files, CopyReplacesTheTarget) {
    testing::TempFolder dir;
    const auto from = dir.write("from.zip", "new content");
    const auto to = dir.write("to.zip", "old content that is longer");
    EXPECT_TRUE(copyFile(from, to));
    EXPECT_EQ(contentOf(to), "new content");
    EXPECT_TRUE(copyFile(from, (dir.path() / "fresh.zip").string()));
    EXPECT_EQ(contentOf(dir.path() / "fresh.zip"), "new content");
}

TEST(Files, CopyReportsFailure) {
    testing::TempFolder dir;
    const auto from = dir.write("from.zip", "x");
    EXPECT_FALSE(copyFile((dir.path() / "missing.zip").string(), (dir.path() / "t").string()));
    EXPECT_FALSE(copyFile(from, (dir.path() / "no" / "folder.zip").string()));
    EXPECT_FALSE(copyFile(from, dir.path().string()));
}

TEST(Files, WriteReplacesTheWholeFile) {
    testing::TempFolder dir;
    const auto path = dir.write("page.html", "old content that is longer");
    const std::string bytes("new\0\xE8\r\n", 7);  // written exactly, zero byte included
    writeFile(path, bytes);
    EXPECT_EQ(contentOf(path), bytes);
    writeFile(path, "");
    EXPECT_EQ(contentOf(path), "");
}

TEST(Files, WriteFailureNamesTheFileAndTheReason) {
    testing::TempFolder dir;
    const std::string path = (dir.path() / "no" / "page.html").string();
    try {
        writeFile(path, "x");
        FAIL() << "no error";
    } catch (const Error& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind(cp("Soubor nelze vytvořit: ") + path + " (", 0), 0u) << message;
        EXPECT_NE(message.find(std::strerror(ENOENT)), std::string::npos) << message;
    }
    EXPECT_THROW(writeFile(dir.path().string(), "x"), Error);  // a folder
}

TEST(Files, ReadGivesTheBytesUnchanged) {
    testing::TempFolder dir;
    const std::string bytes("a\0\xE8\r\n\r", 6);
    const auto path = dir.write("data.bin", bytes);
    EXPECT_EQ(readFile(path), bytes);
    EXPECT_EQ(readFileIfExists(path), bytes);
    EXPECT_EQ(readFile(dir.write("empty.txt", "")), "");
}

TEST(Files, ReadingWhatIsNotThere) {
    testing::TempFolder dir;
    const std::string missing = (dir.path() / "missing.ini").string();
    EXPECT_EQ(readFileIfExists(missing), std::nullopt);
    EXPECT_EQ(readFileIfExists((dir.path() / "no" / "index.ini").string()), std::nullopt);
    try {
        readFile(missing);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  cp("Soubor nelze přečíst: ") + missing + " (" + std::strerror(ENOENT) + ")");
    }
    EXPECT_THROW(readFileIfExists(dir.path().string()), Error);  // a folder
}

TEST(Files, OutputFileTellsCreatingFromWriting) {
    testing::TempFolder dir;
    OutputFile missingFolder;
    EXPECT_EQ(missingFolder.create((dir.path() / "no" / "list.txt").string()), ENOENT);
    const std::string path = dir.write("list.txt", "old content that is longer");
    OutputFile file;
    ASSERT_EQ(file.create(path), 0);
    file.write("first ");
    file.write("second");
    file.close();
    EXPECT_EQ(contentOf(path), "first second");
}

TEST(Files, StartsAProgramWithoutAShell) {
    testing::TempFolder dir;
    const fs::path made = dir.path() / "made by; touch";  // no shell would take this whole
    ASSERT_TRUE(startProgram({"/usr/bin/touch", made.string()}));
    for (int i = 0; i < 500 && !fs::exists(made); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(fs::exists(made));
}

TEST(Files, ProgramThatCannotStart) {
    testing::TempFolder dir;
    const auto notExecutable = dir.write("plain.exe", "MZ");
    EXPECT_FALSE(startProgram({}));
    EXPECT_FALSE(startProgram({(dir.path() / "missing.exe").string()}));
    EXPECT_FALSE(startProgram({notExecutable}));
}

constexpr const char* kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "25 22 0:21 / /run rw,nosuid shared:5 - tmpfs tmpfs rw\n"
    "30 22 11:0 / /media/cdrom ro,relatime shared:9 - iso9660 /dev/sr0 ro\n"
    "31 22 11:1 / /media/dvd ro - udf /dev/sr1 ro\n"
    "32 22 0:45 / /mnt/share rw - nfs4 server:/share rw\n"
    "33 22 0:46 / /mnt/my\\040disc rw - vfat /dev/sdb1 rw\n"
    "34 22 0:47 / /mnt/ssh rw - fuse.sshfs host: rw\n"
    "35 22 8:2 / /media rw - ext4 /dev/sda2 rw\n";

TEST(DriveType, MountOfAPath) {
    const struct {
        const char* path;
        const char* mountPoint;
        DriveType type;
    } cases[] = {
        {"/home/user/disc", "/", DriveType::Fixed},
        {"/", "/", DriveType::Fixed},
        {"/run/user/1000", "/run", DriveType::RamDisk},
        {"/media/cdrom/expozice", "/media/cdrom", DriveType::CdRom},
        {"/media/cdrom", "/media/cdrom", DriveType::CdRom},
        {"/media/cdromextra", "/media", DriveType::Fixed},
        {"/media/dvd/x", "/media/dvd", DriveType::CdRom},
        {"/mnt/share/a", "/mnt/share", DriveType::Remote},
        {"/mnt/ssh/a", "/mnt/ssh", DriveType::Remote},
        {"/mnt/my disc/a", "/mnt/my disc", DriveType::Fixed},
    };
    for (const auto& c : cases) {
        const auto mount = mountOf(kMountInfo, c.path);
        ASSERT_TRUE(mount) << c.path;
        EXPECT_EQ(mount->mountPoint, c.mountPoint) << c.path;
        EXPECT_EQ(driveTypeOf(*mount, false), c.type) << c.path;
    }
    EXPECT_EQ(mountOf(kMountInfo, "/media/cdrom/x")->major, 11u);
    EXPECT_FALSE(mountOf("", "/x"));
}

TEST(DriveType, LaterMountOnTheSamePointWins) {
    const auto mount =
        mountOf("1 0 8:1 / /mnt rw - ext4 /dev/sda1 rw\n2 1 11:0 / /mnt ro - iso9660 /dev/sr0 ro\n",
                "/mnt/a");
    ASSERT_TRUE(mount);
    EXPECT_EQ(mount->fsType, "iso9660");
}

TEST(DriveType, RemovableDeviceAndMissingPath) {
    EXPECT_EQ(driveTypeOf({"/mnt/usb", "vfat", 8, 17}, true), DriveType::Removable);
    EXPECT_EQ(driveTypeOf({"/mnt/cd", "iso9660", 11, 0}, true), DriveType::CdRom);
    testing::TempFolder dir;
    EXPECT_EQ(driveType((dir.path() / "missing").string()), DriveType::NoRootDir);
    const DriveType here = driveType(dir.path().string());
    EXPECT_NE(here, DriveType::NoRootDir);
    EXPECT_NE(here, DriveType::Unknown);
}

TEST(CurrentDirectory, GuardRestoresIt) {
    testing::TempFolder dir;
    const std::string before = currentDirectory();
    {
        CurrentDirectoryGuard guard;
        ASSERT_TRUE(setCurrentDirectory(dir.path().string()));
        EXPECT_EQ(fs::path(currentDirectory()), fs::canonical(dir.path()));
    }
    EXPECT_EQ(currentDirectory(), before);
    EXPECT_FALSE(setCurrentDirectory((dir.path() / "missing").string()));
    EXPECT_EQ(currentDirectory(), before);
}

}  // namespace
}  // namespace expo::os
