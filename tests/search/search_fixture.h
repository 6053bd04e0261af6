#pragma once
// The main window on the demo disc with the criteria search registered, and helpers that work
// the search dialog and the picker from inside their modal loops.
#include <QApplication>
#include <QTimer>
#include <QTreeWidgetItem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/text/text.h"
#include "search/dlg_hledani.h"
#include "search/search_command.h"
#include "tests/pages/window_fixture.h"

namespace expo::search::testing {

class SearchTest : public presentation::testing::WindowTest {
  protected:
    SearchTest() { presentation::TFormExpozice::setSearchDialogStep(&RunSearchDialog); }

    QTreeWidgetItem* section(const char* caption) {
        return node({"Katalog vystavovatelů", caption});
    }

    // Runs `act` on the modal window of type D as soon as it is open; whoever opened it waits
    // in its modal loop meanwhile. Returns a flag that tells whether it opened.
    template <typename D>
    std::shared_ptr<bool> whenOpen(std::function<void(D&)> act) {
        auto opened = std::make_shared<bool>(false);
        auto* timer = new QTimer(&watchers_);
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, act, opened] {
            if (auto* window = qobject_cast<D*>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                *opened = true;
                act(*window);
            }
        });
        timer->start();
        return opened;
    }

    // The search command with the dialog worked by `act` (which ends it with OK or Cancel).
    void search(std::function<void(TDlgHledani&)> act) {
        const std::shared_ptr<bool> opened = whenOpen<TDlgHledani>(std::move(act));
        form().ActHledani->trigger();
        settle();
        EXPECT_TRUE(*opened) << "the search dialog did not open";
    }

    // The message boxes shown so far, in UTF-8, but the screen-size notice of the start; they
    // count as expected from here on.
    std::vector<std::string> takeMessages() {
        std::vector<std::string> texts;
        for (const ui::Message& m : sink.besidesScreenNotice()) {
            texts.push_back(text::cp1250ToUtf8(m.text));
        }
        std::erase_if(sink.messages, [](const ui::Message& m) {
            return m.kind != ui::MessageKind::StandardInformation;
        });
        return texts;
    }

  private:
    QObject watchers_;
};

}  // namespace expo::search::testing
