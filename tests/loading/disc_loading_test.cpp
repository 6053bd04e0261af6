// The loading on small discs: the look's defaults and switches, the tree's nesting and sections
// from config.ini, hidden catalogue data, and the data files' special cases.
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QToolButton>
#include <chrono>

#include "platform/browser/webbrowser.h"
#include "platform/ui/pump.h"
#include "tests/loading/loading_fixture.h"

namespace expo::presentation::testing {
namespace {

using Lines = std::vector<std::string>;

QColor colourOf(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(role);
}

class DiscLoadingTest : public LoadingTest {};

TEST_F(DiscLoadingTest, WithoutLookSectionsTheDefaultsApply) {
    writeSmallDisc(
        "[polozka_a]\ntext0=A\nurl0=a.html\n"
        "[SysPolozkaVystavovatele]\ntext0=Vystavovatelé\nsablona0=s.html\n");
    startIn(0, [](TFormExpozice& form) {
        for (const QWidget* list : listsOf(form)) {
            EXPECT_EQ(list->font().family(), "MS Sans Serif");
            EXPECT_EQ(list->font().pointSize(), 8);
            EXPECT_FALSE(list->font().bold());
            EXPECT_EQ(colourOf(list, QPalette::Text), QColor(Qt::black));
            EXPECT_EQ(colourOf(list, QPalette::Base), QColor(Qt::white));
        }
        EXPECT_EQ(form.PanelInfo->font().family(), "Verdana");
        EXPECT_EQ(form.LabelInfo->font().pointSize(), 8);
        EXPECT_EQ(colourOf(form.PanelInfo, QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(colourOf(form.LabelInfo, QPalette::WindowText), QColor(Qt::black));
        EXPECT_EQ(colourOf(form.PnlStatusBar, QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(colourOf(form.PnlStatusBar, QPalette::WindowText), QColor(Qt::black));
        EXPECT_EQ(form.PanelLogo->height(), 100);
        EXPECT_EQ(colourOf(form.PanelLogo, QPalette::Window), QColor(Qt::white));
        EXPECT_FALSE(form.WebBrowserLogo->isVisibleTo(&form));
        EXPECT_TRUE(form.ImageLogo->pixmap().isNull()) << "no picture is named";
        const std::initializer_list<const QWidget*> optionalButtons = {
            form.ToolButtonExponaty, form.ToolButtonMezera3, form.ToolButtonNovinky,
            form.ToolButtonMezera4};
        for (const QWidget* w : optionalButtons) {
            EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
        }
        EXPECT_EQ(colourOf(&form, QPalette::Window), QColor(0xD6, 0xD3, 0xCE));
    });
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices.front().lines.size(), 15u);
    expectNoErrors();
}

TEST_F(DiscLoadingTest, SwitchesAndStyleLettersAndTheTreesNesting) {
    writeSmallDisc(
        "[tlacitka]\nexponaty=ANO\nnovinky=\n"
        "[menu - graficka podoba]\npismoStyl=bu I\npismo=\n"
        // A child standing before its parent, in the file and in the tree's order.
        "[polozka_dite]\nrodic=polozka_rodic\ntext0=Dítě\nurl0=dite.html\n"
        "[polozka_rodic]\ntext0=Rodič\nurl0=rodic.html\n"
        // No caption: its child stands at the top level.
        "[polozka_bez_titulku]\nurl0=x.html\n"
        "[polozka_sirotek]\nrodic=polozka_bez_titulku\ntext0=Sirotek\nurl0=s.html\n"
        // One name twice: one node, with the later section's keys, and its child.
        "[polozka_dvakrat]\ntext0=Stará\nurl0=stara.html\n"
        "[polozka_vnuk]\nrodic=polozka_dvakrat\ntext0=Vnuk\nurl0=v.html\n"
        "[polozka_dvakrat]\ntext0=Dvakrát\nurl0=d.html\n"
        "[Polozka_velka]\ntext0=Není položka\nurl0=n.html\n"
        "[SysPolozkaVystavovatele]\ntext0=Vystavovatelé\nsablona0=sablona0.html\n"
        "sablona1=sablona1.html\n"
        // Sections 1, 2 and 4: section 3 is missing and ends the list.
        "[sekce katalogu]\npocet=3\n"
        "[sekce 1 na CD]\njaz0=První\nsekce katalogu= 1,2 \n"
        "[sekce 2 na CD]\njaz1=Second\n"
        "[sekce 4 na CD]\njaz0=Čtvrtá\nsekce katalogu=4\n");
    write("sablona1.html", "<html><body>{KAT_NAZEV}</body></html>");
    startIn(0, [](TFormExpozice& form) {
        EXPECT_FALSE(form.ToolButtonExponaty->isHidden()) << "\"ANO\" shows the button";
        EXPECT_FALSE(form.ToolButtonMezera3->isHidden());
        EXPECT_TRUE(form.ToolButtonNovinky->isHidden()) << "an empty value hides it";
        EXPECT_TRUE(form.ToolButtonMezera4->isHidden());
        EXPECT_GT(form.navigationMinimumWidth(), form.ToolBarSwitch->sizeHint().width())
            << "the hidden button counts";

        const QFont font = form.TreeViewNavigace->font();
        EXPECT_EQ(font.family(), "MS Sans Serif") << "an empty face keeps the font's";
        EXPECT_TRUE(font.italic());
        EXPECT_FALSE(font.bold()) << "lower-case letters add nothing";
        EXPECT_FALSE(font.underline());
        EXPECT_TRUE(form.ListBoxSeznamFirem->font().italic());

        const QTreeWidget& tree = *form.TreeViewNavigace;
        EXPECT_EQ(treeLines(tree), (Lines{"Rodič", "  Dítě", "Sirotek", "Dvakrát", "  Vnuk",
                                          "Vystavovatelé", "  První", "  Není název"}));
        const QTreeWidgetItem* exhibitors = topItem(tree, "Vystavovatelé");
        ASSERT_NE(exhibitors, nullptr);
        ASSERT_EQ(exhibitors->childCount(), 2);
        EXPECT_EQ(dataOf(exhibitors->child(0)).Filter, "SEKCE_ID in (1 , 2)");
        EXPECT_EQ(dataOf(exhibitors->child(1)).Filter, "SEKCE_ID in ()");
        EXPECT_EQ(dataOf(exhibitors->child(1)).Url, "sablona0.html");
        EXPECT_EQ(dataOf(exhibitors).Kind, NodeKind::ExhibitorItem);
        EXPECT_FALSE(form.catalogue().CDSSekce.active()) << "the sections come from config.ini";

        // The style letters only ever add: another loading keeps the italics.
        form.setLanguage(1);
        form.LoadLanguage("1", false);
        EXPECT_TRUE(form.TreeViewNavigace->font().italic());
        EXPECT_EQ(treeLines(tree), (Lines{"První", "Second"}))
            << "no item has a caption in language 1: the sections stand at the top level";
    });
    expectNoErrors();
}

TEST_F(DiscLoadingTest, HiddenDataLeaveOutTheCatalogue) {
    writeSmallDisc(
        "[aplikace]\nSkrytData=\n"
        "[polozka_a]\ntext0=A\nurl0=a.html\n"
        "[SysPolozkaVystavovatele]\ntext0=Vystavovatelé\nsablona0=s.html\n"
        "[polozka_b]\ntext0=B\nurl0=b.html\n");
    startIn(0, [](TFormExpozice& form) {
        EXPECT_EQ(treeLines(*form.TreeViewNavigace), (Lines{"A", "B"}));
        const Catalogue& catalogue = form.catalogue();
        EXPECT_TRUE(catalogue.CDSJazyky.active());
        for (int i = 1; i < Catalogue::kDataSetCount; ++i) {
            EXPECT_FALSE(catalogue.dataSet(i).active()) << Catalogue::fileName(i);
        }
        EXPECT_TRUE(form.representedFirms().empty());
    });
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(
        notices.notices.front().lines,
        (std::vector<QString>{q("načítání vzhledu."), q("načítání loga."), q("načítání navigace."),
                              q("načítání datových souborů: 1 z 12.")}));
    expectNoErrors();
}

TEST_F(DiscLoadingTest, BrandsWithoutLogoColumnsLoadAndMissingAdditionalInformationIsSilent) {
    writeSmallDisc("[SysPolozkaVystavovatele]\ntext0=Vystavovatelé\nsablona0=s.html\n", {11});
    writeDataWithout(7, {"LOGO_ID", "ktz_p_blogo", "LOGO_WIDTH", "LOGO_HEIGHT"});
    startIn(0, [](TFormExpozice& form) {
        const Catalogue& catalogue = form.catalogue();
        EXPECT_TRUE(catalogue.CDSZastZnac.active());
        for (const char* field : {"LOGO_ID", "ktz_p_blogo", "LOGO_WIDTH", "LOGO_HEIGHT"}) {
            EXPECT_FALSE(catalogue.CDSZastZnac.findField(field).has_value()) << field;
        }
        EXPECT_FALSE(form.representedBrands().empty());
        EXPECT_FALSE(catalogue.CDSDoplnInf.active());
        EXPECT_TRUE(catalogue.CDSCisStat.active());
        // Sections from data1.dat: one node per record, named in language 0's column.
        const QTreeWidgetItem* exhibitors = topItem(*form.TreeViewNavigace, "Vystavovatelé");
        ASSERT_NE(exhibitors, nullptr);
        EXPECT_EQ(exhibitors->childCount(), catalogue.CDSSekce.recordCount());
        ASSERT_GT(exhibitors->childCount(), 0);
        EXPECT_EQ(dataOf(exhibitors->child(0)).Filter.rfind("SEKCE_ID=", 0), 0u);
    });
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices.front().lines.size(), 15u);
    expectNoErrors();
}

TEST_F(DiscLoadingTest, TheHeaderPageIsLookedForBelowTheCurrentDirectoryFirst) {
    writeSmallDisc(
        "[logo]\ntyp=html\nhtmlFile=hlava/zahlavi.html\n"
        "[SysPolozkaVystavovatele]\ntext0=Vystavovatelé\nsablona0=s.html\n");
    // The program's folder is a folder of its own with the settings, the intro page and a
    // header page; the current directory (the disc) has the data files and another one.
    const std::filesystem::path program = disc.path() / "program";
    std::filesystem::create_directories(program);
    for (const char* file : {"config.ini", "uvod.html"}) {
        std::filesystem::copy_file(disc.path() / file, program / file);
    }
    disc.write("program/hlava/zahlavi.html", "<html><body>program</body></html>");
    const std::string inCurrent = disc.write("hlava/zahlavi.html", "<html><body>cd</body></html>");
    os::setProgramFolder(program.string());

    const auto shownHeader = [this] {
        QString shown;
        startIn(0, [&](TFormExpozice& form) {
            EXPECT_TRUE(form.WebBrowserLogo->isVisibleTo(&form));
            QWebEngineView& view = *form.WebBrowserLogo->view();
            EXPECT_TRUE(ui::pumpUntil([&] { return !view.url().isEmpty(); },
                                      std::chrono::milliseconds(kPatienceMs)));
            shown = view.url().toLocalFile();
        });
        return std::filesystem::path(shown.toStdString()).lexically_normal();
    };
    EXPECT_EQ(shownHeader(), std::filesystem::path(inCurrent).lexically_normal());
    std::filesystem::remove(inCurrent);
    EXPECT_EQ(shownHeader(), (program / "hlava" / "zahlavi.html").lexically_normal());
    expectNoErrors();
}

}  // namespace
}  // namespace expo::presentation::testing
