#include "tests/pages/window_fixture.h"

#include <unistd.h>

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineView>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/dataset/dataset.h"
#include "platform/os/paths.h"
#include "platform/text/text.h"
#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "presentation/uvod.h"
#include "tests/support/intro.h"

namespace expo::presentation::testing {

using text::cp;

WindowTest::WindowTest() {
    if (const char* tmpdir = std::getenv("TMPDIR")) {
        savedTmpdir_ = tmpdir;
    }
    ::setenv("TMPDIR", temp.path().c_str(), 1);
}

WindowTest::~WindowTest() {
    form_.reset();
    TFormUvod::setPageLoadedHook(nullptr);
    if (savedTmpdir_) {
        ::setenv("TMPDIR", savedTmpdir_->c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
    for (const ui::Message& m : sink.besidesScreenNotice()) {
        ADD_FAILURE() << "message box: " << text::cp1250ToUtf8(m.text);
    }
}

TFormExpozice& WindowTest::open(const std::string& disc) {
    os::setProgramFolder(disc);
    EXPECT_TRUE(os::setCurrentDirectory(disc));  // the data files lie below it
    expo::testing::chooseLanguageOnIntro(0);
    form_ = std::make_unique<TFormExpozice>();
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get(), kPatienceMs));
    settle();
    return *form_;
}

std::string WindowTest::writeDisc(const std::vector<std::pair<std::string, std::string>>& files,
                                  const std::vector<std::string>& copyFromDemo) const {
    const std::filesystem::path disc = temp.path() / "disc";
    for (const auto& [name, utf8] : files) {
        temp.write("disc/" + name, cp(utf8));
    }
    for (const std::string& name : copyFromDemo) {
        std::filesystem::create_directories((disc / name).parent_path());
        std::filesystem::copy_file(std::filesystem::path(EXPO_DISC_DIR) / name, disc / name);
    }
    return disc.string();
}

QTreeWidgetItem* WindowTest::node(std::initializer_list<const char*> captions) {
    QTreeWidgetItem* found = nullptr;
    for (const char* caption : captions) {
        const QString wanted = ui::toQ(cp(caption));
        const int count =
            found ? found->childCount() : form_->TreeViewNavigace->topLevelItemCount();
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < count && !next; ++i) {
            QTreeWidgetItem* item =
                found ? found->child(i) : form_->TreeViewNavigace->topLevelItem(i);
            if (item->text(0) == wanted) {
                next = item;
            }
        }
        if (!next) {
            ADD_FAILURE() << "no tree node " << caption;
            return nullptr;
        }
        found = next;
    }
    return found;
}

void WindowTest::select(QTreeWidgetItem* item) {
    form_->TreeViewNavigace->setCurrentItem(item);
    settle();
}

void WindowTest::click(QTreeWidgetItem* item) {
    QTreeWidget& tree = *form_->TreeViewNavigace;
    if (item) {
        tree.scrollToItem(item);
    }
    const QPoint at =
        item ? tree.visualItemRect(item).center() : QPoint(5, tree.viewport()->height() - 5);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    settle();
}

std::vector<std::string> WindowTest::listNames() {
    std::vector<std::string> names;
    for (int i = 0; i < form_->ListBoxSeznamFirem->count(); ++i) {
        names.push_back(form_->ListBoxSeznamFirem->item(i)->text().toStdString());
    }
    return names;
}

std::string WindowTest::statusCaption() {
    return form_->PnlStatusBar->text().toStdString();
}

std::string WindowTest::statusHint() {
    return form_->PnlStatusBar->toolTip().toStdString();
}

std::string WindowTest::privateFolder() const {
    return (temp.path() / ("expozice-" + std::to_string(::geteuid()))).string() + "/";
}

std::string WindowTest::privateFile(std::string_view name) const {
    return read(privateFolder() + std::string(name));
}

std::string WindowTest::read(const std::string& path) {
    return os::readFileIfExists(path).value_or("");
}

std::string WindowTest::shownUrl(browser::WebBrowser& browser) {
    const QUrl url = browser.view()->url();
    return (url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdString();
}

void WindowTest::waitShown(browser::WebBrowser& browser, const std::string& page) {
    EXPECT_TRUE(ui::pumpUntil(
        [&] {
            return shownUrl(browser) == page &&
                   browser.readyState() == browser::ReadyState::Complete;
        },
        std::chrono::milliseconds(kPatienceMs)))
        << "shown: " << shownUrl(browser) << ", expected: " << page;
}

void WindowTest::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
    }
}

void WindowTest::replaceExhibitors(const std::vector<Record>& records) {
    const ds::Packet demo =
        ds::readPacketFile((std::filesystem::path(EXPO_DISC_DIR) / "data" / "data2.dat").string());
    auto column = [&](std::string_view name) {
        for (size_t i = 0; i < demo.fields.size(); ++i) {
            if (demo.fields[i].name == name) {
                return i;
            }
        }
        ADD_FAILURE() << "no field " << name;
        return size_t{0};
    };
    ds::Packet packet{demo.fields, {}};
    for (const Record& record : records) {
        bool found = false;
        for (const auto& row : demo.rows) {
            if (row[column("KAT_ID")] == ds::Value(int64_t{record.katId})) {
                packet.rows.push_back(row);
                found = true;
            }
        }
        ASSERT_TRUE(found) << "no exhibitor " << record.katId;
        for (const auto& [field, value] : record.changes) {
            packet.rows.back()[column(field)] = value;
        }
    }
    form_->catalogue().CDSZaznamy.loadFromPacket(std::move(packet));
}

std::string WindowTest::lastExhibitorFilter() {
    return form_->catalogue().CDSZaznamy.filter();
}

}  // namespace expo::presentation::testing
