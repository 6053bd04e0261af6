#pragma once
// The main window's language loading on a disc: the demo disc, or a small disc in a temporary
// folder with the demo disc's data files. The first loading runs from the intro page's language
// link with the disc as the current directory; every progress notice is recorded with its title,
// its lines in order and whether it was freed.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTreeWidget>
#include <QWebEngineView>
#include <deque>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/dataset/packet.h"
#include "platform/os/files.h"
#include "platform/ui/messages.h"
#include "platform/ui/qtext.h"
#include "presentation/catalogue.h"
#include "presentation/dlg_hlaseni.h"
#include "presentation/navigation.h"
#include "presentation/navigation_items.h"
#include "tests/mainwindow/disc_fixture.h"
#include "tests/support/intro.h"

namespace expo::presentation::testing {

// Every progress notice shown while it lives.
class NoticeRecorder : public QObject {
  public:
    struct Notice {
        QString title;
        std::vector<QString> lines;
        bool freed = false;
    };

    NoticeRecorder() { qApp->installEventFilter(this); }
    ~NoticeRecorder() override { qApp->removeEventFilter(this); }

    std::deque<Notice> notices;  // stays in place while notices are added

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* notice = qobject_cast<TFormDlgHlaseni*>(watched);
        if (event->type() != QEvent::Show || notice == nullptr || seen_.contains(notice)) {
            return false;
        }
        seen_.insert(notice);
        Notice& record = notices.emplace_back();
        record.title = notice->lblNadpis->text();
        connect(notice, &TFormDlgHlaseni::messageTextSet,
                [&record](const QString& line) { record.lines.push_back(line); });
        // A later notice may take the freed one's place in memory.
        connect(notice, &QObject::destroyed, [this, &record, notice] {
            record.freed = true;
            seen_.erase(notice);
        });
        return false;
    }

  private:
    std::set<QObject*> seen_;
};

// Program text (code page 1250) from UTF-8 source, as the widgets show it.
inline QString q(std::string_view utf8) {
    return ui::toQ(text::cp(utf8));
}

class LoadingTest : public DiscTest {
  protected:
    static std::string demoDisc() { return EXPO_DISC_DIR; }

    // The demo disc is the program's folder and the current directory.
    void useDemoDisc() { useDisc(demoDisc()); }

    void useDisc(const std::string& folder) {
        os::setProgramFolder(folder);
        ASSERT_TRUE(os::setCurrentDirectory(folder));
    }

    // A small disc: `configUtf8` as config.ini (its [uvod] section added), an intro page with
    // the five language links and the demo disc's data files except those of `omit`. The disc
    // is the current directory.
    void writeSmallDisc(std::string_view configUtf8, const std::set<int>& omit = {}) {
        write("config.ini", "[uvod]\nurl=uvod.html\n" + std::string(configUtf8));
        write("uvod.html",
              "<html><body><a href='jazyk0.html'>0</a><a href='jazyk1.html'>1</a>"
              "<a href='jazyk2.html'>2</a></body></html>");
        const std::filesystem::path data = disc.path() / "data";
        std::filesystem::create_directories(data);
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            if (!omit.contains(i)) {
                std::filesystem::copy_file(demoDataFile(i), data / Catalogue::fileName(i));
            }
        }
        ASSERT_TRUE(os::setCurrentDirectory(disc.path().string()));
    }

    static std::filesystem::path demoDataFile(int i) {
        return std::filesystem::path(demoDisc()) / "data" / Catalogue::fileName(i);
    }

    // Replaces the disc's data file `i` with the demo's without the named columns.
    void writeDataWithout(int i, const std::set<std::string>& columns) const {
        ds::Packet packet = ds::readPacketFile(demoDataFile(i).string());
        ds::Packet reduced;
        std::vector<size_t> kept;
        for (size_t c = 0; c < packet.fields.size(); ++c) {
            if (!columns.contains(packet.fields[c].name)) {
                kept.push_back(c);
                reduced.fields.push_back(packet.fields[c]);
            }
        }
        for (const auto& row : packet.rows) {
            std::vector<ds::Value>& out = reduced.rows.emplace_back();
            for (size_t c : kept) {
                out.push_back(row[c]);
            }
        }
        disc.write("data/" + Catalogue::fileName(i), ds::writeBinaryPacket(reduced));
    }

    // Starts the program in `language` and runs `whileShown` on the opened main window.
    void startIn(int language, const std::function<void(TFormExpozice&)>& whileShown) {
        expo::testing::chooseLanguageOnIntro(language);
        ASSERT_EQ(runStart(whileShown), 0);
    }

    // The error boxes shown, their texts.
    std::vector<std::string> errors() const {
        std::vector<std::string> texts;
        for (const ui::Message& m : messagesOf(ui::MessageKind::Error)) {
            texts.push_back(m.text);
        }
        return texts;
    }

    // Fails for each error box shown.
    void expectNoErrors() const {
        for (const std::string& error : errors()) {
            ADD_FAILURE() << "error box: " << text::cp1250ToUtf8(error);
        }
    }

    NoticeRecorder notices;

  private:
    os::CurrentDirectoryGuard keepDirectory_;
};

// The tree's captions depth first, two blanks of indent per level, in UTF-8.
inline std::vector<std::string> treeLines(const QTreeWidget& tree) {
    std::vector<std::string> lines;
    const std::function<void(const QTreeWidgetItem*, int)> walk = [&](const QTreeWidgetItem* item,
                                                                      int depth) {
        lines.push_back(std::string(2 * depth, ' ') + item->text(0).toStdString());
        for (int i = 0; i < item->childCount(); ++i) {
            walk(item->child(i), depth + 1);
        }
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        walk(tree.topLevelItem(i), 0);
    }
    return lines;
}

// The top-level item captioned `caption` (UTF-8), or null.
inline QTreeWidgetItem* topItem(const QTreeWidget& tree, std::string_view caption) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (tree.topLevelItem(i)->text(0) == QString::fromUtf8(caption)) {
            return tree.topLevelItem(i);
        }
    }
    return nullptr;
}

// The navigation tree and the exhibitor list, which look alike.
inline std::vector<const QWidget*> listsOf(const TFormExpozice& form) {
    return {form.TreeViewNavigace, form.ListBoxSeznamFirem};
}

// The record of an item's node; fails the test for an item without one.
inline const TNodeData& dataOf(const QTreeWidgetItem* item) {
    const NavNode* node = navNodeOf(item);
    EXPECT_NE(node, nullptr);
    static const TNodeData none;
    return node ? node->data : none;
}

}  // namespace expo::presentation::testing
