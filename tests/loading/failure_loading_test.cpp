// Failures end the loading at their step with their message: the later steps do not run, what
// the earlier ones loaded stays, and the notice goes in every case. Also the header picture.
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>

#include "tests/loading/loading_fixture.h"

namespace expo::presentation::testing {
namespace {

constexpr const char* kItems =
    "[polozka_a]\ntext0=A\nurl0=a.html\n"
    "[SysPolozkaVystavovatele]\ntext0=Vystavovatelé\nsablona0=s.html\n";

struct FailureCase {
    const char* name;
    const char* config;       // added to kItems
    std::set<int> omit;       // data files left out
    const char* message;      // the start of the error box's text (UTF-8)
    size_t lines;             // progress lines shown before the failure
    bool treeBuilt;           // the failing step comes after the navigation tree
    bool fromOtherDirectory;  // the program is started from another current directory
};

const FailureCase kFailures[] = {
    {"EmptyNoticeColour",
     "[menu - graficka podoba]\npozadiBarva=\n",
     {},
     "'' is not a valid integer value.",
     0,
     false,
     false},
    {"BadTreeColour",
     "[menu - graficka podoba]\npismoBarva=modra\n",
     {},
     "'modra' is not a valid integer value.",
     1,
     false,
     false},
    {"BadStatusBarColour",
     "[stavova lista]\npismoBarva=$00FF00FFx\n",
     {},
     "'$00FF00FFx' is not a valid integer value.",
     1,
     false,
     false},
    {"HeaderPageNotNamed",
     "[logo]\ntyp=html\n",
     {},
     "Nepodařilo se otevřít html soubor se záhlavím.",
     2,
     false,
     false},
    {"HeaderPageMissing",
     "[logo]\ntyp=html\nhtmlFile=zahlavi\\chybi.html\n",
     {},
     "Nepodařilo se otevřít html soubor se záhlavím zahlavi\\chybi.html.",
     2,
     false,
     false},
    {"HeaderPictureUnreadable",
     "[logo]\nlogoObrazek=logo.txt\n",
     {},
     "Nepodařilo se otevřít soubor s logem logo.txt\r\rDůvod:",
     2,
     false,
     false},
    {"MissingData3",
     "",
     {3},
     "Nepodařilo se otevřít datový soubor data3.dat:\r\rDůvod:",
     7,
     true,
     false},
    {"DataBelowAnotherDirectory",
     "",
     {},
     "Nepodařilo se otevřít datový soubor data0.dat:\r\rDůvod:",
     4,
     true,
     true},
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class FailureLoadingTest : public LoadingTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureLoadingTest, EndsTheLoadingAtItsStep) {
    const FailureCase& c = GetParam();
    writeSmallDisc(std::string(kItems) + c.config, c.omit);
    disc.write("logo.txt", "no picture");
    if (c.fromOtherDirectory) {
        std::filesystem::create_directories(disc.path() / "jinde");
        ASSERT_TRUE(os::setCurrentDirectory((disc.path() / "jinde").string()));
    }
    startIn(0, [&](TFormExpozice& form) {
        EXPECT_EQ(form.TreeViewNavigace->topLevelItemCount() > 0, c.treeBuilt);
        if (std::string_view(c.name) == "MissingData3") {
            // The datasets before the failing file are open, the later ones closed; the
            // sections were added before the data files.
            const Catalogue& catalogue = form.catalogue();
            EXPECT_TRUE(catalogue.CDSJazyky.active());
            EXPECT_TRUE(catalogue.CDSSekce.active()) << "the sections come from data1.dat";
            EXPECT_TRUE(catalogue.CDSZaznamy.active());
            for (int i = 3; i < Catalogue::kDataSetCount; ++i) {
                EXPECT_FALSE(catalogue.dataSet(i).active()) << Catalogue::fileName(i);
            }
            const QTreeWidgetItem* exhibitors = topItem(*form.TreeViewNavigace, "Vystavovatelé");
            ASSERT_NE(exhibitors, nullptr);
            EXPECT_EQ(exhibitors->childCount(), catalogue.CDSSekce.recordCount());
        }
        EXPECT_TRUE(form.isEnabled());
    });
    const std::vector<std::string> shown = errors();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front().rfind(text::cp(c.message), 0), 0u) << shown.front();
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices.front().title, q("Inicializace programu:"));
    EXPECT_EQ(notices.notices.front().lines.size(), c.lines);
    EXPECT_TRUE(notices.notices.front().freed);
}

INSTANTIATE_TEST_SUITE_P(Each, FailureLoadingTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// A bad colour ends its step where it stands: what the step read before it is shown all the
// same, what comes after it is not.
class FailedStepTest : public LoadingTest {};

TEST_F(FailedStepTest, ABadTreeColourKeepsTheFontReadBeforeIt) {
    writeSmallDisc(std::string(kItems) +
                   "[menu - graficka podoba]\npismo=Courier New\npismoVelikost=11\n"
                   "pismoBarva=modra\npismoStyl=B\n");
    startIn(0, [](TFormExpozice& form) {
        const QFont font = form.TreeViewNavigace->font();
        EXPECT_EQ(font.family(), "Courier New");
        EXPECT_EQ(font.pointSize(), 11);
        EXPECT_FALSE(font.bold()) << "the style letters come after the colour";
        EXPECT_NE(form.ListBoxSeznamFirem->font().family(), "Courier New")
            << "the list takes the tree's look only in a later step";
    });
    ASSERT_EQ(errors().size(), 1u);
}

TEST_F(FailedStepTest, ABadStatusBarColourKeepsTheHeaderAndThePathBarPanel) {
    writeSmallDisc(std::string(kItems) +
                   "[logo]\nlogoVyska=70\nlogoBarva=$000000FF\n"
                   "[menu - graficka podoba]\ninfPruhPozadiBarva=$0000FF00\n"
                   "infPruhPismoVelikost=12\novlPrvekPozadiBarva=$00FF0000\n"
                   "[stavova lista]\npozadiBarva=$00FF0000\npismoBarva=x\n");
    startIn(0, [](TFormExpozice& form) {
        EXPECT_EQ(form.PanelLogo->height(), 70);
        EXPECT_EQ(form.PanelLogo->palette().color(QPalette::Window), QColor(Qt::red));
        EXPECT_EQ(form.PanelInfo->palette().color(QPalette::Window), QColor(Qt::green));
        EXPECT_EQ(form.PanelInfo->font().pointSize(), 12);
        EXPECT_EQ(form.PnlStatusBar->palette().color(QPalette::Window), QColor(Qt::blue))
            << "the status bar's background is read before its bad font colour";
        EXPECT_NE(form.palette().color(QPalette::Window), QColor(Qt::blue))
            << "the window background comes after the failure";
    });
    ASSERT_EQ(errors().size(), 1u);
}

class HeaderPictureTest : public LoadingTest {};

TEST_F(HeaderPictureTest, AHigherPictureMakesTheHeaderTaller) {
    // "typ" must be "html" exactly; the picture's name is found in any letter case.
    writeSmallDisc(
        "[SysPolozkaVystavovatele]\ntext0=Vystavovatelé\ntext1=Exhibitors\nsablona0=s.html\n"
        "sablona1=s.html\n"
        "[logo]\ntyp=HTML\nlogoVyska=50\nlogoObrazek=zahlavi\\Vysoke.BMP\n"
        "logoObrazek1=zahlavi\\nizke.bmp\n");
    std::filesystem::create_directories(disc.path() / "zahlavi");
    ASSERT_TRUE(QImage(30, 80, QImage::Format_RGB32)
                    .save(QString::fromStdString((disc.path() / "zahlavi" / "vysoke.bmp").string()),
                          "BMP"));
    ASSERT_TRUE(
        QImage(20, 10, QImage::Format_RGB32)
            .save(QString::fromStdString((disc.path() / "zahlavi" / "nizke.bmp").string()), "BMP"));
    startIn(0, [](TFormExpozice& form) {
        EXPECT_FALSE(form.WebBrowserLogo->isVisibleTo(&form));
        EXPECT_EQ(form.ImageLogo->pixmap().size(), QSize(30, 80));
        EXPECT_EQ(form.ImageLogo->size(), QSize(30, 80));
        EXPECT_EQ(form.PanelLogo->height(), 80);

        // Language 1 names a lower picture: the header keeps "logoVyska".
        form.setLanguage(1);
        form.LoadLanguage("1", false);
        EXPECT_EQ(form.ImageLogo->size(), QSize(20, 10));
        EXPECT_EQ(form.PanelLogo->height(), 50);
    });
    expectNoErrors();
}

}  // namespace
}  // namespace expo::presentation::testing
