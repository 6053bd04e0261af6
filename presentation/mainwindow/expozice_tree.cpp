// The navigation part of the language loading: the tree is emptied, config.ini's items become
// the navigation tree, shown in the tree control with its first node; then the catalogue
// sections go below the exhibitor item and, at the first loading, the twelve data files are
// opened, each step with its progress line; last the navigation panel's narrowest width is
// measured from its view bar.
#include <QFrame>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <initializer_list>

#include "platform/os/paths.h"
#include "presentation/catalogue/catalogue_loading.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/navigation/navigation_items.h"
#include "presentation/widgets/splitter_bar.h"
#include "presentation/windows/dlg_hlaseni.h"

namespace expo::presentation {
namespace {

// The data files lie in ".\data" below the current directory, not the program's folder.
std::string dataFolder() {
    return os::resolveDiscPath("", ".\\data");
}

// The width a widget of the view bar takes, also while it is hidden or not laid out yet.
int barWidth(const QWidget* widget) {
    return std::max(widget->minimumWidth(), widget->sizeHint().width());
}

}  // namespace

// Empties the navigation tree: the path bar that names its nodes, the items, then the nodes.
void TFormExpozice::clearNavigation() {
    ClearPathBar();
    TreeViewNavigace->clear();
    FNavigation = NavigationTree();
    FExhibitorNode = nullptr;
}

void TFormExpozice::loadNavigation(TFormDlgHlaseni& notice, bool loadData) {
    clearNavigation();
    NavigationTree tree =
        buildNavigationTree(FConfig, FConfig.sections(), FLanguage, FLook.hideData);
    // The items point at the nodes, which keep their places when the tree moves into the window.
    showNavigationTree(*TreeViewNavigace, tree);
    FNavigation = std::move(tree);
    FExhibitorNode = itemOfNavNode(*TreeViewNavigace, FNavigation.exhibitorNode);
    if (QTreeWidgetItem* first = TreeViewNavigace->topLevelItem(0)) {
        ShowNodeContent(first);
        BuildPathBar(first, false);
        // The node shown becomes the tree's current one, unselected and without the change
        // handling: the keys go on from it, and a resized window names it in the path bar again.
        const QSignalBlocker quiet(TreeViewNavigace);
        TreeViewNavigace->setCurrentItem(first, 0, QItemSelectionModel::NoUpdate);
    }

    CatalogueLoading request;
    request.language = FLanguage;
    request.loadData = loadData;
    request.hideData = FLook.hideData;
    request.exhibitorTemplate = FLook.exhibitorTemplate;
    request.dataFolder = dataFolder();
    request.ofText = FTexts.FTextOf;
    RepresentedLists lists;
    // What the steps before a failure built stays: the section nodes, and the lists when the
    // files behind them were opened.
    const auto keepLoaded = [&] {
        showSectionNodes();
        if (loadData) {
            FRepresentedFirmList = std::move(lists.firms);
            FRepresentedBrandList = std::move(lists.brands);
        }
    };
    try {
        loadCatalogue(FCatalogue, FConfig, request, FNavigation, lists,
                      [&notice](const std::string& line) { notice.SetMessageText(line); });
    } catch (...) {
        keepLoaded();
        throw;
    }
    keepLoaded();
    fitNavigationToViewBar();
}

// The section nodes, added since the tree was shown, stand below the exhibitor item, or at the
// end of the top level without one.
void TFormExpozice::showSectionNodes() {
    const NavNode* exhibitorNode = FNavigation.exhibitorNode;
    const int shown =
        FExhibitorNode ? FExhibitorNode->childCount() : TreeViewNavigace->topLevelItemCount();
    addNavItems(*TreeViewNavigace, FExhibitorNode,
                exhibitorNode ? exhibitorNode->children : FNavigation.roots(),
                static_cast<size_t>(shown));
}

// The navigation panel is never to be narrower than its view bar, hidden buttons included.
void TFormExpozice::fitNavigationToViewBar() {
    const std::initializer_list<const QWidget*> viewBar = {
        ToolButtonMezera1, ToolButtonVse,     ToolButtonMezera2, ToolButtonExponaty,
        ToolButtonMezera3, ToolButtonNovinky, ToolButtonMezera4, ToolButtonZapisnik,
        ToolButtonMezera5, ToolButtonVyber,   ToolButtonMezera6};
    int width = 0;
    for (const QWidget* w : viewBar) {
        width += barWidth(w);
    }
    FNavigationMinWidth = width;
    SplitterWeb->setMinimumTargetSize(width);
    PanelNavigace->setFixedWidth(std::max(PanelNavigace->minimumWidth(), width));
}

}  // namespace expo::presentation
