// The links of the demo disc, with its catalogue loaded: "zpet:" shows the exhibitor list's
// current entry again, a language switch keeps the datasets, a download is saved.
#include <QListWidget>
#include <QTreeWidgetItemIterator>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "platform/os/files.h"
#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "platform/ui/save_dialog.h"
#include "presentation/exhibitor_list_view.h"
#include "presentation/page_paths.h"
#include "tests/links/links_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;

std::string contentOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Clicks the first link of the shown page whose href is `href`, until `done` holds. A click sent
// while the engine is still settling the page can come to nothing on a busy machine; it is sent
// again only after a long wait, so one that did arrive is never doubled.
bool clickHrefUntil(browser::WebBrowser& browser, const char* href,
                    const std::function<bool()>& done) {
    constexpr int kTries = 3;
    for (int i = 0; i < kTries; ++i) {
        browser.view()->page()->runJavaScript(
            QStringLiteral("document.querySelector('a[href=\"%1\"]').click()").arg(ui::toQ(href)));
        if (ui::pumpUntil(done, std::chrono::milliseconds(kPatienceMs / kTries))) {
            return true;
        }
    }
    return false;
}

bool treeHasCaption(const QTreeWidget& tree, const QString& caption) {
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        if ((*it)->text(0) == caption) {
            return true;
        }
    }
    return false;
}

class DemoLinksTest : public LinksTest {
  protected:
    void SetUp() override {
        LinksTest::SetUp();
        os::setProgramFolder(kDisc);
        ASSERT_TRUE(os::setCurrentDirectory(kDisc));
    }

    static std::string demoUrl(const std::string& relative) {
        return text::utf8ToCp1250(std::string(kDisc) + "/" + relative);
    }

    // Selects the disc's first catalogue section through the link of the first page and waits
    // for its first exhibitor's page.
    static void listFirstSection(TFormExpozice& form) {
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod0.html"); }));
        ASSERT_TRUE(clickHrefUntil(*form.WebBrowser, "go_polozka_sekce 1 na CD", [&] {
            return form.ListBoxSeznamFirem->count() > 2 && shows(*form.WebBrowser, "temp.html");
        }));
    }

    static constexpr const char* kDisc = EXPO_DISC_DIR;
};

TEST_F(DemoLinksTest, BackShowsTheCurrentEntryAgainAndKeepsTheOtherSelections) {
    withMainWindow([&](TFormExpozice& form) {
        EXPECT_FALSE(follow(form, "zpet:")) << "nothing listed yet";
        listFirstSection(form);
        QListWidget& list = *form.ListBoxSeznamFirem;
        ASSERT_TRUE(list.item(0)->isSelected());

        list.setCurrentRow(2, QItemSelectionModel::NoUpdate);
        form.WebBrowser->navigate("about:blank");
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "about:blank"); }));

        EXPECT_TRUE(follow(form, "zpet:"));
        EXPECT_TRUE(list.item(2)->isSelected());
        EXPECT_TRUE(list.item(0)->isSelected());
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "temp.html"); }));
        const std::string page = contentOf(privatePagePath("temp.html"));
        EXPECT_NE(page.find(ui::fromQ(list.item(2)->text())), std::string::npos)
            << "the page of the current entry";
        expectNoMessages();
    });
}

TEST_F(DemoLinksTest, BackOnTheEmptySectionEntryIsNotCancelled) {
    withMainWindow([&](TFormExpozice& form) {
        listFirstSection(form);
        setExhibitorEntries(*form.ListBoxSeznamFirem,
                            {{form.texts().FTextSectionEmpty, std::nullopt}});
        form.ListBoxSeznamFirem->setCurrentRow(0);
        EXPECT_FALSE(follow(form, "zpet:"));
        EXPECT_FALSE(follow(form, demoUrl("stranky/zpet:")));
    });
}

TEST_F(DemoLinksTest, ALanguageSwitchKeepsTheDatasets) {
    expo::testing::TempFolder elsewhere;
    withMainWindow([&](TFormExpozice& form) {
        // Open with their records, or closed (the sections come from the settings).
        const auto state = [&form] {
            std::vector<int> counts;
            for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
                const ds::ClientDataSet& dataSet = form.catalogue().dataSet(i);
                counts.push_back(dataSet.active() ? dataSet.recordCount() : -1);
            }
            return counts;
        };
        const std::vector<int> before = state();
        ASSERT_GT(before[2], 0) << "exhibitors loaded";
        // No data file could be found from here: a loading of the data would fail.
        ASSERT_TRUE(os::setCurrentDirectory(elsewhere.path().string()));
        EXPECT_TRUE(follow(form, demoUrl("stranky/nastav_jaz1")));
        EXPECT_EQ(form.language(), 1);
        EXPECT_TRUE(treeHasCaption(*form.TreeViewNavigace, "Mechanical engineering"));
        EXPECT_EQ(state(), before);
        expectNoMessages();
    });
}

TEST_F(DemoLinksTest, ADownloadOfTheDiscIsSavedWhereTheUserChooses) {
    expo::testing::TempFolder saved;
    const std::string target = (saved.path() / "podklady.zip").string();
    std::vector<std::string> presets;
    const ui::ScopedSaveDialog dialog([&](std::string_view preset) {
        presets.emplace_back(preset);
        return target;
    });
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod0.html"); }));
        ASSERT_TRUE(clickHrefUntil(*form.WebBrowser, "go_polozka_polozka_stazeni",
                                   [&] { return shows(*form.WebBrowser, "stazeni0.html"); }));
        ASSERT_TRUE(clickHrefUntil(*form.WebBrowser, "../ke_stazeni/podklady.zip",
                                   [&] { return !presets.empty(); }));
        EXPECT_EQ(presets, std::vector<std::string>{demoUrl("ke_stazeni/podklady.zip")});
        EXPECT_EQ(contentOf(target), contentOf(std::string(kDisc) + "/ke_stazeni/podklady.zip"));
        // The turned-down link may still be settling; the page must come back to rest on itself.
        EXPECT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "stazeni0.html"); }));
        expectNoMessages();
    });
}

}  // namespace
}  // namespace expo::presentation::testing
