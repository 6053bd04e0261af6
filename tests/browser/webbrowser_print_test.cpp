#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QWebEnginePage>

#include "platform/browser/webbrowser.h"
#include "platform/ui/qtext.h"
#include "tests/browser/browser_fixture.h"

namespace expo::browser::testing {
namespace {

class PrintTest : public BrowserTest {
  protected:
    void SetUp() override {
        BrowserTest::SetUp();
        show(page("tisk.html", "<html><head><title>Tisk</title></head><body>Tisk</body></html>"));
        // The user cancels the first dialog and prints to a PDF file in the others.
        browser().setPrintDialog([this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(ui::toQ(pathOf("tiskarna.pdf")));
            return ++dialogs > 1;
        });
    }
    int dialogs = 0;
};

// A cancelled dialog prints nothing: the next job's end is the first one reported.
TEST_F(PrintTest, ThePrintDialogChoosesWhereThePagePrintsOrCancels) {
    QSignalSpy finished(&browser(), &WebBrowser::printFinished);
    browser().print();
    EXPECT_EQ(dialogs, 1);
    browser().print();
    EXPECT_EQ(dialogs, 2);
    ASSERT_TRUE(waitFor([&] { return finished.count() >= 1; }));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    QFile pdf(ui::toQ(pathOf("tiskarna.pdf")));
    EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
}

TEST_F(PrintTest, ThePagesOwnRequestAndCtrlPOpenTheDialog) {
    browser().setPrintDialog([this](QPrinter&) { return ++dialogs, false; });
    browser().view()->page()->runJavaScript(QStringLiteral("window.print()"));
    EXPECT_TRUE(waitFor([&] { return dialogs == 1; }));
    browser().activateWindow();
    QWidget* surface = browser().view()->focusProxy();
    ASSERT_NE(surface, nullptr);
    surface->setFocus();
    QTest::keyClick(surface, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return dialogs == 2; }));
}

}  // namespace
}  // namespace expo::browser::testing
