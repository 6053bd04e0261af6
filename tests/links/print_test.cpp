// The print button prints the page the page browser shows through that browser's own print
// dialog, under the hourglass, which goes away again.
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QSignalSpy>
#include <QToolButton>

#include "platform/ui/qtext.h"
#include "tests/links/links_fixture.h"

namespace expo::presentation::testing {
namespace {

bool isPdf(const std::string& path) {
    QFile file(ui::toQ(path));
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

class PrintTest : public LinksTest {
  protected:
    void SetUp() override {
        LinksTest::SetUp();
        writeDisc();
    }
    expo::testing::TempFolder printed;
};

TEST_F(PrintTest, ThePrintButtonPrintsTheShownPageThroughItsDialog) {
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        const std::string pdf = (printed.path() / "stranka.pdf").string();
        int dialogs = 0;
        bool hourglass = false;
        bool confirm = false;  // the first dialog is cancelled, the second confirmed
        form.WebBrowser->setPrintDialog([&](QPrinter& printer) {
            ++dialogs;
            const QCursor* cursor = QGuiApplication::overrideCursor();
            hourglass = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(ui::toQ(pdf));
            return confirm;
        });
        QSignalSpy finished(form.WebBrowser, &browser::WebBrowser::printFinished);

        form.SpeedButtonTisk->click();
        EXPECT_EQ(dialogs, 1);
        EXPECT_TRUE(hourglass);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

        confirm = true;
        form.SpeedButtonTisk->click();
        EXPECT_EQ(dialogs, 2);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        // Only the confirmed print is reported.
        ASSERT_TRUE(waitFor([&] { return finished.count() == 1; }));
        EXPECT_TRUE(finished.at(0).at(0).toBool());
        EXPECT_TRUE(isPdf(pdf));
        expectNoMessages();
    });
}

}  // namespace
}  // namespace expo::presentation::testing
