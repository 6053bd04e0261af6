// The activation handler sizes and centres the main window and the navigation panel from
// config.ini, and does it again at every activation.
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>

#include "platform/text/text.h"
#include "tests/mainwindow/disc_fixture.h"

namespace expo::presentation::testing {
namespace {

class WindowSizeTest : public DiscTest {
  protected:
    void SetUp() override {
        DiscTest::SetUp();
        writeIntro();
    }
    void writeConfig(const std::string& sizes) {
        write("config.ini", "[uvod]\nurl=uvod.html\n" + sizes);
        followLinks({"cs"});
    }
    static QSize screen() { return QGuiApplication::primaryScreen()->geometry().size(); }
};

TEST_F(WindowSizeTest, PixelsAreTheOuterSizeCentredAndRestoredAtEachActivation) {
    writeConfig(
        "[aplikace]\nsirka=501\nvyska=301\n"
        "[menu - graficka podoba]\nnavigaceSirka=400\nnavigaceVyska=95%\n");
    EXPECT_EQ(runStart([](TFormExpozice& form) {
                  auto check = [&] {
                      EXPECT_EQ(form.frameGeometry().size(), QSize(501, 301));
                      // Halves go to the even neighbour.
                      const int left =
                          static_cast<int>(text::roundHalfEven((screen().width() - 501) / 2.0));
                      const int top =
                          static_cast<int>(text::roundHalfEven((screen().height() - 301) / 2.0));
                      EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(left, top));
                      // A pixel width is not capped; a percentage height is capped at 90.
                      EXPECT_EQ(form.treeWidth(), 400);
                      EXPECT_EQ(form.PanelNavigace->width(), 400);
                      EXPECT_EQ(form.treeHeight(),
                                text::roundHalfEven(form.PanelNavigace->height() * 0.9));
                  };
                  check();
                  form.resize(320, 240);
                  form.move(3, 7);
                  form.PanelNavigace->setFixedWidth(100);
                  reactivate(form);
                  check();
              }),
              0);
}

struct MaximisedCase {
    const char* width;
    const char* height;
};

TEST_F(WindowSizeTest, APercentageOfAHundredOrMoreMaximises) {
    // 80% with 400: the percent flag covers both and 400 is 100 or more; "80 %" with a blank
    // is no number and counts as 100.
    const MaximisedCase cases[] = {{"80%", "400"}, {"80 %", "50%"}};
    for (const MaximisedCase& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " x " + c.height);
        writeConfig(std::string("[aplikace]\nsirka=") + c.width + "\nvyska=" + c.height + "\n");
        EXPECT_EQ(runStart([](TFormExpozice& form) { EXPECT_TRUE(form.isMaximized()); }), 0);
    }
}

struct SizeCase {
    const char* width;
    const char* height;
    double expectedWidth;  // below 1: a share of the screen's width
    double expectedHeight;
};

int expected(double value, int screenExtent) {
    return value < 1 ? static_cast<int>(text::roundHalfEven(screenExtent * value))
                     : static_cast<int>(value);
}

TEST_F(WindowSizeTest, PercentagesAreOfTheScreenAndBadPixelsTakeTheDefault) {
    const SizeCase cases[] = {{"50%", "25%", 0.5, 0.25}, {"abc", "", 500, 700}};
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " x " + c.height);
        writeConfig(std::string("[aplikace]\nsirka=") + c.width + "\nvyska=" + c.height + "\n");
        EXPECT_EQ(runStart([&](TFormExpozice& form) {
                      EXPECT_FALSE(form.isMaximized());
                      EXPECT_EQ(form.frameGeometry().size(),
                                QSize(expected(c.expectedWidth, screen().width()),
                                      expected(c.expectedHeight, screen().height())));
                  }),
                  0);
    }
}

}  // namespace
}  // namespace expo::presentation::testing
