// A double click on each kind of panel-button of the main window acts once: the events come as
// the system delivers a quick user's double click (press, release, double-click, release), all
// queued before the first is handled, so the rest arrive while the command's press plays.
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>
#include <functional>
#include <ostream>

#include "platform/ui/qtext.h"
#include "presentation/panel_button.h"
#include "tests/notebook/notebook_fixture.h"

namespace expo::presentation::testing {
namespace {

using Names = std::vector<std::string>;

int searchDialogRuns = 0;

void postDoubleClick(PanelButton& button) {
    const QPointF at = QRectF(button.rect()).center();
    const QPointF global = button.mapToGlobal(at);
    const auto post = [&](QEvent::Type type, Qt::MouseButtons held) {
        QCoreApplication::postEvent(
            &button, new QMouseEvent(type, at, global, Qt::LeftButton, held, Qt::NoModifier));
    };
    post(QEvent::MouseButtonPress, Qt::LeftButton);
    post(QEvent::MouseButtonRelease, Qt::NoButton);
    post(QEvent::MouseButtonDblClick, Qt::LeftButton);
    post(QEvent::MouseButtonRelease, Qt::NoButton);
}

class PanelDoubleClick;

struct DoubleClickCase {
    const char* name;
    // Opens the window, readies the command and returns its panel-button.
    std::function<PanelButton*(PanelDoubleClick&)> arrange;
    // What the command must have done, once.
    std::function<void(PanelDoubleClick&)> expectOnce;
};

void PrintTo(const DoubleClickCase& c, std::ostream* os) {
    *os << c.name;
}

class PanelDoubleClick : public NotebookTest,
                         public ::testing::WithParamInterface<DoubleClickCase> {
  public:
    // The export windows shown, each closed as soon as it shows.
    int exportWindows = 0;
    QTimer closeExport;

    void countExportWindows() {
        closeExport.setInterval(10);
        QObject::connect(&closeExport, &QTimer::timeout, [this] {
            for (auto* dialog : form().findChildren<TDlgJednoduchyExport*>()) {
                if (dialog->isVisible()) {
                    ++exportWindows;
                    dialog->reject();
                }
            }
        });
        closeExport.start();
    }

    void showNotebookOf(std::initializer_list<int> rows) {
        add(rows);
        form().ActZapisnik->trigger();
        settle();
    }

    void search(const char* utf8) { form().EditHledani->setText(ui::toQ(text::cp(utf8))); }

    using NotebookTest::add;
    using NotebookTest::form;
    using NotebookTest::notebookNames;
    using NotebookTest::open;
    using NotebookTest::openSection;
    using NotebookTest::selectRows;
    using NotebookTest::settle;
    using NotebookTest::takeMessages;

  protected:
    void TearDown() override { TFormExpozice::setSearchDialogStep(nullptr); }
};

TEST_P(PanelDoubleClick, RunsTheCommandOnce) {
    PanelButton* button = GetParam().arrange(*this);
    ASSERT_TRUE(button->isVisible() && button->isEnabled());
    takeMessages();
    QSignalSpy clicks(button, &PanelButton::clicked);

    postDoubleClick(*button);
    settle();

    EXPECT_EQ(clicks.count(), 1);
    GetParam().expectOnce(*this);
}

const DoubleClickCase kCases[] = {
    {"AddToNotebook",
     [](PanelDoubleClick& t) {
         t.openSection();
         t.selectRows({0});
         return t.form().PnlDoZapisniku;
     },
     [](PanelDoubleClick& t) {
         // A second add would tell that the exhibitor is in the notebook already.
         EXPECT_EQ(t.notebookNames(), Names{"Agroline a.s."});
         EXPECT_TRUE(t.takeMessages().empty());
     }},
    {"RemoveFromNotebook",
     [](PanelDoubleClick& t) {
         t.openSection();
         t.showNotebookOf({0, 1, 2});
         t.selectRows({0});
         return t.form().PnlVyradit;
     },
     [](PanelDoubleClick& t) { EXPECT_EQ(t.form().notebook().size(), 2U); }},
    {"Export",
     [](PanelDoubleClick& t) {
         t.openSection();
         t.showNotebookOf({0});
         t.countExportWindows();
         return t.form().PnlExport;
     },
     [](PanelDoubleClick& t) { EXPECT_EQ(t.exportWindows, 1); }},
    {"FulltextSearch",
     [](PanelDoubleClick& t) {
         t.open();
         t.search("lipová");
         return t.form().PanelFull;
     },
     [](PanelDoubleClick& t) {
         // A second search would find the box emptied by the first and say so.
         EXPECT_GT(t.form().ListBoxNalezene->count(), 0);
         EXPECT_TRUE(t.takeMessages().empty());
     }},
    {"CloseHits",
     [](PanelDoubleClick& t) {
         t.open();
         t.search("lipová");
         t.form().ActFulltext->trigger();
         t.settle();
         return t.form().PanelZavritHledani;
     },
     [](PanelDoubleClick& t) { EXPECT_FALSE(t.form().PanelBackHledani->isVisible()); }},
    {"CriteriaSearch",
     [](PanelDoubleClick& t) {
         t.openSection();
         searchDialogRuns = 0;
         TFormExpozice::setSearchDialogStep([](TFormExpozice&) {
             ++searchDialogRuns;
             return false;
         });
         t.form().ActVyber->trigger();
         t.settle();
         return t.form().PnlNovyVyber;
     },
     [](PanelDoubleClick&) { EXPECT_EQ(searchDialogRuns, 1); }},
};

INSTANTIATE_TEST_SUITE_P(EveryKind, PanelDoubleClick, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace expo::presentation::testing
