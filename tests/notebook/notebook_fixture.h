#pragma once
// The main window on the demo disc with the section "Strojírenství" listed: entries are selected
// and added as the user would, the messages shown are taken one by one, and the export window
// is handled while it is shown modally.
#include <QAction>
#include <QListWidget>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/text/text.h"
#include "presentation/dlg_jednoduchy_export.h"
#include "presentation/exhibitor_list_view.h"
#include "tests/pages/window_fixture.h"

namespace expo::presentation::testing {

class NotebookTest : public WindowTest {
  protected:
    // The demo disc's first section; its list starts "Agroline a.s." (1200), "Agrotech a.s."
    // (1353).
    TFormExpozice& openSection() {
        TFormExpozice& w = open();
        select(node({"Katalog vystavovatelů", "Strojírenství"}));
        return w;
    }

    // Selects exactly these rows of the list.
    void selectRows(std::initializer_list<int> rows) {
        QListWidget& list = *form().ListBoxSeznamFirem;
        list.clearSelection();
        for (int row : rows) {
            list.item(row)->setSelected(true);
        }
    }

    // "Do zápisníku" with exactly these rows selected.
    void add(std::initializer_list<int> rows) {
        selectRows(rows);
        form().ActDoZapisniku->trigger();
        settle();
    }

    int32_t keyOfRow(int row) { return *exhibitorKeyOf(form().ListBoxSeznamFirem->item(row)); }
    std::string nameOfRow(int row) {
        return form().ListBoxSeznamFirem->item(row)->text().toStdString();
    }

    // The names of the notebook's entries in its order, in UTF-8.
    std::vector<std::string> notebookNames() {
        std::vector<std::string> names;
        for (const ExhibitorEntry& e : form().notebook()) {
            names.push_back(text::cp1250ToUtf8(e.name));
        }
        return names;
    }

    static std::string status(int notebook, int shown) {
        return " Počet vystavovatelů - V zápisníku: " + std::to_string(notebook) +
               ", Zobrazených: " + std::to_string(shown);
    }

    // The messages shown since the last call, the notice of a small screen at the start aside.
    std::vector<ui::Message> takeMessages() {
        std::vector<ui::Message> messages = sink.besidesScreenNotice();
        sink.messages.clear();
        return messages;
    }

    // The texts (UTF-8) of the messages shown since the last call; each must be an information.
    std::vector<std::string> takeInformation() {
        std::vector<std::string> texts;
        for (const ui::Message& m : takeMessages()) {
            EXPECT_EQ(m.kind, ui::MessageKind::Information) << text::cp1250ToUtf8(m.text);
            texts.push_back(text::cp1250ToUtf8(m.text));
        }
        return texts;
    }

    // Runs `start`; when it shows the export window, runs `inWindow` on it and closes it.
    // Returns whether the window was shown.
    bool withExportWindow(const std::function<void()>& start,
                          const std::function<void(TDlgJednoduchyExport&)>& inWindow) {
        bool shown = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = form().findChild<TDlgJednoduchyExport*>();
            if (!shown && dialog && dialog->isVisible()) {
                shown = true;
                poll.stop();
                inWindow(*dialog);
                dialog->reject();
            }
        });
        poll.start();
        start();
        settle();
        return shown;
    }
};

}  // namespace expo::presentation::testing
