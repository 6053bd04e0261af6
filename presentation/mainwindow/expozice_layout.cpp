// The main window's components: header, left panel with the navigation tree, the exhibitor list
// and the full-text search, the page area with the path bar and the page browser, the status
// bar, and the action list. Every component carries its name as its object name.
#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QTreeWidget>

#include "platform/browser/webbrowser.h"
#include "platform/text/text.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/navigation/navigation_tree_view.h"
#include "presentation/widgets/named.h"
#include "presentation/widgets/panel_button.h"
#include "presentation/widgets/splitter_bar.h"

namespace expo::presentation {
namespace {

using text::cp;
using ui::toQ;

QString czech(std::string_view utf8) {
    return toQ(cp(utf8));
}

QFrame* panel(const char* name, QWidget* parent) {
    return named(new QFrame(parent), name);
}

QBoxLayout* boxLayout(QBoxLayout::Direction direction, QWidget* owner, int margin = 0) {
    auto* layout = new QBoxLayout(direction, owner);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    return layout;
}

QWidget* gap(const char* name, int width, QWidget* parent) {
    QWidget* w = named(new QWidget(parent), name);
    w->setFixedWidth(width);
    return w;
}

// Sizes of the layout, in pixels.
constexpr int kWindowWidth = 803;
constexpr int kWindowHeight = 683;
constexpr int kHeaderHeight = 96;
constexpr int kNavigationWidth = 246;
constexpr int kInfoBarHeight = 28;
constexpr int kPageSpacer = 4;
constexpr int kStatusBarHeight = 31;
constexpr int kStatusBarBorder = 4;
constexpr int kLogoSpacer = 4;
constexpr int kPrintButtonSize = 22;
constexpr int kViewSeparator = 3;
constexpr int kPanelButtonGap = 6;
constexpr int kHitsPanelHeight = 112;
constexpr int kHitsTitleHeight = 18;
constexpr int kCloseBoxWidth = 17;
constexpr int kCloseBoxHeight = 15;
constexpr int kCloseBoxGap = 2;  // between the close box and the strip's right end
constexpr int kFulltextHeight = 28;
constexpr int kSearchBoxWidth = 155;
constexpr int kTreeStretch = 1000;  // against the exhibitor list's 1

// The print button's picture: the desktop's printer icon, or where the desktop has no icon
// theme a small printer drawn here, a sheet going in at the top and one coming out below.
QIcon printerIcon() {
    QPixmap drawn(16, 16);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);
    painter.setBrush(QColor(176, 176, 176));
    painter.drawRect(1, 5, 13, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 9, 7, 5);
    painter.end();
    return QIcon::fromTheme("document-print", QIcon(drawn));
}

}  // namespace

void TFormExpozice::createActions() {
    struct ActionDef {
        QAction** action;
        const char* name;
        const char* caption;
        const char* hint;
    };
    const ActionDef defs[] = {
        {&ActVse, "ActVse", "Vše", "Zobrazí všechny vystavovatele v aktuální sekci"},
        {&ActHledani, "ActHledani", "Hledání", "Hledání"},
        {&ActZapisnik, "ActZapisnik", "Zápisník", "Zobrazí vystavovatele umístěné v zápisníku"},
        {&ActExponaty, "ActExponaty", "Exponáty",
         "Zobrazí vystavovatele v aktuální sekci pouze s exponáty"},
        {&ActNovinky, "ActNovinky", "Novinky",
         "Zobrazí vystavovatele v aktuální sekci pouze s novinkami"},
        {&ActDoZapisniku, "ActDoZapisniku", "Uložit do zápisníku",
         "Uloží aktuálního vystavovatele do zápisníku"},
        {&ActZrusitZeZapisniku, "ActZrusitZeZapisniku", "Zrušit ze zápisníku",
         "Zruší vystavovatele ze zásobníku"},
        {&ActExportZapisniku, "ActExportZapisniku", "Export zápisníku",
         "Uloží obsah zápisníku do souboru"},
        {&ActVyber, "ActVyber", "Výběr", "Zobrazí vybrané vystavovatele"},
        {&ActFulltext, "ActFulltext", "Fulltext", ""},
        {&ActVerze, "ActVerze", "Verze programu", ""},
    };
    for (const ActionDef& def : defs) {
        QAction* action = named(new QAction(czech(def.caption), this), def.name);
        if (*def.hint != '\0') {
            action->setToolTip(czech(def.hint));
        }
        addAction(action);  // shortcuts work anywhere in the window
        *def.action = action;
    }
    ActVerze->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    ActVerze->setShortcutContext(Qt::WindowShortcut);
}

void TFormExpozice::createComponents() {
    setObjectName("FormExpozice");
    setWindowTitle(czech("Expozice na CD-ROM"));
    setFont(QFont("MS Sans Serif", 8));
    // No least size is set here: the layout's own keeps the window from going smaller than its
    // panels need, whatever the settings ask, so no panel is drawn over another. The tree's kept
    // height over the exhibitor list is not part of it: the tree gives way first.
    resize(kWindowWidth, kWindowHeight);

    createActions();

    auto* client = named(new QWidget(this), "ClientArea");
    auto* rows = boxLayout(QBoxLayout::TopToBottom, client);
    rows->addWidget(createHeader());
    auto* middle = boxLayout(QBoxLayout::LeftToRight, nullptr);
    middle->addWidget(createNavigationPanel());
    QWidget* pageArea = createPageArea();
    SplitterWeb = new SplitterBar("SplitterWeb", Qt::Vertical, PanelNavigace,
                                  SplitterBar::TargetSide::Before, client);
    middle->addWidget(SplitterWeb);
    middle->addWidget(pageArea, 1);
    rows->addLayout(middle, 1);
    rows->addWidget(createStatusBar());
    setCentralWidget(client);
}

QWidget* TFormExpozice::createHeader() {
    PanelLogo = panel("PanelLogo", nullptr);
    PanelLogo->setFixedHeight(kHeaderHeight);
    PanelLogo->setAutoFillBackground(true);

    ImageLogo = named(new QLabel(PanelLogo), "ImageLogo");
    ImageLogo->move(0, 0);

    // The header page, inside three spacers along the left, top and right edges; all hidden
    // until an HTML header is shown.
    auto* columns = boxLayout(QBoxLayout::LeftToRight, PanelLogo);
    BevelLogoLeft = panel("BevelLogoLeft", PanelLogo);
    BevelLogoLeft->setFixedWidth(kLogoSpacer);
    BevelLogoRight = panel("BevelLogoRight", PanelLogo);
    BevelLogoRight->setFixedWidth(kLogoSpacer);
    BevelLogoTop = panel("BevelLogoTop", PanelLogo);
    BevelLogoTop->setFixedHeight(kLogoSpacer);
    WebBrowserLogo = named(new browser::WebBrowser(PanelLogo), "WebBrowserLogo");
    auto* centre = boxLayout(QBoxLayout::TopToBottom, nullptr);
    centre->addWidget(BevelLogoTop);
    centre->addWidget(WebBrowserLogo, 1);
    columns->addWidget(BevelLogoLeft);
    columns->addLayout(centre, 1);
    columns->addWidget(BevelLogoRight);
    for (QWidget* w :
         {static_cast<QWidget*>(BevelLogoLeft), static_cast<QWidget*>(BevelLogoTop),
          static_cast<QWidget*>(BevelLogoRight), static_cast<QWidget*>(WebBrowserLogo)}) {
        w->hide();
    }
    return PanelLogo;
}

QWidget* TFormExpozice::createNavigationPanel() {
    PanelNavigace = panel("PanelNavigace", nullptr);
    PanelNavigace->setFixedWidth(kNavigationWidth);
    auto* column = boxLayout(QBoxLayout::TopToBottom, PanelNavigace);

    TreeViewNavigace = named(new NavigationTreeView(PanelNavigace), "TreeViewNavigace");
    TreeViewNavigace->setHeaderHidden(true);
    TreeViewNavigace->setColumnCount(1);
    TreeViewNavigace->setEditTriggers(QAbstractItemView::NoEditTriggers);  // read-only

    QWidget* listPanel = createExhibitorListPanel();
    SplitterFirmy = new SplitterBar("SplitterFirmy", Qt::Horizontal, TreeViewNavigace,
                                    SplitterBar::TargetSide::Before, PanelNavigace,
                                    SplitterBar::Sizing::AtMost);
    QWidget* hitsPanel = createSearchHitsPanel();
    SplitterHledani = new SplitterBar("SplitterHledani", Qt::Horizontal, PanelBackHledani,
                                      SplitterBar::TargetSide::After, PanelNavigace);

    // The tree fills the panel while a page is shown; while a section is listed it takes its
    // kept height and the exhibitor list below the splitter takes the rest. The tree's stretch
    // outweighs the list's so that it has its height before the list grows beyond its least
    // size; a window too small for both takes the tree's height down first.
    column->addWidget(TreeViewNavigace, kTreeStretch);
    column->addWidget(SplitterFirmy);
    column->addWidget(listPanel, 1);
    column->addWidget(SplitterHledani);
    column->addWidget(hitsPanel, 1);
    column->addWidget(createFulltextPanel());
    SplitterFirmy->hide();
    PanelSeznamFirem->hide();
    SplitterHledani->hide();
    PanelBackHledani->hide();
    return PanelNavigace;
}

QWidget* TFormExpozice::createExhibitorListPanel() {
    PanelSeznamFirem = panel("PanelSeznamFirem", PanelNavigace);
    auto* column = boxLayout(QBoxLayout::TopToBottom, PanelSeznamFirem);

    // The view bar: five exclusive check-style buttons with 3-pixel separators.
    PanelBtnZobr = panel("PanelBtnZobr", PanelSeznamFirem);
    auto* barRow = boxLayout(QBoxLayout::LeftToRight, PanelBtnZobr);
    ToolBarSwitch = named(new QWidget(PanelBtnZobr), "ToolBarSwitch");
    barRow->addWidget(ToolBarSwitch);
    barRow->addStretch(1);
    auto* buttons = boxLayout(QBoxLayout::LeftToRight, ToolBarSwitch);
    auto* exclusive = new QButtonGroup(ToolBarSwitch);
    auto viewButton = [&](const char* name, QAction* action) {
        QToolButton* b = named(new QToolButton(ToolBarSwitch), name);
        b->setText(action->text());
        b->setToolTip(action->toolTip());
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setAutoRaise(true);  // flat
        b->setCheckable(true);
        exclusive->addButton(b);
        connect(b, &QToolButton::clicked, action, &QAction::trigger);
        buttons->addWidget(b);
        return b;
    };
    auto separator = [&](const char* name) {
        QWidget* w = gap(name, kViewSeparator, ToolBarSwitch);
        buttons->addWidget(w);
        return w;
    };
    // A separator before, between and after the buttons; the one after "Exponáty" and the one
    // after "Novinky" go with their buttons when those are switched off.
    ToolButtonMezera1 = separator("ToolButtonMezera1");
    ToolButtonVse = viewButton("ToolButtonVse", ActVse);
    ToolButtonMezera2 = separator("ToolButtonMezera2");
    ToolButtonExponaty = viewButton("ToolButtonExponaty", ActExponaty);
    ToolButtonMezera3 = separator("ToolButtonMezera3");
    ToolButtonNovinky = viewButton("ToolButtonNovinky", ActNovinky);
    ToolButtonMezera4 = separator("ToolButtonMezera4");
    ToolButtonZapisnik = viewButton("ToolButtonZapisnik", ActZapisnik);
    ToolButtonMezera5 = separator("ToolButtonMezera5");
    ToolButtonVyber = viewButton("ToolButtonVyber", ActVyber);
    ToolButtonMezera6 = separator("ToolButtonMezera6");
    ToolButtonVyber->setText(czech("Vyběr"));  // the button's own caption, not its action's
    column->addWidget(PanelBtnZobr);

    ListBoxSeznamFirem = named(new QListWidget(PanelSeznamFirem), "ListBoxSeznamFirem");
    ListBoxSeznamFirem->setSelectionMode(QAbstractItemView::ExtendedSelection);
    column->addWidget(ListBoxSeznamFirem, 1);

    // The panel-buttons, flush right; hidden ones leave no room, so each view's row reads in
    // this order with the gap between the second and the third.
    PanelTlacitka = panel("PanelTlacitka", PanelSeznamFirem);
    auto* row = boxLayout(QBoxLayout::LeftToRight, PanelTlacitka, 2);
    row->addStretch(1);
    auto panelButton = [&](const char* name, const char* labelName, const char* caption,
                           QAction* action) {
        auto* b = new PanelButton(QString::fromLatin1(name), QString::fromLatin1(labelName),
                                  czech(caption), PanelTlacitka);
        connect(b, &PanelButton::clicked, action, &QAction::trigger);
        row->addWidget(b);
        return b;
    };
    PnlDoZapisniku =
        panelButton("PnlDoZapisniku", "LblDoZapisniku", "Do zápisníku", ActDoZapisniku);
    PnlVyradit = panelButton("PnlVyradit", "LblVyradit", "Vyřadit", ActZrusitZeZapisniku);
    PanelTlacitkaVpravo1 = gap("PanelTlacitkaVpravo1", kPanelButtonGap, PanelTlacitka);
    row->addWidget(PanelTlacitkaVpravo1);
    PnlExport = panelButton("PnlExport", "LblExport", "Export", ActExportZapisniku);
    PnlNovyVyber = panelButton("PnlNovyVyber", "LblNovyVyber", "Provést výběr", ActHledani);
    LblDoZapisniku = PnlDoZapisniku->label();
    LblVyradit = PnlVyradit->label();
    LblExport = PnlExport->label();
    LblNovyVyber = PnlNovyVyber->label();
    PnlVyradit->setEnabled(false);
    PnlExport->setEnabled(false);
    column->addWidget(PanelTlacitka);
    return PanelSeznamFirem;
}

QWidget* TFormExpozice::createSearchHitsPanel() {
    PanelBackHledani = panel("PanelBackHledani", PanelNavigace);
    PanelBackHledani->setFixedHeight(kHitsPanelHeight);
    auto* column = boxLayout(QBoxLayout::TopToBottom, PanelBackHledani);

    PanelHledaniText =
        named(new QLabel(czech(" Nalezené stránky:"), PanelBackHledani), "PanelHledaniText");
    PanelHledaniText->setFixedHeight(kHitsTitleHeight);
    // The close box keeps its place at the strip's right end, whatever the strip's width.
    auto* titleRow = boxLayout(QBoxLayout::LeftToRight, PanelHledaniText);
    titleRow->setContentsMargins(0, 0, kCloseBoxGap, 0);
    titleRow->addStretch(1);
    PanelZavritHledani = new PanelButton("PanelZavritHledani", QString(), "X", PanelHledaniText);
    QFont bold = PanelZavritHledani->label()->font();
    bold.setBold(true);
    PanelZavritHledani->label()->setFont(bold);
    PanelZavritHledani->setFixedSize(kCloseBoxWidth, kCloseBoxHeight);
    titleRow->addWidget(PanelZavritHledani, 0, Qt::AlignVCenter);
    column->addWidget(PanelHledaniText);

    ListBoxNalezene = named(new QListWidget(PanelBackHledani), "ListBoxNalezene");
    ListBoxNalezene->setSelectionMode(QAbstractItemView::SingleSelection);
    column->addWidget(ListBoxNalezene, 1);
    return PanelBackHledani;
}

QWidget* TFormExpozice::createFulltextPanel() {
    PanelFulltext = panel("PanelFulltext", PanelNavigace);
    PanelFulltext->setFixedHeight(kFulltextHeight);
    auto* row = boxLayout(QBoxLayout::LeftToRight, PanelFulltext, 2);
    row->setSpacing(4);
    LabelFulltext = named(new QLabel(czech("Fulltext:"), PanelFulltext), "LabelFulltext");
    EditHledani = named(new QLineEdit(PanelFulltext), "EditHledani");
    PanelFull = new PanelButton("PanelFull", "LabelHledej", czech("Hledej"), PanelFulltext);
    LabelHledej = PanelFull->label();
    EditHledani->setFixedWidth(kSearchBoxWidth);
    row->addWidget(LabelFulltext);
    row->addWidget(EditHledani);
    row->addWidget(PanelFull);
    row->addStretch(1);  // a wider strip leaves its room at the right end
    return PanelFulltext;
}

QWidget* TFormExpozice::createPageArea() {
    PanelExpozice = panel("PanelExpozice", nullptr);
    auto* column = boxLayout(QBoxLayout::TopToBottom, PanelExpozice);

    PanelInfoAll = panel("PanelInfoAll", PanelExpozice);
    PanelInfoAll->setFixedHeight(kInfoBarHeight);
    auto* infoRow = boxLayout(QBoxLayout::LeftToRight, PanelInfoAll);
    PanelIcon = panel("PanelIcon", PanelInfoAll);
    auto* iconRow = boxLayout(QBoxLayout::LeftToRight, PanelIcon, 2);
    SpeedButtonTisk = named(new QToolButton(PanelIcon), "SpeedButtonTisk");
    SpeedButtonTisk->setFixedSize(kPrintButtonSize, kPrintButtonSize);
    SpeedButtonTisk->setAutoRaise(true);
    SpeedButtonTisk->setIcon(printerIcon());
    iconRow->addWidget(SpeedButtonTisk);
    infoRow->addWidget(PanelIcon);

    // The path bar: the label holds a hidden copy of the bar's text that gives the bar its
    // height; the bar's page is shown over it.
    PanelInfo = panel("PanelInfo", PanelInfoAll);
    PanelInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelInfo->setAutoFillBackground(true);
    auto* barRow = boxLayout(QBoxLayout::LeftToRight, PanelInfo, 1);
    PanelSpace = named(new QWidget(PanelInfo), "PanelSpace");
    PanelSpace->setFixedWidth(kPageSpacer);
    LabelInfo = named(new QLabel(PanelInfo), "LabelInfo");
    LabelInfo->setWordWrap(true);
    LabelInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    barRow->addWidget(PanelSpace);
    barRow->addWidget(LabelInfo, 1);
    WebBrowserInfo = named(new browser::WebBrowser(PanelInfo), "WebBrowserInfo");
    // The bar's page asks for no scroll bars; a bar one line high has no room for them.
    WebBrowserInfo->setScrollBarsShown(false);
    WebBrowserInfo->hide();
    infoRow->addWidget(PanelInfo, 1);
    column->addWidget(PanelInfoAll);

    QWidget* spacer = named(new QWidget(PanelExpozice), "PanelMezeraWeb");
    spacer->setFixedHeight(kPageSpacer);
    column->addWidget(spacer);

    WebBrowser = named(new browser::WebBrowser(PanelExpozice), "WebBrowser");
    column->addWidget(WebBrowser, 1);
    return PanelExpozice;
}

QWidget* TFormExpozice::createStatusBar() {
    PnlStatusBarBack = panel("PnlStatusBarBack", nullptr);
    PnlStatusBarBack->setFixedHeight(kStatusBarHeight);
    auto* row = boxLayout(QBoxLayout::LeftToRight, PnlStatusBarBack, kStatusBarBorder);
    PnlStatusBar = named(new QLabel(PnlStatusBarBack), "PnlStatusBar");
    PnlStatusBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PnlStatusBar->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PnlStatusBar->setAutoFillBackground(true);
    // A long status line is cut at the window's edge; it never widens the window.
    PnlStatusBar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(PnlStatusBar);
    return PnlStatusBarBack;
}

}  // namespace expo::presentation
