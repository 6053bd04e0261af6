// The path bar above the page: the shown navigation node, its ancestors and its open sub-page,
// each a link, as a small page "temp_path.html" in the program's private temporary folder shown
// in the bar's own browser. The label under that browser holds the same text; its height at the
// bar's width, wrapped, gives the bar its height.
#include <QLabel>
#include <QLayout>
#include <QMetaObject>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/text/text.h"
#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/navigation/navigation_items.h"
#include "presentation/navigation/path_bar.h"
#include "presentation/page/page_paths.h"

namespace expo::presentation {
namespace {

constexpr std::string_view kPathBarPage = "temp_path.html";
// Width of the spacer left of the breadcrumb, and what the print button's panel adds to the
// button's width.
constexpr int kPathBarIndent = 7;
// Top of the bar's browser within the bar.
constexpr int kPathBarTop = 1;

}  // namespace

void TFormExpozice::ClearPathBar() {
    FPathNodes.clear();
    WebBrowserInfo->hide();
    WebBrowserInfo->lower();
    LabelInfo->clear();
}

void TFormExpozice::BuildPathBar(QTreeWidgetItem* node, bool withSubPage) {
    ClearPathBar();
    PathBarStyle style = pathBarStyleOf(FLook);
    style.fontPointSize = PanelInfo->font().pointSize();  // the size the label is measured in
    const PathBar bar = buildPathBar(navNodeOf(node), 0, withSubPage, style);
    // The items that show the bar's nodes: the node, its parent, and so on up to the root.
    QTreeWidgetItem* item = node;
    for (size_t level = 0; level < bar.nodes.size(); ++level, item = item->parent()) {
        FPathNodes.push_back(item);
    }
    LabelInfo->setText(ui::toQ(bar.caption));
    const int labelHeight = layOutPathBar();
    if (bar.page.empty()) {
        return;
    }
    std::string path;
    try {
        path = privatePagePath(kPathBarPage);
        reportPrivateFolderChange();
        os::writePrivateFile(path, bar.page);
    } catch (const std::exception&) {
        // The bar is not worth a message: it shows what the file holds, or nothing.
        if (path.empty()) {
            return;
        }
    }
    WebBrowserInfo->navigate(browserTarget(path));
    WebBrowserInfo->setGeometry(kPathBarIndent, kPathBarTop, LabelInfo->width(), labelHeight);
    WebBrowserInfo->show();
    WebBrowserInfo->raise();
}

// Sizes the bar to its wrapped text, never lower than the print button, with the button in the
// vertical middle of its panel. Returns the height of the text's box.
int TFormExpozice::layOutPathBar() {
    PanelSpace->setFixedSize(kPathBarIndent, 1);
    const QMargins margins = PanelInfo->layout()->contentsMargins();
    const int chrome = 2 * PanelInfo->frameWidth() + margins.top() + margins.bottom();
    const int textHeight = std::max(LabelInfo->heightForWidth(LabelInfo->width()), 0);
    const int barHeight = std::max(textHeight + chrome, SpeedButtonTisk->height());
    PanelInfoAll->setFixedHeight(barHeight);

    PanelIcon->setFixedWidth(SpeedButtonTisk->width() + kPathBarIndent);
    const int buttonTop =
        static_cast<int>(text::roundHalfEven((barHeight - SpeedButtonTisk->height()) / 2.0));
    QLayout* icon = PanelIcon->layout();
    icon->setContentsMargins(0, buttonTop, 0, 0);
    icon->setAlignment(SpeedButtonTisk, Qt::AlignLeft | Qt::AlignTop);
    return barHeight - chrome;
}

// A bar link is cancelled at once and followed from the event loop.
void TFormExpozice::WebBrowserInfoBeforeNavigate2(const std::string& url, bool& cancel) {
    if (!isPathBarLink(url) || isPathBarPage(url)) {
        return;  // the bar's own page loading
    }
    cancel = true;
    ui::runLater(this, [this, url] {
        try {
            followPathBarLink(url);
        } catch (...) {
            // A link that points nowhere does nothing.
        }
    });
}

bool TFormExpozice::isPathBarPage(const std::string& url) const {
    try {
        return url == browserTarget(privatePagePath(kPathBarPage));
    } catch (const std::exception&) {
        return false;
    }
}

void TFormExpozice::followPathBarLink(const std::string& url) {
    const std::optional<PathBarTarget> target = pathBarTarget(url, FPathNodes.size());
    if (!target) {
        return;
    }
    QTreeWidgetItem* item = FPathNodes[target->index];
    // Selecting the node shows it through the tree's change handling; the node already selected
    // is shown here.
    if (!selectTreeNode(item)) {
        ShowNodeContent(item);
    }
    if (target->subPage) {
        WebBrowser->navigate(discPageTarget(navNodeOf(item)->data.CurrentSubPageFile));
    }
    BuildPathBar(item, target->subPage);
}

// After a resize of the window or a move of the splitter beside the page, the bar takes its new
// width from the layouts once they have handled the change; it is built for it then, with the
// selected node's sub-page, once however many changes came meanwhile.
void TFormExpozice::rebuildPathBarLater() {
    if (FPathBarRebuildQueued) {
        return;
    }
    FPathBarRebuildQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FPathBarRebuildQueued = false;
            BuildPathBar(TreeViewNavigace->currentItem(), true);
        },
        Qt::QueuedConnection);
}

}  // namespace expo::presentation
