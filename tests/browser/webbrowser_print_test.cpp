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
        show(page(
            "tisk.html",
            "<html><head><title>Tisk</title></head><body><h1>Vystavovatel</h1></body></html>"));
    }

    // A print dialog whose user picks a PDF file.
    WebBrowser::PrintDialog dialogChoosing(const std::string& pdf) {
        return [this, pdf](QPrinter& printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(ui::toQ(pdf));
            return true;
        };
    }
    WebBrowser::PrintDialog dialogCancelled() {
        return [this](QPrinter&) {
            ++dialogs;
            return false;
        };
    }

    static bool isPdf(const std::string& path) {
        QFile file(ui::toQ(path));
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
    }

    int dialogs = 0;
};

// A cancelled dialog prints nothing: the next job's end is the first one reported.
TEST_F(PrintTest, ThePrintDialogChoosesWhereThePagePrintsOrCancels) {
    QSignalSpy finished(&browser(), &WebBrowser::printFinished);
    browser().setPrintDialog(dialogCancelled());
    browser().print();
    EXPECT_EQ(dialogs, 1);
    const std::string pdf = pathOf("tiskarna.pdf");
    browser().setPrintDialog(dialogChoosing(pdf));
    browser().print();
    EXPECT_EQ(dialogs, 2);
    ASSERT_TRUE(waitFor([&] { return finished.count() >= 1; }));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    EXPECT_TRUE(isPdf(pdf));
}

TEST_F(PrintTest, ThePagesOwnPrintRequestOpensTheDialog) {
    browser().setPrintDialog(dialogCancelled());
    browser().view()->page()->runJavaScript(QStringLiteral("window.print()"));
    EXPECT_TRUE(waitFor([&] { return dialogs == 1; }));
}

TEST_F(PrintTest, CtrlPInThePageOpensTheDialog) {
    browser().setPrintDialog(dialogCancelled());
    browser().activateWindow();
    QWidget* surface = browser().view()->focusProxy();
    ASSERT_NE(surface, nullptr);
    surface->setFocus();
    QTest::keyClick(surface, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return dialogs == 1; }));
}

}  // namespace
}  // namespace expo::browser::testing
