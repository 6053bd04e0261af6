// The main window's components, found by their names, its actions with their captions, hints
// and shortcut, and the panel-buttons that each view shows.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <algorithm>

#include "platform/ui/qtext.h"
#include "presentation/panel_button.h"
#include "presentation/splitter_bar.h"
#include "tests/mainwindow/disc_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;
using ui::toQ;

const char* const kComponents[] = {
    "PanelLogo",          "ImageLogo",          "WebBrowserLogo",
    "BevelLogoLeft",      "BevelLogoTop",       "BevelLogoRight",
    "PanelNavigace",      "TreeViewNavigace",   "SplitterFirmy",
    "PanelSeznamFirem",   "PanelBtnZobr",       "ToolBarSwitch",
    "ToolButtonMezera1",  "ToolButtonVse",      "ToolButtonMezera2",
    "ToolButtonExponaty", "ToolButtonMezera3",  "ToolButtonNovinky",
    "ToolButtonMezera4",  "ToolButtonZapisnik", "ToolButtonMezera5",
    "ToolButtonVyber",    "ToolButtonMezera6",  "ListBoxSeznamFirem",
    "PanelTlacitka",      "PnlDoZapisniku",     "LblDoZapisniku",
    "PnlVyradit",         "LblVyradit",         "PanelTlacitkaVpravo1",
    "PnlExport",          "LblExport",          "PnlNovyVyber",
    "LblNovyVyber",       "SplitterHledani",    "PanelBackHledani",
    "PanelHledaniText",   "PanelZavritHledani", "ListBoxNalezene",
    "PanelFulltext",      "LabelFulltext",      "EditHledani",
    "PanelFull",          "LabelHledej",        "SplitterWeb",
    "PanelExpozice",      "PanelInfoAll",       "PanelIcon",
    "SpeedButtonTisk",    "PanelInfo",          "PanelSpace",
    "LabelInfo",          "WebBrowserInfo",     "WebBrowser",
    "PnlStatusBarBack",   "PnlStatusBar"};

struct ActionCase {
    const char* name;
    const char* caption;
    const char* hint;
};

const ActionCase kActions[] = {
    {"ActVse", "Vše", "Zobrazí všechny vystavovatele v aktuální sekci"},
    {"ActHledani", "Hledání", "Hledání"},
    {"ActZapisnik", "Zápisník", "Zobrazí vystavovatele umístěné v zápisníku"},
    {"ActExponaty", "Exponáty", "Zobrazí vystavovatele v aktuální sekci pouze s exponáty"},
    {"ActNovinky", "Novinky", "Zobrazí vystavovatele v aktuální sekci pouze s novinkami"},
    {"ActDoZapisniku", "Uložit do zápisníku", "Uloží aktuálního vystavovatele do zápisníku"},
    {"ActZrusitZeZapisniku", "Zrušit ze zápisníku", "Zruší vystavovatele ze zásobníku"},
    {"ActExportZapisniku", "Export zápisníku", "Uloží obsah zápisníku do souboru"},
    {"ActVyber", "Výběr", "Zobrazí vybrané vystavovatele"},
    {"ActFulltext", "Fulltext", ""},
    {"ActVerze", "Verze programu", ""},
};

// The panel-buttons of the row that the view leaves in view, left to right.
std::vector<QString> visibleRow(TFormExpozice& form) {
    form.PanelTlacitka->layout()->activate();
    std::vector<QWidget*> shown;
    for (QWidget* w :
         {static_cast<QWidget*>(form.PnlDoZapisniku), static_cast<QWidget*>(form.PnlVyradit),
          form.PanelTlacitkaVpravo1, static_cast<QWidget*>(form.PnlExport),
          static_cast<QWidget*>(form.PnlNovyVyber)}) {
        if (w->isVisibleTo(form.PanelTlacitka)) {
            shown.push_back(w);
        }
    }
    std::sort(shown.begin(), shown.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    std::vector<QString> names;
    for (QWidget* w : shown) {
        names.push_back(w->objectName());
    }
    return names;
}

class ComponentsTest : public DiscTest {};

TEST_F(ComponentsTest, TheMainWindowHasItsComponentsActionsAndViews) {
    writeIntro();
    write("config.ini", "[uvod]\nurl=uvod.html\n");
    followLinks({"cs"});
    EXPECT_EQ(
        runStart([](TFormExpozice& form) {
            EXPECT_EQ(form.windowTitle(), toQ(cp("Expozice na CD-ROM")));
            for (const char* name : kComponents) {
                EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << name;
            }
            EXPECT_EQ(form.PnlStatusBarBack->height(), 31);
            // The view bar: a 3-pixel separator before, between and after its five buttons.
            std::vector<QString> viewBar;
            QLayout& bar = *form.ToolBarSwitch->layout();
            for (int i = 0; i < bar.count(); ++i) {
                if (QWidget* w = bar.itemAt(i)->widget()) {
                    viewBar.push_back(w->objectName());
                    if (w->objectName().startsWith("ToolButtonMezera")) {
                        EXPECT_EQ(w->width(), 3) << w->objectName().toStdString();
                    }
                }
            }
            EXPECT_EQ(viewBar, (std::vector<QString>{
                                   "ToolButtonMezera1", "ToolButtonVse", "ToolButtonMezera2",
                                   "ToolButtonExponaty", "ToolButtonMezera3", "ToolButtonNovinky",
                                   "ToolButtonMezera4", "ToolButtonZapisnik", "ToolButtonMezera5",
                                   "ToolButtonVyber", "ToolButtonMezera6"}));
            // A printer, also on a desktop without an icon theme.
            EXPECT_FALSE(form.SpeedButtonTisk->icon().pixmap(16, 16).isNull());
            // No browser control of the window opens a context menu; the tree keeps its own.
            const QList<QWebEngineView*> views = form.findChildren<QWebEngineView*>();
            EXPECT_EQ(views.size(), 3);  // header, path bar, page
            for (const QWebEngineView* view : views) {
                EXPECT_EQ(view->contextMenuPolicy(), Qt::NoContextMenu);
            }
            EXPECT_EQ(form.TreeViewNavigace->contextMenuPolicy(), Qt::DefaultContextMenu);
            // The list and the search hits wait for their content.
            EXPECT_FALSE(form.PanelSeznamFirem->isVisible());
            EXPECT_FALSE(form.PanelBackHledani->isVisible());
            EXPECT_FALSE(form.SplitterHledani->isVisible());
            EXPECT_TRUE(form.PanelFulltext->isVisible());
            EXPECT_FALSE(form.PnlExport->isEnabled());
            EXPECT_FALSE(form.PnlVyradit->isEnabled());
            EXPECT_EQ(form.ToolButtonVyber->text(), toQ(cp("Vyběr")));

            const QList<QAction*> actions = form.actions();
            ASSERT_EQ(static_cast<size_t>(actions.size()), std::size(kActions));
            for (size_t i = 0; i < std::size(kActions); ++i) {
                SCOPED_TRACE(kActions[i].name);
                const QAction* action = actions[static_cast<int>(i)];
                EXPECT_EQ(action->objectName(), kActions[i].name);
                EXPECT_EQ(action->text(), toQ(cp(kActions[i].caption)));
                if (*kActions[i].hint != '\0') {
                    EXPECT_EQ(action->toolTip(), toQ(cp(kActions[i].hint)));
                }
            }
            EXPECT_EQ(form.ActVerze->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));

            // The constructor leaves the "Vše" view.
            EXPECT_EQ(visibleRow(form), std::vector<QString>{"PnlDoZapisniku"});
            form.SetViewButton(form.ToolButtonZapisnik);
            EXPECT_EQ(visibleRow(form),
                      (std::vector<QString>{"PnlVyradit", "PanelTlacitkaVpravo1", "PnlExport"}));
            EXPECT_TRUE(form.ToolButtonZapisnik->isChecked());
            EXPECT_FALSE(form.ToolButtonVse->isChecked());
            form.SetViewButton(form.ToolButtonVyber);
            EXPECT_EQ(
                visibleRow(form),
                (std::vector<QString>{"PnlDoZapisniku", "PanelTlacitkaVpravo1", "PnlNovyVyber"}));
            EXPECT_EQ(form.PanelTlacitkaVpravo1->width(), 6);
        }),
        0);
}

}  // namespace
}  // namespace expo::presentation::testing
