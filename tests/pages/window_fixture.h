#pragma once
// The main window started on a disc with language 0 chosen on its intro page: the demo disc,
// or a small disc that a test writes into a folder of its own. The program's private temporary
// folder lies in the test's own folder. Helpers find tree nodes, read the exhibitor list, wait
// for the browsers and replace the exhibitor records.
#include <gtest/gtest.h>

#include <QTreeWidgetItem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/browser/webbrowser.h"
#include "platform/dataset/packet.h"
#include "platform/os/files.h"
#include "presentation/expozice.h"
#include "tests/core/temp_folder.h"
#include "tests/support/recording_sink.h"
#include "tests/support/wait.h"

namespace expo::presentation::testing {

using expo::testing::kPatienceMs;

class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    // Starts the window on `disc` (a folder, ending without "/"), language 0 chosen, and shows
    // it.
    TFormExpozice& open(const std::string& disc = EXPO_DISC_DIR);
    TFormExpozice& form() { return *form_; }

    // A small disc in the test's own folder: its files from UTF-8 text stored in code page 1250;
    // `copyFromDemo` copies files of the demo disc as they are.
    std::string writeDisc(const std::vector<std::pair<std::string, std::string>>& files,
                          const std::vector<std::string>& copyFromDemo = {}) const;

    // The tree item reached through these captions (UTF-8), from the top level down.
    QTreeWidgetItem* node(std::initializer_list<const char*> captions);
    // Selects the item as the keyboard or a program would.
    void select(QTreeWidgetItem* item);
    // Clicks an item of the tree (or the tree's empty area below it for none).
    void click(QTreeWidgetItem* item);

    // The list's entries, in UTF-8, as it shows them.
    std::vector<std::string> listNames();
    // The status line, in UTF-8.
    std::string statusCaption();
    std::string statusHint();

    // The private temporary folder and a file in it.
    std::string privateFolder() const;
    std::string privateFile(std::string_view name) const;
    static std::string read(const std::string& path);

    // Waits until the browser shows `page` (a file's path, or "about:blank") and has loaded it.
    static void waitShown(browser::WebBrowser& browser, const std::string& page);
    static std::string shownUrl(browser::WebBrowser& browser);
    // Handles what is pending, and what that posted in turn.
    static void settle();

    // The records of the exhibitor dataset replaced by copies of the demo disc's records with
    // these KAT_IDs, each with the given changes (field name, value).
    struct Record {
        int katId;
        std::vector<std::pair<std::string, ds::Value>> changes;
    };
    void replaceExhibitors(const std::vector<Record>& records);

    // The KAT_ID that the page generation narrowed the exhibitors to last ("KAT_ID=" + id).
    std::string lastExhibitorFilter();

    expo::testing::TempFolder temp;
    expo::testing::RecordingSink sink;

  private:
    std::unique_ptr<TFormExpozice> form_;
    os::CurrentDirectoryGuard keepDirectory_;
    std::optional<std::string> savedTmpdir_;
};

}  // namespace expo::presentation::testing
