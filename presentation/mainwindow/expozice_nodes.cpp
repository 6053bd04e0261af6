// What the window shows for a navigation node, and the navigation tree's handlers: a change of
// the selected node shows it; a click on the node already selected shows its page again (after
// links inside that page were followed), but only once a click has armed the tree, so the click
// that selects a node, and the first click after a node was selected with the keyboard or a
// node was expanded or collapsed, show nothing.
#include <QAbstractItemModel>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>
#include <utility>

#include "platform/browser/webbrowser.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/pump.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/navigation/navigation_items.h"
#include "presentation/page/page_paths.h"
#include "presentation/widgets/event_tap.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "presentation/widgets/panel_button.h"
#include "presentation/widgets/splitter_bar.h"

namespace expo::presentation {

void TFormExpozice::ShowNodeContent(QTreeWidgetItem* node) {
    writeStatusBar({});
    FSectionFilter.clear();
    const NavNode* shown = navNodeOf(node);
    if (!shown) {
        WebBrowser->navigate("about:blank");
        return;
    }
    const TNodeData& data = shown->data;
    const std::string url = text::trim(data.Url);
    const std::string filter = text::trim(data.Filter);
    switch (data.Kind) {
        case NodeKind::Page:
        case NodeKind::ExhibitorItem:
            showTreeAlone();
            if (url.empty()) {
                WebBrowser->navigate("about:blank");
            } else {
                ui::BusyCursor busy;
                WebBrowser->navigate(discPageTarget(url));
            }
            return;
        case NodeKind::CatalogueSection:
            if (!filter.empty()) {
                showTreeOverList();
                FillExhibitorList(filter);
                const bool listed = exhibitorKeyOf(ListBoxSeznamFirem->item(0)).has_value();
                PnlDoZapisniku->setEnabled(listed);
                return;
            }
            break;
    }
    WebBrowser->navigate("about:blank");
}

// A page node: the tree fills the left panel above the full-text search.
void TFormExpozice::showTreeAlone() {
    PanelSeznamFirem->hide();
    SplitterFirmy->hide();
    PanelFulltext->show();
    TreeViewNavigace->setMinimumHeight(0);
    TreeViewNavigace->setMaximumHeight(QWIDGETSIZE_MAX);
}

// A catalogue section: the tree at its kept height, the exhibitor list under it. A window too
// low for that height and the list's least size takes the tree down to the splitter's least
// size; the window's least size does not take in the kept height.
void TFormExpozice::showTreeOverList() {
    PanelSeznamFirem->show();
    SplitterFirmy->show();
    PanelFulltext->hide();
    PanelBackHledani->hide();
    SplitterHledani->hide();
    const int height = std::max(0, FTreeHeight);
    TreeViewNavigace->setMinimumHeight(std::min(height, SplitterFirmy->minimumTargetSize()));
    TreeViewNavigace->setMaximumHeight(height);
}

// A node chosen in the tree ends the criteria search's selection. A section's first exhibitor is
// shown after its list and path bar, by the showing of the node (expozice_page.cpp).
void TFormExpozice::showChosenNode(QTreeWidgetItem* node) {
    FPendingExhibitor.reset();  // asked for from the list that the node replaces
    if (FShowing) {
        FPendingNode = node;
        return;
    }
    FPendingNode = nullptr;  // passed over
    runShowing([&] {
        FSelectionList.clear();
        ShowNodeContent(node);
        BuildPathBar(node, false);
    });
}

// Showing a node pumps messages, which must not happen inside the tree's handling of a key or a
// click: the tree would handle the keys that come meanwhile inside its own handling, and then
// select its own node again over theirs, leaving the current node unselected. So the tree's
// changes are shown from the event loop, only the last of those that came meanwhile: the first
// call that runs takes it, the others find none.
void TFormExpozice::showNodeLater(QTreeWidgetItem* node) {
    FPendingNode = node;
    ui::runLater(this, [this] {
        if (QTreeWidgetItem* last = std::exchange(FPendingNode, nullptr)) {
            showChosenNode(last);
        }
    });
}

void TFormExpozice::TreeViewNavigaceChange(QTreeWidgetItem* node) {
    if (!node) {
        return;
    }
    FTreeClickArmed = false;
    showNodeLater(node);
}

// The node selected by the program is shown at once, so that what the caller does next (a
// sub-page, the path bar) follows it.
bool TFormExpozice::selectTreeNode(QTreeWidgetItem* node) {
    const bool changes = !node->isSelected();
    if (changes || TreeViewNavigace->currentItem() != node) {
        TreeViewNavigace->scrollToItem(node);
        TreeViewNavigace->setCurrentItem(node);
    }
    if (changes) {
        showChosenNode(node);
    }
    return changes;
}

void TFormExpozice::TreeViewNavigaceClick() {
    QTreeWidgetItem* node = TreeViewNavigace->selectedItems().value(0);
    const NavNode* shown = navNodeOf(node);
    if (FTreeClickArmed && shown && shown->data.Kind == NodeKind::Page) {
        showChosenNode(node);
    }
    FTreeClickArmed = true;
}

void TFormExpozice::TreeViewNavigaceExpandedOrCollapsed() {
    FTreeClickArmed = false;
}

void TFormExpozice::connectPageHandlers() {
    // The change handling follows the selection, not the current node: the node that the loading
    // showed first is current without being selected, and selecting it is a change all the same.
    connect(TreeViewNavigace, &QTreeWidget::itemSelectionChanged, this, [this] {
        ui::guard([&] { TreeViewNavigaceChange(TreeViewNavigace->selectedItems().value(0)); });
    });
    new EventTap(TreeViewNavigace->viewport(), QEvent::MouseButtonRelease, [this](QEvent& e) {
        if (static_cast<QMouseEvent&>(e).button() == Qt::LeftButton) {
            ui::guard([&] { TreeViewNavigaceClick(); });
        }
    });
    connect(TreeViewNavigace, &QTreeWidget::itemExpanded, this,
            [this] { TreeViewNavigaceExpandedOrCollapsed(); });
    connect(TreeViewNavigace, &QTreeWidget::itemCollapsed, this,
            [this] { TreeViewNavigaceExpandedOrCollapsed(); });
    // The path bar never names a node of a tree that is gone: emptying the tree, or taking
    // nodes out of it, empties the bar, which stays so until a node is shown again. A node kept
    // to be shown goes with them.
    const auto forgetNodes = [this] {
        ClearPathBar();
        FPendingNode = nullptr;
    };
    connect(TreeViewNavigace->model(), &QAbstractItemModel::modelAboutToBeReset, this, forgetNodes);
    connect(TreeViewNavigace->model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            forgetNodes);

    new EventTap(ListBoxSeznamFirem->viewport(), QEvent::MouseButtonPress, [this](QEvent& e) {
        ListBoxSeznamFiremMouseDown(static_cast<QMouseEvent&>(e).position().toPoint());
    });
    new EventTap(ListBoxSeznamFirem, QEvent::KeyRelease, [this](QEvent& e) {
        const auto& key = static_cast<QKeyEvent&>(e);
        if (!key.isAutoRepeat()) {
            ListBoxSeznamFiremKeyUp(key.key());
        }
    });
    connect(ActVse, &QAction::triggered, this, [this] { ui::guard([&] { ActVseExecute(); }); });
    connect(ActNovinky, &QAction::triggered, this,
            [this] { ui::guard([&] { ActNovinkyExecute(); }); });
    connect(ActExponaty, &QAction::triggered, this,
            [this] { ui::guard([&] { ActExponatyExecute(); }); });

    LabelInfo->setTextFormat(Qt::PlainText);
    WebBrowserInfo->setBeforeNavigate([this](const std::string& url, bool& cancel) {
        WebBrowserInfoBeforeNavigate2(url, cancel);
    });
    new EventTap(this, QEvent::Resize, [this](QEvent&) { rebuildPathBarLater(); });
    connect(SplitterWeb, &SplitterBar::moved, this, [this] { rebuildPathBarLater(); });
}

}  // namespace expo::presentation
