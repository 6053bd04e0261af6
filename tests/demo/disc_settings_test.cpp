// The settings files of the demo disc: every language text in every language, and every page,
// template and picture that the settings name, found as the program finds them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text/text.h"
#include "presentation/navigation/navigation.h"
#include "tests/demo/disc_support.h"

namespace expo::demotest {
namespace {

using text::cp;

// Every language text (sections "text ..." and "tlačítko ...") is given in all five languages.
TEST(DemoDiscSettings, EveryLanguageTextIsGivenInAllFiveLanguages) {
    const IniFile config = discIni("config.ini");
    int texts = 0;
    for (const std::string& section : config.sections()) {
        if (!section.starts_with("text ") && !section.starts_with(cp("tlačítko "))) {
            continue;
        }
        ++texts;
        for (int l = 0; l < kLanguages; ++l) {
            EXPECT_NE(text::trim(config.readString(section, "jaz" + std::to_string(l), "")), "")
                << text::cp1250ToUtf8(section) << " jaz" << l;
        }
    }
    EXPECT_GE(texts, 78);  // "text Nebo" and "text nebo" are one
}

// Every node of the navigation tree, in every language, shows a page that is on the disc, and
// so does every sub-page it names; the template of every language is there too.
TEST(DemoDiscSettings, NavigationTreeOfEveryLanguageNamesPagesOnTheDisc) {
    const IniFile config = discIni("config.ini");
    for (int l = 0; l < kLanguages; ++l) {
        SCOPED_TRACE("language " + std::to_string(l));
        const presentation::NavigationTree tree =
            presentation::buildNavigationTree(config, config.sections(), l, false);
        ASSERT_NE(tree.exhibitorNode, nullptr);
        EXPECT_TRUE(existsOnDisc(
            config.readString("SysPolozkaVystavovatele", "sablona" + std::to_string(l), "")));
        std::vector<const presentation::NavNode*> pending;
        for (const auto& root : tree.roots()) {
            pending.push_back(root.get());
        }
        while (!pending.empty()) {
            const presentation::NavNode* node = pending.back();
            pending.pop_back();
            EXPECT_TRUE(existsOnDisc(node->data.Url)) << node->data.Url;
            if (node->data.SubPageFiles) {
                for (size_t i = 0; i < node->data.SubPageFiles->size(); ++i) {
                    EXPECT_TRUE(existsOnDisc((*node->data.SubPageFiles)[i]));
                    EXPECT_NE((*node->data.SubPageTitles)[i], "");
                }
            }
            for (const auto& child : node->children) {
                pending.push_back(child.get());
            }
        }
    }
}

// The advertisement and presentation pages of every exhibitor in every language, and the
// floor plans of every section and area, as the template keywords look them up.
TEST(DemoDiscSettings, FolderSettingsNamePagesOnTheDisc) {
    const DataFile exhibitors(2);
    int links = 0;
    for (const auto& [iniName, folder] : {std::pair{"Inzeraty\\index.ini", "inzeraty\\"},
                                          std::pair{"Expozice\\index.ini", "expozice\\"}}) {
        const IniFile ini = discIni(iniName);
        for (size_t row = 0; row < exhibitors.rows(); ++row) {
            const std::string katId = exhibitors.text(row, "KAT_ID");
            for (int l = 0; l < kLanguages; ++l) {
                std::string page = text::trim(ini.readString(katId, "url" + std::to_string(l), ""));
                if (page.empty()) {
                    page = text::trim(ini.readString(katId, "url", ""));
                }
                if (!page.empty()) {
                    ++links;
                    EXPECT_TRUE(existsOnDisc(folder + page))
                        << iniName << " " << katId << " " << page;
                }
            }
        }
    }
    EXPECT_GE(links, 20);

    const IniFile plans = discIni("Umisteni\\umisteni.ini");
    const DataFile areas(9);
    int plansFound = 0;
    for (size_t row = 0; row < areas.rows(); ++row) {
        const std::string page = text::trim(
            plans.readString(areas.text(row, "SEKCE_ID"), areas.text(row, "PLO_ZKRAT"), ""));
        if (!page.empty()) {
            ++plansFound;
            EXPECT_TRUE(existsOnDisc("umisteni\\" + page)) << page;
        }
    }
    EXPECT_GT(plansFound, 0);
    EXPECT_LT(plansFound, static_cast<int>(areas.rows())) << "one area shows its bare code";
}

}  // namespace
}  // namespace expo::demotest
