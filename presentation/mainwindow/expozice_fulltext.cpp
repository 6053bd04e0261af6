// The full-text search of the presentation pages: the query box with its "Hledej" button, the
// progress notice while the pages are read, the hit panel with its sorted list and close box,
// and a hit shown when the user picks it.
//
// Each hit list entry carries the node it names, as its position in the tree's order within the
// tree the search read, and for a sub-page the sub-page's file. The entries stay when the
// navigation tree is rebuilt (a language switch) or loses nodes, but such an old entry names a
// tree that is gone and opens nothing.
#include <QAbstractItemModel>
#include <QAction>
#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <chrono>
#include <memory>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/messages.h"
#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "presentation/catalogue/fulltext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/navigation/navigation_items.h"
#include "presentation/page/page_paths.h"
#include "presentation/widgets/event_tap.h"
#include "presentation/widgets/panel_button.h"
#include "presentation/widgets/splitter_bar.h"
#include "presentation/windows/dlg_hlaseni.h"

namespace expo::presentation {
namespace {

constexpr std::chrono::milliseconds kPressTime{100};
constexpr int kHitHeight = 13;

// What an entry of the hit list carries besides its text.
constexpr int kTextRole = Qt::UserRole;         // the text in code page 1250
constexpr int kNodeRole = Qt::UserRole + 1;     // the node's position in the tree's order
constexpr int kSubPageRole = Qt::UserRole + 2;  // the sub-page's file; empty for a page
constexpr int kTreeRole = Qt::UserRole + 3;     // the generation of the tree it was found in

QByteArray bytesOf(std::string_view s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

std::string entryText(const QListWidgetItem& entry) {
    return entry.data(kTextRole).toByteArray().toStdString();
}

// The item of the tree now shown that the entry names; none when the entry was found in a tree
// that has gone since.
QTreeWidgetItem* entryItem(const QListWidgetItem& entry, QTreeWidget& tree, int generation) {
    if (entry.data(kTreeRole).toInt() != generation) {
        return nullptr;
    }
    int position = entry.data(kNodeRole).toInt();
    for (QTreeWidgetItemIterator it(&tree); *it; ++it, --position) {
        if (position == 0) {
            return *it;
        }
    }
    return nullptr;
}

// The position of the node's item in the tree's order (a node, its children, its next sibling).
int positionInTree(QTreeWidget& tree, const NavNode* node) {
    int position = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it, ++position) {
        if (navNodeOf(*it) == node) {
            return position;
        }
    }
    return -1;
}

// Adds the hit where the list's order puts it: by its text, the Czech alphabet with letter case
// aside, after the entries that compare equal.
void insertHit(QListWidget& list, const FulltextHit& hit, int position, int generation) {
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (text::collateNoCase(hit.text, entryText(*list.item(middle))) < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    auto* entry = new QListWidgetItem(ui::toQ(hit.text));
    entry->setData(kTextRole, bytesOf(hit.text));
    entry->setData(kNodeRole, position);
    entry->setData(kSubPageRole, bytesOf(hit.subPageFile));
    entry->setData(kTreeRole, generation);
    list.insertItem(low, entry);
}

// Sets a flag for its lifetime.
class RaisedWhileAlive {
  public:
    explicit RaisedWhileAlive(bool& flag) : flag_(flag) { flag_ = true; }
    ~RaisedWhileAlive() { flag_ = false; }
    RaisedWhileAlive(const RaisedWhileAlive&) = delete;
    RaisedWhileAlive& operator=(const RaisedWhileAlive&) = delete;

  private:
    bool& flag_;
};

// The hit list's entries are 13 pixels high, whatever the font.
class FixedHeightDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kHitHeight};
    }
};

// The search as the window runs it: pages from the program's folder, the progress line in the
// notice, each hit into the list at once (so the hits found before a failure stay).
class WindowSearch final : public FulltextHost {
  public:
    WindowSearch(TFormDlgHlaseni& notice, QListWidget& hits, QTreeWidget& tree, int generation,
                 const std::string& processingItem)
        : notice_(notice),
          hits_(hits),
          tree_(tree),
          generation_(generation),
          processingItem_(processingItem) {}

    std::optional<std::string> readPage(std::string_view name) override {
        const std::string path = os::resolveDiscPath(os::programFolder(), name);
        if (!os::fileExists(path)) {
            return std::nullopt;
        }
        return os::readFile(path);
    }

    void searchingNode(const NavNode& node) override {
        notice_.SetMessageText(processingItem_ + ": " + node.caption);
    }

    void found(FulltextHit hit) override {
        insertHit(hits_, hit, positionInTree(tree_, hit.node), generation_);
    }

  private:
    TFormDlgHlaseni& notice_;
    QListWidget& hits_;
    QTreeWidget& tree_;
    const int generation_;
    const std::string& processingItem_;
};

}  // namespace

void TFormExpozice::connectFulltextHandlers() {
    ListBoxNalezene->setItemDelegate(new FixedHeightDelegate(ListBoxNalezene));
    connect(PanelFull, &PanelButton::clicked, this, [this] {
        ui::guard([this] {
            PanelFull->press(kPressTime);
            ActFulltextExecute();
        });
    });
    connect(EditHledani, &QLineEdit::returnPressed, this,
            [this] { ui::guard([this] { ActFulltextExecute(); }); });
    connect(ActFulltext, &QAction::triggered, this,
            [this] { ui::guard([this] { ActFulltextExecute(); }); });
    connect(PanelZavritHledani, &PanelButton::clicked, this,
            [this] { ui::guard([this] { PanelZavritHledaniClick(); }); });
    new EventTap(ListBoxNalezene->viewport(), QEvent::MouseButtonPress, [this](QEvent& e) {
        ListBoxNalezeneMouseDown(static_cast<QMouseEvent&>(e).position().toPoint());
    });

    // A tree emptied, losing nodes or gaining them (which moves the places of the nodes after
    // them) is another tree for the entries found before.
    const auto nextGeneration = [this] { ++FNavigationGeneration; };
    const QAbstractItemModel* const model = TreeViewNavigace->model();
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, nextGeneration);
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, nextGeneration);
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, nextGeneration);
}

// The notice disables the window only once it is shown, and each progress line pumps the input
// queued before that: a search asked for while one runs is not started.
void TFormExpozice::ActFulltextExecute() {
    if (FFulltextRunning) {
        return;
    }
    const std::string typed = ui::fromQ(EditHledani->text());
    if (text::trim(typed).empty()) {
        EditHledani->setFocus();
        throw Error(FTexts.FTextSearchTextRequired + ".");
    }
    ListBoxNalezene->clear();
    {
        const RaisedWhileAlive running(FFulltextRunning);
        const std::unique_ptr<TFormDlgHlaseni> notice = showNotice(FTexts.FTextSearch + ":");
        WindowSearch search(*notice, *ListBoxNalezene, *TreeViewNavigace, FNavigationGeneration,
                            FTexts.FTextProcessingItem);
        searchPages(FNavigation, typed, search);

        const bool found = ListBoxNalezene->count() > 0;
        PanelBackHledani->setVisible(found);
        SplitterHledani->setVisible(found);
        if (found) {
            EditHledani->clear();
        }
    }
    if (ListBoxNalezene->count() == 0) {
        ui::showInformation(FTexts.FTextStringNotFound + ".");
    }
}

// The list handles the press first (the entry becomes current); then the hit is opened, and the
// tree keeps the focus it is given.
void TFormExpozice::ListBoxNalezeneMouseDown(QPoint position) {
    const QPersistentModelIndex pressed(ListBoxNalezene->indexAt(position));
    if (!pressed.isValid()) {
        return;
    }
    ui::runLater(this, [this, pressed] {
        // The entry may have gone meanwhile.
        if (pressed.isValid()) {
            openHit(*ListBoxNalezene->item(pressed.row()));
        }
    });
}

// Selecting the node shows it. A page hit of the node already selected shows its page again, as
// the page may have been left through its links since.
void TFormExpozice::openHit(const QListWidgetItem& entry) {
    QTreeWidgetItem* node = entryItem(entry, *TreeViewNavigace, FNavigationGeneration);
    if (!node) {
        return;
    }
    const std::string subPage = entry.data(kSubPageRole).toByteArray().toStdString();
    if (TreeViewNavigace->isVisible() && TreeViewNavigace->isEnabled() &&
        TreeViewNavigace->focusPolicy() != Qt::NoFocus) {
        TreeViewNavigace->setFocus();
    }
    if (!selectTreeNode(node) && subPage.empty()) {
        TreeViewNavigaceChange(node);
    }
    if (subPage.empty()) {
        return;
    }
    // The path bar names the node at once; the page browser's link handling then takes the
    // sub-page as the node's current one, from the event loop, and names it in the bar when it
    // has a title.
    WebBrowser->navigate(discPageTarget(subPage));
    BuildPathBar(node, true);
}

void TFormExpozice::PanelZavritHledaniClick() {
    PanelZavritHledani->press(kPressTime);
    PanelBackHledani->hide();
    SplitterHledani->hide();
}

}  // namespace expo::presentation
