#pragma once
// The main window: it owns every component of the viewer and all shared state of the running
// program (the settings files, the language texts, the work lists, the catalogue datasets).
// Other windows read what they need through a reference to it that they are given.
//
// Its methods are split over files by topic: expozice_layout.cpp builds the components,
// expozice_startup.cpp holds the constructor, the activation handler and the destructor,
// expozice_loading.cpp the language loading (expozice_logo.cpp its header logo, expozice_tree.cpp
// its navigation tree and data files), expozice_views.cpp the view buttons,
// expozice_links.cpp the link words of the shown pages and printing; expozice_nodes.cpp shows
// navigation nodes, expozice_list.cpp the exhibitor list, expozice_page.cpp exhibitor pages,
// expozice_pathbar.cpp the path bar, expozice_fulltext.cpp the full-text search,
// expozice_notebook.cpp the notebook and its export, and expozice_search.cpp the commands of the
// criteria search.
#include <QMainWindow>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/inifile.h"
#include "presentation/catalogue/catalogue.h"
#include "presentation/catalogue/exhibitor_list.h"
#include "presentation/navigation/navigation.h"
#include "presentation/page/exhibitor_page.h"
#include "presentation/settings/language_texts.h"
#include "presentation/settings/look.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace expo::browser {
class WebBrowser;
}

namespace expo::presentation {

class PanelButton;
class SplitterBar;
class TFormDlgHlaseni;

class TFormExpozice : public QMainWindow {
    Q_OBJECT
  public:
    // Opens the settings files, shows the intro window and, inside it, runs the first loading.
    // Throws expo::Error when a settings file cannot be read or the intro page is missing.
    explicit TFormExpozice(QWidget* owner = nullptr);
    ~TFormExpozice() override;

    // The language number: 0..4, or -1 while none is chosen. The intro window and the
    // language-switch links set it before they run LoadLanguage.
    int language() const { return FLanguage; }
    void setLanguage(int language) { FLanguage = language; }

    // Loads texts, look, header logo, navigation tree and catalogue sections for the language
    // given as decimal text (the same number as language()), and the data files when loadData
    // is set, under the progress notice. Throws expo::Error; what was loaded before stays.
    void LoadLanguage(std::string_view languageText, bool loadData);
    // The progress notice of a long operation, in the colour of config.ini; the main window is
    // disabled while it exists. Once this is the application's main window, the notice's end
    // runs the activation handler as the focus comes back here.
    std::unique_ptr<TFormDlgHlaseni> showNotice(std::string_view title);

    // Makes `button` the one view button down and shows the panel-buttons of its view.
    void SetViewButton(QToolButton* button);

    // Shows what a navigation node stands for: its page, or its catalogue section's exhibitor
    // list with the first exhibitor's page. The status bar is emptied first.
    void ShowNodeContent(QTreeWidgetItem* node);
    // Shows the page of the exhibitor with this KAT_ID; an unknown one leaves the page as it is.
    // Throws expo::Error when the page cannot be made (the browser is then left blank).
    void ShowExhibitorPage(int katId);
    // Makes the exhibitor list's entry at `row` the only one selected and shows its exhibitor's
    // page; the empty-section entry shows nothing.
    void ShowListEntry(int row);
    // Empties and hides the path bar.
    void ClearPathBar();
    // Names `node` (may be none) and its ancestors in the path bar instead of what it named, and
    // with `withSubPage` the node's current sub-page after it.
    void BuildPathBar(QTreeWidgetItem* node, bool withSubPage);

    // Link words of the shown pages (expozice_links.cpp): the before-navigate handlers of the
    // page browser and the header browser, and the print button's click.
    void WebBrowserBeforeNavigate2(const std::string& url, bool& cancel);
    void WebBrowserLogoBeforeNavigate2(const std::string& url, bool& cancel);
    void SpeedButtonTiskClick();

    // Lists the exhibitors that pass `filter` (the list's sort order), shows the first and
    // enables "Do zápisníku" when there is one; else leaves the list empty, the page blank and
    // "Do zápisníku" disabled. Returns the number of exhibitors listed. The status line and the
    // view buttons are the caller's.
    int selectFilterVyst(const std::string& filter);
    // Writes the status bar line for the list as it stands (the last search's part in the
    // "Výběr" view when that search found exhibitors).
    void ShowStatusLine();
    // Filter of the catalogue section now listed; empty while no section is listed.
    const std::string& sectionFilter() const { return FSectionFilter; }

    // The notebook's entries, in the notebook's order.
    const std::vector<ExhibitorEntry>& notebook() const { return FNotebook; }
    // Builds the notebook's export under the progress notice and shows it in the export window
    // until the user closes it; nothing when the notebook is empty. The current directory is
    // the same afterwards.
    void ShowSimpleExport();

    const IniFile& config() const { return FConfig; }
    Catalogue& catalogue() { return FCatalogue; }
    const LanguageTexts& texts() const { return FTexts; }
    const std::string& languageName() const { return FLanguageName; }
    // Width of the navigation panel and height of the tree over the exhibitor list, as the
    // last activation read them; the panel is never narrower than navigationMinimumWidth().
    int treeWidth() const { return FTreeWidth; }
    int treeHeight() const { return FTreeHeight; }
    // The narrowest the navigation panel may be: its view bar, hidden buttons included, as the
    // last loading measured it.
    int navigationMinimumWidth() const { return FNavigationMinWidth; }
    // Distinct represented firms and brands of the catalogue, built by the first loading.
    const std::vector<std::string>& representedFirms() const { return FRepresentedFirmList; }
    const std::vector<std::string>& representedBrands() const { return FRepresentedBrandList; }
    // The text column ("0" ... "4") of the catalogue of the exhibitor page shown last; before
    // the first page, the column of the first catalogue that names the interface's language,
    // else the language's default column.
    std::string languageSuffix();

    // The criteria search (expozice_search.cpp). Its dialog lives in search/, which builds on
    // this library: the program registers the dialog step at start-up, and ActHledani runs it
    // between the button's press and the status line. The step returns false when the user
    // cancelled.
    using SearchDialogStep = bool (*)(TFormExpozice&);
    static void setSearchDialogStep(SearchDialogStep step);
    // The last criteria search: the exhibitors it found, which the "Výběr" view lists again,
    // and its description in lower case.
    const std::vector<ExhibitorEntry>& selectionList() const { return FSelectionList; }
    void setSelectionList(std::vector<ExhibitorEntry> entries) {
        FSelectionList = std::move(entries);
    }
    const std::string& selectionText() const { return FSelectionText; }
    void setSelectionText(std::string text) { FSelectionText = std::move(text); }
    // The view a view command showed last.
    QToolButton* currentViewButton() const { return FCurrentViewButton; }

    // --- Components ---------------------------------------------------------------------
    // Header
    QFrame* PanelLogo = nullptr;
    QLabel* ImageLogo = nullptr;
    browser::WebBrowser* WebBrowserLogo = nullptr;
    QFrame* BevelLogoLeft = nullptr;
    QFrame* BevelLogoTop = nullptr;
    QFrame* BevelLogoRight = nullptr;

    // Left panel
    QFrame* PanelNavigace = nullptr;
    QTreeWidget* TreeViewNavigace = nullptr;
    SplitterBar* SplitterFirmy = nullptr;
    QFrame* PanelSeznamFirem = nullptr;
    QFrame* PanelBtnZobr = nullptr;
    QWidget* ToolBarSwitch = nullptr;
    QWidget* ToolButtonMezera1 = nullptr;
    QToolButton* ToolButtonVse = nullptr;
    QWidget* ToolButtonMezera2 = nullptr;
    QToolButton* ToolButtonExponaty = nullptr;
    QWidget* ToolButtonMezera3 = nullptr;
    QToolButton* ToolButtonNovinky = nullptr;
    QWidget* ToolButtonMezera4 = nullptr;
    QToolButton* ToolButtonZapisnik = nullptr;
    QWidget* ToolButtonMezera5 = nullptr;
    QToolButton* ToolButtonVyber = nullptr;
    QWidget* ToolButtonMezera6 = nullptr;
    QListWidget* ListBoxSeznamFirem = nullptr;
    QFrame* PanelTlacitka = nullptr;
    PanelButton* PnlDoZapisniku = nullptr;
    PanelButton* PnlVyradit = nullptr;
    QWidget* PanelTlacitkaVpravo1 = nullptr;  // the 6-pixel gap
    PanelButton* PnlExport = nullptr;
    PanelButton* PnlNovyVyber = nullptr;
    QLabel* LblDoZapisniku = nullptr;
    QLabel* LblVyradit = nullptr;
    QLabel* LblExport = nullptr;
    QLabel* LblNovyVyber = nullptr;
    SplitterBar* SplitterHledani = nullptr;
    QFrame* PanelBackHledani = nullptr;
    QLabel* PanelHledaniText = nullptr;
    PanelButton* PanelZavritHledani = nullptr;
    QListWidget* ListBoxNalezene = nullptr;
    QFrame* PanelFulltext = nullptr;
    QLabel* LabelFulltext = nullptr;
    QLineEdit* EditHledani = nullptr;
    PanelButton* PanelFull = nullptr;
    QLabel* LabelHledej = nullptr;

    SplitterBar* SplitterWeb = nullptr;

    // Page area
    QFrame* PanelExpozice = nullptr;
    QFrame* PanelInfoAll = nullptr;
    QFrame* PanelIcon = nullptr;
    QToolButton* SpeedButtonTisk = nullptr;
    QFrame* PanelInfo = nullptr;
    QWidget* PanelSpace = nullptr;
    QLabel* LabelInfo = nullptr;
    browser::WebBrowser* WebBrowserInfo = nullptr;
    browser::WebBrowser* WebBrowser = nullptr;

    // Status bar
    QFrame* PnlStatusBarBack = nullptr;
    QLabel* PnlStatusBar = nullptr;

    // Actions, in the order of the action list
    QAction* ActVse = nullptr;
    QAction* ActHledani = nullptr;
    QAction* ActZapisnik = nullptr;
    QAction* ActExponaty = nullptr;
    QAction* ActNovinky = nullptr;
    QAction* ActDoZapisniku = nullptr;
    QAction* ActZrusitZeZapisniku = nullptr;
    QAction* ActExportZapisniku = nullptr;
    QAction* ActVyber = nullptr;
    QAction* ActFulltext = nullptr;
    QAction* ActVerze = nullptr;

  signals:
    // The window was closed: the program ends.
    void closed();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // expozice_layout.cpp
    void createActions();
    void createComponents();
    QWidget* createHeader();
    QWidget* createNavigationPanel();
    QWidget* createExhibitorListPanel();
    QWidget* createSearchHitsPanel();
    QWidget* createFulltextPanel();
    QWidget* createPageArea();
    QWidget* createStatusBar();

    // expozice_startup.cpp
    void detachComponents();
    void openSettings();
    std::string introPagePath() const;
    void runIntro(const std::string& introPage);
    void followFocus();
    void noticeEnded();
    void FormActivate();
    void applyWindowSize();
    void applyNavigationSize();

    // expozice_links.cpp
    class PageLinks;
    void connectLinkHandlers();
    void offerCopy(std::string_view url);
    void switchLanguage(int language);

    // expozice_nodes.cpp: nodes shown, the tree's handlers, and the wiring of all handlers of
    // the list, the views and the path bar
    void connectPageHandlers();
    void showTreeAlone();
    void showTreeOverList();
    // Shows the node as chosen in the tree: its content and its path bar. While another node or
    // exhibitor page is being shown, the node is kept and shown once that showing has ended.
    void showChosenNode(QTreeWidgetItem* node);
    // Shows the node from the event loop, once no other showing runs.
    void showNodeLater(QTreeWidgetItem* node);
    void TreeViewNavigaceChange(QTreeWidgetItem* node);
    // Selects `node` in the tree as the user would, scrolled into view and current, and shows
    // it when the selection changed, also for the node that the loading showed first, current
    // without being selected. False when the node was selected already (nothing changed).
    bool selectTreeNode(QTreeWidgetItem* node);
    void TreeViewNavigaceClick();
    void TreeViewNavigaceExpandedOrCollapsed();
    // expozice_list.cpp, expozice_views.cpp: the exhibitor list and its views
    void FillExhibitorList(const std::string& filter);
    void ListBoxSeznamFiremMouseDown(QPoint position);
    void ListBoxSeznamFiremKeyUp(int key);
    void showExhibitorLater(std::optional<int32_t> key);
    void writeStatusBar(const StatusLine& line);
    void ActVseExecute();
    void ActNovinkyExecute();
    void ActExponatyExecute();
    void showView(QToolButton* button, ExhibitorView view);
    // expozice_search.cpp
    void connectSearchHandlers();
    void ActHledaniExecute();
    void ActVyberExecute();
    void showSelectionButtons();
    // expozice_page.cpp
    void runShowing(const std::function<void()>& show);
    void showOneExhibitorPage(int katId);
    ExhibitorPageSettings exhibitorPageSettings() const;
    void keepLanguageSuffixes(const LanguageSuffixes& suffixes);
    void reportPrivateFolderChange();
    // expozice_pathbar.cpp
    int layOutPathBar();
    void WebBrowserInfoBeforeNavigate2(const std::string& url, bool& cancel);
    bool isPathBarPage(const std::string& url) const;
    void followPathBarLink(const std::string& url);
    void rebuildPathBarLater();

    // expozice_fulltext.cpp: the full-text search, its hit list and the hit panel
    void connectFulltextHandlers();
    void ActFulltextExecute();
    void ListBoxNalezeneMouseDown(QPoint position);
    void openHit(const QListWidgetItem& entry);
    void PanelZavritHledaniClick();

    // expozice_notebook.cpp: the notebook, its view and its export
    void connectNotebookHandlers();
    void ActDoZapisnikuExecute();
    void ActZapisnikExecute();
    void ActZrusitZeZapisnikuExecute();
    void ActExportZapisnikuExecute();
    void ActVerzeExecute();
    void enableNotebookButtons(bool enabled);

    // expozice_loading.cpp: the steps of LoadLanguage
    void loadLanguageFields(std::string_view languageText);
    void loadCatalogueLook();
    void loadLanguageTexts();
    void loadPanelLook();
    void applyPanelLook();
    // expozice_logo.cpp
    void loadHeaderLogo();
    void showHeaderPage(const std::string& name);
    void showHeaderPicture(const std::string& file);
    // expozice_tree.cpp
    void clearNavigation();
    void loadNavigation(TFormDlgHlaseni& notice, bool loadData);
    void showSectionNodes();
    void fitNavigationToViewBar();

    // --- State -----------------------------------------------------------------------------
    QTreeWidgetItem* FExhibitorNode = nullptr;  // catalogue sections go below it
    std::string FSelectionText;                 // description of the last criteria search
    bool FTreeClickArmed = false;
    std::vector<ExhibitorEntry> FSelectionList;  // exhibitors of the last criteria search
    std::vector<ExhibitorEntry> FNotebook;       // lives in memory only
    std::vector<QTreeWidgetItem*> FPathNodes;    // nodes named in the path bar (not owned)
    NavigationTree FNavigation;  // the nodes TreeViewNavigace shows (navigation_items.h)
    QToolButton* FCurrentViewButton = nullptr;
    int FTreeHeight = 0;
    int FTreeWidth = 0;
    int FNavigationMinWidth = 0;
    std::vector<std::string> FRepresentedBrandList;
    std::vector<std::string> FRepresentedFirmList;

    IniFile FConfig;
    IniFile FInzeratyIni;
    IniFile FExpoziceIni;
    IniFile FUmisteniIni;

    int FLanguage = 0;
    std::string FLanguageName;
    std::string FLanguageSuffix;     // text column of the shown exhibitor's catalogue
    std::string FExpLanguageSuffix;  // and of its exhibits
    std::string FDefaultLanguageSuffix;
    std::string FDefaultExpLanguageSuffix;
    std::string FSectionFilter;  // filter of the catalogue section now listed
    LanguageTexts FTexts;
    // Fonts, colours, logo areas, "SkrytData" and the exhibitor template of the loading.
    Look FLook;
    Catalogue FCatalogue;  // the twelve datasets

    bool FShowing = false;                    // a node or an exhibitor page is being shown
    bool FFulltextRunning = false;            // a full-text search is reading the pages
    int FNavigationGeneration = 0;            // counts the trees TreeViewNavigace has held
    std::optional<int> FPendingExhibitor;     // the last exhibitor asked for meanwhile
    QTreeWidgetItem* FPendingNode = nullptr;  // the last node asked for meanwhile or by the tree
    bool FPathBarRebuildQueued = false;
    bool FFocusLastHere = false;   // of the program's windows, this one had the focus last
    bool FActivationOwed = false;  // a notice ended while the window was not active
};

}  // namespace expo::presentation
