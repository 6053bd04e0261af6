// Showing an exhibitor's page: "temp.html" in the program's private temporary folder, shown in
// the page browser; an unknown exhibitor; a page that cannot be made; the same exhibitor twice;
// requests that arrive while a page waits for the blank browser; a temporary folder that is not
// private, replaced by a fresh one.
#include <sys/stat.h>
#include <chrono>

#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <filesystem>

#include "platform/os/paths.h"
#include "platform/os/tempdir.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/pump.h"
#include "tests/pages/window_fixture.h"

namespace expo::presentation::testing {
namespace {

class ExhibitorPage : public WindowTest {};

TEST_F(ExhibitorPage, IsWrittenToThePrivateFolderAndShown) {
    TFormExpozice& w = open();
    w.ShowExhibitorPage(1353);

    const std::string page = privateFolder() + "temp.html";
    waitShown(*w.WebBrowser, page);
    EXPECT_NE(read(page).find("Agrotech a.s."), std::string::npos);
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=1353");
    struct stat folder {};
    ASSERT_EQ(::stat(privateFolder().c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 07777, 0700u);
}

TEST_F(ExhibitorPage, UnknownExhibitorLeavesThePageShown) {
    TFormExpozice& w = open();
    w.ShowExhibitorPage(1200);
    const std::string page = privateFolder() + "temp.html";
    waitShown(*w.WebBrowser, page);
    const std::string shown = read(page);

    w.ShowExhibitorPage(999999);
    settle();
    EXPECT_EQ(shownUrl(*w.WebBrowser), page);  // not blanked
    EXPECT_EQ(read(page), shown);
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=999999");
}

TEST_F(ExhibitorPage, SameExhibitorTwiceRewritesAndReloadsThePage) {
    TFormExpozice& w = open();
    w.ShowExhibitorPage(1200);
    const std::string page = privateFolder() + "temp.html";
    waitShown(*w.WebBrowser, page);
    const std::string first = read(page);
    os::writeFile(page, "stale");

    int loads = 0;
    QObject::connect(w.WebBrowser->view(), &QWebEngineView::loadFinished,
                     [&](bool ok) { loads += ok && shownUrl(*w.WebBrowser) == page ? 1 : 0; });
    w.ShowExhibitorPage(1200);
    EXPECT_EQ(read(page), first);
    EXPECT_TRUE(ui::pumpUntil([&] { return loads == 1; }, std::chrono::milliseconds(kPatienceMs)));
}

TEST_F(ExhibitorPage, APageThatCannotBeMadeLeavesTheBrowserBlank) {
    TFormExpozice& w = open();
    w.ShowExhibitorPage(1200);
    const std::string page = privateFolder() + "temp.html";
    waitShown(*w.WebBrowser, page);
    const std::string shown = read(page);

    // The template is read from the program's folder, here one without it.
    os::setProgramFolder((temp.path() / "prazdna").string());
    EXPECT_THROW(w.ShowExhibitorPage(1353), Error);
    os::setProgramFolder(EXPO_DISC_DIR);
    waitShown(*w.WebBrowser, "about:blank");  // not the page of the exhibitor shown before
    EXPECT_EQ(read(page), shown);
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=1353");
}

// Requests that arrive while a page waits for the blank browser run after it, the last one
// winning; none of them touches the exhibitor records while the first page is under way.
TEST_F(ExhibitorPage, RequestsDuringTheWaitRunAfterItTheLastWinning) {
    TFormExpozice& w = open();
    std::string filterDuringWait;
    bool written = false;
    QTimer::singleShot(0, [&] {
        w.ShowExhibitorPage(1353);
        w.ShowExhibitorPage(1363);
        filterDuringWait = lastExhibitorFilter();
        written = std::filesystem::exists(privateFolder() + "temp.html");
    });
    w.ShowExhibitorPage(1200);

    EXPECT_EQ(filterDuringWait, "KAT_ID=1200");
    EXPECT_FALSE(written);
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=1363");
    const std::string page = read(privateFolder() + "temp.html");
    EXPECT_NE(page.find("Astromat Sp. z o.o."), std::string::npos);
    EXPECT_EQ(page.find("Agrotech"), std::string::npos);
    waitShown(*w.WebBrowser, privateFolder() + "temp.html");
}

TEST_F(ExhibitorPage, AFolderThatIsNotPrivateGivesWayToAFreshOneForTheRun) {
    const std::string folder = privateFolder();
    std::filesystem::create_directory(folder);
    std::filesystem::permissions(
        folder, std::filesystem::perms::others_read | std::filesystem::perms::others_exec,
        std::filesystem::perm_options::add);
    TFormExpozice& w = open();
    w.ShowExhibitorPage(1200);
    w.ShowExhibitorPage(1353);
    settle();

    const std::string fresh = os::sessionTempFolder().freshFolder();
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    ASSERT_NE(runtime, nullptr);
    EXPECT_EQ(std::filesystem::path(fresh).parent_path(), std::filesystem::path(runtime));
    waitShown(*w.WebBrowser, fresh + "/temp.html");
    EXPECT_NE(read(fresh + "/temp.html").find("Agrotech a.s."), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(folder));

    // Said once, naming both folders.
    const std::vector<ui::Message> said = sink.besidesScreenNotice();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].text.find(folder.substr(0, folder.size() - 1)), std::string::npos);
    EXPECT_NE(said[0].text.find(fresh), std::string::npos);
    sink.messages.clear();

    os::sessionTempFolder().reset();
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

}  // namespace
}  // namespace expo::presentation::testing
