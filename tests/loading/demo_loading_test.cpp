// The demo disc loaded in each of its five languages: the notice's title and lines in order, the
// captions, the navigation tree with its catalogue sections, the twelve datasets and the look;
// then a language switch through the header's link, which loads no data file.
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QToolButton>

#include "platform/browser/webbrowser.h"
#include "tests/loading/loading_fixture.h"

namespace expo::presentation::testing {
namespace {

struct DemoLanguage {
    int language;
    const char* allCaption;  // tlačítko Vše
    const char* firstNode;
    const char* title;
    const char* appearance;
    const char* logo;
    const char* navigation;
    const char* dataFiles;
    const char* of;
    const char* firstSection;
    const char* lastSection;  // the Polish name is missing: the Czech one stands in
    int nodeCount;            // the press item has a caption in Czech only
};

const DemoLanguage kDemoLanguages[] = {
    {0, "Vše", "Úvod", "Inicializace programu:", "načítání vzhledu.", "načítání loga.",
     "načítání navigace.", "načítání datových souborů", "z", "Strojírenství",
     "Služby, logistika a vzdělávání", 17},
    {1, "All", "Welcome", "Starting the catalogue:", "loading the layout.", "loading the logo.",
     "loading the navigation.", "loading data files", "of", "Mechanical engineering",
     "Services, logistics and education", 16},
    {2, "Alle", "Willkommen", "Programmstart:", "Layout wird geladen.", "Logo wird geladen.",
     "Navigation wird geladen.", "Datendateien werden geladen", "von", "Maschinenbau",
     "Dienstleistungen, Logistik und Bildung", 16},
    {3, "Wszystkie", "Witamy", "Uruchamianie programu:", "wczytywanie wyglądu.",
     "wczytywanie logo.", "wczytywanie nawigacji.", "wczytywanie plików danych", "z",
     "Przemysł maszynowy", "Služby, logistika a vzdělávání", 16},
    {4, "Všetko", "Úvod", "Inicializácia programu:", "načítanie vzhľadu.", "načítanie loga.",
     "načítanie navigácie.", "načítanie dátových súborov", "z", "Strojárstvo",
     "Služby, logistika a vzdelávanie", 16},
};

// The notice's lines of a loading that reaches the data files.
std::vector<QString> expectedLines(const DemoLanguage& l) {
    std::vector<QString> lines = {q(l.appearance), q(l.logo), q(l.navigation)};
    for (int step = 1; step <= 12; ++step) {
        lines.push_back(q(l.dataFiles) + QStringLiteral(": %1 ").arg(step) + q(l.of) + " 12.");
    }
    return lines;
}

int itemCount(const QTreeWidget& tree) {
    return static_cast<int>(treeLines(tree).size());
}

QTreeWidgetItem* exhibitorItem(const QTreeWidget& tree) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (dataOf(tree.topLevelItem(i)).Kind == NodeKind::ExhibitorItem) {
            return tree.topLevelItem(i);
        }
    }
    return nullptr;
}

QColor colourOf(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(role);
}

void PrintTo(const DemoLanguage& l, std::ostream* os) {
    *os << "language " << l.language;
}

class DemoLoadingTest : public LoadingTest, public ::testing::WithParamInterface<DemoLanguage> {};

TEST_P(DemoLoadingTest, LoadsTextsLookTreeSectionsAndData) {
    const DemoLanguage& l = GetParam();
    useDemoDisc();
    startIn(l.language, [&](TFormExpozice& form) {
        EXPECT_EQ(form.language(), l.language);
        EXPECT_EQ(form.ToolButtonVse->text(), q(l.allCaption));
        EXPECT_EQ(form.texts().FTextOf, text::cp(l.of));

        const QTreeWidget& tree = *form.TreeViewNavigace;
        EXPECT_EQ(itemCount(tree), l.nodeCount);
        ASSERT_GT(tree.topLevelItemCount(), 0);
        EXPECT_EQ(tree.topLevelItem(0)->text(0), q(l.firstNode));
        EXPECT_TRUE(tree.selectedItems().empty()) << "showing the first node selects nothing";

        // The six sections of config.ini below the exhibitor item, each listing its keys.
        const QTreeWidgetItem* exhibitors = exhibitorItem(tree);
        ASSERT_NE(exhibitors, nullptr);
        ASSERT_EQ(exhibitors->childCount(), 6);
        EXPECT_EQ(exhibitors->child(0)->text(0), q(l.firstSection));
        EXPECT_EQ(exhibitors->child(5)->text(0), q(l.lastSection));
        const char* const filters[] = {"SEKCE_ID in (1)",     "SEKCE_ID in (2)",
                                       "SEKCE_ID in (3 , 4)", "SEKCE_ID in (5)",
                                       "SEKCE_ID in (6)",     "SEKCE_ID in (7  ,  8)"};
        for (int i = 0; i < 6; ++i) {
            const TNodeData& section = dataOf(exhibitors->child(i));
            EXPECT_EQ(section.Kind, NodeKind::CatalogueSection);
            EXPECT_EQ(section.Filter, filters[i]);
            EXPECT_EQ(section.ItemKey, "sekce " + std::to_string(i + 1) + " na CD");
            EXPECT_EQ(section.Url, "sablony\\vystavovatel" + std::to_string(l.language) + ".html");
        }

        // The datasets, but the sections' (they come from config.ini), and the lists of the
        // search dialog.
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            EXPECT_EQ(form.catalogue().dataSet(i).active(), i != 1) << Catalogue::fileName(i);
        }
        EXPECT_FALSE(form.representedFirms().empty());
        EXPECT_FALSE(form.representedBrands().empty());

        // The look of the demo disc.
        for (const QWidget* list : listsOf(form)) {
            EXPECT_EQ(list->font().family(), "Verdana");
            EXPECT_EQ(list->font().pointSize(), 9);
            EXPECT_EQ(colourOf(list, QPalette::Text), QColor(0x10, 0x20, 0x40));
            EXPECT_EQ(colourOf(list, QPalette::Base), QColor(0xF4, 0xF7, 0xFB));
        }
        EXPECT_EQ(form.PanelLogo->height(), 90);
        EXPECT_EQ(colourOf(form.PanelLogo, QPalette::Window), QColor(0x1F, 0x4E, 0x8C));
        EXPECT_TRUE(form.WebBrowserLogo->isVisibleTo(&form)) << "the header is a page";
        EXPECT_TRUE(form.BevelLogoLeft->isVisibleTo(&form));
        EXPECT_TRUE(form.BevelLogoTop->isVisibleTo(&form));
        EXPECT_TRUE(form.BevelLogoRight->isVisibleTo(&form));
        EXPECT_EQ(form.PanelInfo->font().family(), "Verdana");
        EXPECT_EQ(colourOf(form.LabelInfo, QPalette::WindowText), QColor(0x1F, 0x4E, 0x8C));
        EXPECT_EQ(colourOf(form.PanelInfo, QPalette::Window), QColor(0xDF, 0xE9, 0xF3));
        EXPECT_EQ(colourOf(form.PnlStatusBar, QPalette::Window), QColor(0x1F, 0x4E, 0x8C));
        EXPECT_EQ(colourOf(form.PnlStatusBar, QPalette::WindowText), QColor(0xFF, 0xFF, 0xFF));
        EXPECT_EQ(colourOf(&form, QPalette::Window), QColor(0xD3, 0xDD, 0xE6));
        EXPECT_EQ(colourOf(form.PanelTlacitka, QPalette::Window), QColor(0xD3, 0xDD, 0xE6))
            << "panels without a colour of their own show the window's";
        EXPECT_FALSE(form.ToolButtonNovinky->isHidden()) << "\"Ano\" shows the button";
        EXPECT_EQ(form.navigationMinimumWidth(), form.ToolBarSwitch->sizeHint().width())
            << "the whole view bar";
    });

    ASSERT_EQ(notices.notices.size(), 1u);
    const NoticeRecorder::Notice& notice = notices.notices.front();
    EXPECT_EQ(notice.title, q(l.title));
    EXPECT_EQ(notice.lines, expectedLines(l));
    EXPECT_TRUE(notice.freed);
    expectNoErrors();
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, DemoLoadingTest, ::testing::ValuesIn(kDemoLanguages),
                         [](const auto& info) { return "Language" + std::to_string(info.index); });

class DemoLanguageSwitchTest : public LoadingTest {};

TEST_F(DemoLanguageSwitchTest, ReloadsTextsTreeAndSectionsButNoDataFile) {
    useDemoDisc();
    startIn(0, [&](TFormExpozice& form) {
        const ds::ClientDataSet& exhibitors = form.catalogue().CDSZaznamy;
        const int exhibitorCount = exhibitors.recordCount();
        const std::vector<std::string> firms = form.representedFirms();

        bool cancel = false;
        form.WebBrowserLogoBeforeNavigate2("file:///disc/zahlavi/nastav_jaz2", cancel);
        EXPECT_TRUE(cancel);
        EXPECT_EQ(form.language(), 2);
        EXPECT_EQ(form.ToolButtonVse->text(), "Alle");
        const QTreeWidget& tree = *form.TreeViewNavigace;
        EXPECT_EQ(itemCount(tree), 16) << "the old tree is gone";
        const QTreeWidgetItem* exhibitorNode = exhibitorItem(tree);
        ASSERT_NE(exhibitorNode, nullptr);
        ASSERT_EQ(exhibitorNode->childCount(), 6);
        EXPECT_EQ(exhibitorNode->child(0)->text(0), "Maschinenbau");
        EXPECT_EQ(dataOf(exhibitorNode->child(0)).Url, "sablony\\vystavovatel2.html");
        // Every item shows a node of the new tree.
        for (QTreeWidgetItemIterator it(form.TreeViewNavigace); *it; ++it) {
            EXPECT_EQ(ui::toQ(navNodeOf(*it)->caption), (*it)->text(0));
        }
        EXPECT_TRUE(exhibitors.active());
        EXPECT_EQ(exhibitors.recordCount(), exhibitorCount);
        EXPECT_EQ(form.representedFirms(), firms);

        // A language the disc lacks: the captions stay, no item has a caption, and the sections
        // stand at the top level with their Czech names.
        form.WebBrowserLogoBeforeNavigate2("nastav_jaz7", cancel);
        EXPECT_EQ(form.ToolButtonVse->text(), "Alle");
        EXPECT_EQ(form.texts().FTextAll, text::cp("Vše"));
        ASSERT_EQ(tree.topLevelItemCount(), 6);
        EXPECT_EQ(tree.topLevelItem(0)->text(0), q("Strojírenství"));
        EXPECT_EQ(dataOf(tree.topLevelItem(0)).Url, "");
    });

    ASSERT_EQ(notices.notices.size(), 3u);
    const DemoLanguage& german = kDemoLanguages[2];
    EXPECT_EQ(notices.notices[1].title, q(german.title));
    EXPECT_EQ(notices.notices[1].lines, expectedLines(german)) << "every step shows its line";
    for (const NoticeRecorder::Notice& notice : notices.notices) {
        EXPECT_TRUE(notice.freed);
    }
    expectNoErrors();
}

}  // namespace
}  // namespace expo::presentation::testing
