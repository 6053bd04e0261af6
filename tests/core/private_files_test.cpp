// The generated pages' files and folder: a page is written only as a regular file of the user,
// never through a link; a private folder that cannot be used gives way to a fresh one, made
// once, said once and removed at the end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/os/files.h"
#include "platform/os/tempdir.h"
#include "platform/text/error.h"
#include "tests/core/temp_folder.h"

namespace expo::os {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & (S_IFMT | 07777);
}

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
        {"hard link", [](auto&, auto& p, auto& to) { fs::create_hard_link(to, p); }, false},
    };
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
            EXPECT_THROW(writePrivateFile(page, "new"), Error) << name;
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

TEST(SessionFolder, AUsablePrivateFolderIsKeptAndNothingIsSaid) {
    TempFolder shared, runtime;
    SessionTempFolder session;
    EXPECT_EQ(session.path(shared.path().string(), runtime.path().string()),
              (shared.path() / privateName()).string() + "/");
    EXPECT_EQ(session.takeNotice() + session.freshFolder(), "");
}

}  // namespace
}  // namespace expo::os
