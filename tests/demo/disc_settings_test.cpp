// The settings files of the demo disc: every language text in every language, the look, the
// header, and every page, template and picture that the settings name, found as the program
// finds them.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/text/text.h"
#include "presentation/navigation.h"
#include "tests/demo/disc_support.h"

namespace expo::demotest {
namespace {

using text::cp;

std::string digit(int n) {
    return std::to_string(n);
}

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
            EXPECT_NE(text::trim(config.readString(section, "jaz" + digit(l), "")), "")
                << text::cp1250ToUtf8(section) << " jaz" << l;
        }
    }
    EXPECT_GE(texts, 78);  // "text Nebo" and "text nebo" are one
}

TEST(DemoDiscSettings, LanguageNamesAndDefaultColumns) {
    const IniFile config = discIni("config.ini");
    std::vector<std::string> names;
    for (int l = 0; l < kLanguages; ++l) {
        names.push_back(text::trim(config.readString("uvod", "jaz" + digit(l), "")));
        EXPECT_EQ(names.back().size(), 3u) << "the language rows hold three characters";
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
    for (const char* key : {"defaultJazKat", "defaultJazKatExp"}) {
        const auto column = text::tryStrToInt(config.readString("uvod", key, ""));
        ASSERT_TRUE(column.has_value()) << key;
        EXPECT_GE(*column, 0);
        EXPECT_LE(*column, 2) << key << " must name a column that every catalogue has";
    }
}

TEST(DemoDiscSettings, LookValuesAllConvert) {
    const IniFile config = discIni("config.ini");
    int colours = 0;
    for (const char* section : {"menu - graficka podoba", "logo", "stavova lista"}) {
        for (const char* key :
             {"pismoBarva", "pozadiBarva", "infPruhPozadiBarva", "infPruhPismoBarva",
              "infPruhPismoBarvaAktivni", "ovlPrvekPozadiBarva", "logoBarva"}) {
            const std::string value = config.readString(section, key, "");
            if (!value.empty()) {
                ++colours;
                EXPECT_TRUE(text::tryStrToInt(value).has_value()) << section << " " << key;
                EXPECT_EQ(value.size(), 9u) << "a colour is $00BBGGRR";
            }
        }
    }
    EXPECT_EQ(colours, 9);
    for (const char* key :
         {"velikostLoga", "velikostLogaNom", "velikostLogaZastZn", "velikostLogaDoplInf"}) {
        EXPECT_GT(text::tryStrToInt(config.readString("aplikace", key, "")).value_or(0), 0) << key;
    }
    EXPECT_FALSE(config.valueExists("aplikace", "SkrytData"));
    for (const char* key : {"exponaty", "novinky"}) {
        EXPECT_EQ(text::asciiLower(config.readString("tlacitka", key, "")), "ano") << key;
    }
    EXPECT_TRUE(existsOnDisc(config.readString("uvod", "url", "")));
}

TEST(DemoDiscSettings, HeaderPageAndPictureOfEveryLanguage) {
    const IniFile config = discIni("config.ini");
    EXPECT_EQ(config.readString("logo", "typ", ""), "html");
    for (int l = 0; l < kLanguages; ++l) {
        SCOPED_TRACE("language " + digit(l));
        std::string page = config.readString("logo", "htmlFile" + digit(l), "");
        if (page.empty()) {
            page = config.readString("logo", "htmlFile", "");
        }
        EXPECT_TRUE(existsOnDisc(page)) << page;
        std::string picture = config.readString("logo", "logoObrazek" + digit(l), "");
        if (picture.empty()) {
            picture = config.readString("logo", "logoObrazek", "");
        }
        ASSERT_TRUE(existsOnDisc(picture)) << picture;
        EXPECT_EQ(text::asciiLower(picture.substr(picture.size() - 4)), ".bmp")
            << "the header picture must be a kind the viewer loads";
        const QImage image(QString::fromStdString(resolve(picture)));
        EXPECT_FALSE(image.isNull()) << picture;
    }
}

// Every node of the navigation tree, in every language, shows a page that is on the disc, and
// so does every sub-page it names; the template of every language is there too.
TEST(DemoDiscSettings, NavigationTreeOfEveryLanguageNamesPagesOnTheDisc) {
    const IniFile config = discIni("config.ini");
    for (int l = 0; l < kLanguages; ++l) {
        SCOPED_TRACE("language " + digit(l));
        const presentation::NavigationTree tree =
            presentation::buildNavigationTree(config, config.sections(), l, false);
        ASSERT_NE(tree.exhibitorNode, nullptr);
        EXPECT_TRUE(
            existsOnDisc(config.readString("SysPolozkaVystavovatele", "sablona" + digit(l), "")));
        int nodes = 0, nested = 0, subPages = 0;
        std::vector<const presentation::NavNode*> pending;
        for (const auto& root : tree.roots()) {
            pending.push_back(root.get());
        }
        while (!pending.empty()) {
            const presentation::NavNode* node = pending.back();
            pending.pop_back();
            ++nodes;
            nested += node->parent != nullptr ? 1 : 0;
            EXPECT_TRUE(existsOnDisc(node->data.Url)) << node->data.Url;
            if (node->data.SubPageFiles) {
                for (size_t i = 0; i < node->data.SubPageFiles->size(); ++i) {
                    ++subPages;
                    EXPECT_TRUE(existsOnDisc((*node->data.SubPageFiles)[i]));
                    EXPECT_NE((*node->data.SubPageTitles)[i], "");
                }
            }
            for (const auto& child : node->children) {
                pending.push_back(child.get());
            }
        }
        EXPECT_GE(nodes, 10);
        EXPECT_GE(nested, 3);
        EXPECT_GE(subPages, 2);
    }
}

// The advertisement and presentation pages of every exhibitor in every language, and the
// floor plans of every section and area, as the template keywords look them up.
TEST(DemoDiscSettings, FolderSettingsNamePagesOnTheDisc) {
    const DataFile exhibitors(2);
    int links = 0, newWindow = 0;
    for (const auto& [iniName, folder] : {std::pair{"Inzeraty\\index.ini", "inzeraty\\"},
                                          std::pair{"Expozice\\index.ini", "expozice\\"}}) {
        const IniFile ini = discIni(iniName);
        for (size_t row = 0; row < exhibitors.rows(); ++row) {
            const std::string katId = exhibitors.text(row, "KAT_ID");
            for (int l = 0; l < kLanguages; ++l) {
                std::string page = text::trim(ini.readString(katId, "url" + digit(l), ""));
                if (page.empty()) {
                    page = text::trim(ini.readString(katId, "url", ""));
                }
                if (!page.empty()) {
                    ++links;
                    EXPECT_TRUE(existsOnDisc(folder + page))
                        << iniName << " " << katId << " " << page;
                }
            }
            newWindow += text::trim(ini.readString(katId, "extern", "")) == "1" ? 1 : 0;
        }
    }
    EXPECT_GE(links, 20);
    EXPECT_GE(newWindow, 2);

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
