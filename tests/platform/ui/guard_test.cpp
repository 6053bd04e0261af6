// The error guard and box texts, the program's title, text at the widget boundary, the
// message pump and busy cursor, and Qt's own dialog texts in the system's language.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCursor>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <numeric>
#include <stdexcept>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/messages.h"
#include "platform/ui/program_title.h"
#include "platform/ui/pump.h"
#include "platform/ui/qt_translations.h"
#include "platform/ui/qtext.h"
#include "tests/support/recording_sink.h"

namespace expo::ui {
namespace {

using ::expo::testing::RecordingSink;

// A full stop follows unless the text ends in a character that sorts before it.
TEST(ErrorBoxText, AddsAFullStopAfterCharactersThatComeAfterIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Soubor nelze otevřít", "Soubor nelze otevřít."},
        {"Hotovo.", "Hotovo."},
        {"konec ", "konec "},
        {"cesta/", "cesta/."},
        {"kůň", "kůň."},  // bytes above 127 come after "."
        {"", ""}};
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(errorBoxText(text::cp(message)), text::cp(shown)) << message;
    }
    // Unlike the error box of the handlers, the application's own counts a full stop only.
    EXPECT_EQ(fatalErrorText("expo::Error", "expozice", "Konec."),
              "Exception expo::Error in module expozice.\nKonec.");
    EXPECT_EQ(fatalErrorText("expo::Error", "expozice", "Pozor!"),
              "Exception expo::Error in module expozice.\nPozor!.");
}

// Whatever a handler throws stops at the guard, ends the handler and is shown once in the
// error box under the program's title, library text in the program's code page.
TEST(Guard, ExceptionsOfEveryKindAreShownInTheErrorBox) {
    RecordingSink sink;
    EXPECT_FALSE(guard([] { throw Error(text::cp("Chyba při načítání config.ini")); }));
    EXPECT_FALSE(guard([] { throw std::runtime_error("Soubor „data0.dat“ nelze číst"); }));
    EXPECT_FALSE(guard([] { throw 42; }));
    const std::vector<Message> expected{
        {MessageKind::Error, "platform_ui_tests", text::cp("Chyba při načítání config.ini.")},
        {MessageKind::Error, "platform_ui_tests", text::cp("Soubor „data0.dat“ nelze číst.")},
        {MessageKind::Error, "platform_ui_tests", "Unknown exception."}};
    EXPECT_EQ(sink.messages, expected);
    int runs = 0;
    EXPECT_TRUE(guard([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(sink.messages.size(), 3U);
}

// The file name up to its first ".", the first character as it is and the rest lower case.
TEST(ProgramTitle, FollowsTheTitleRule) {
    const std::pair<const char*, const char*> cases[] = {{"/media/cdrom/EXPOZICE.EXE", "Expozice"},
                                                         {"/opt/disc/eXPOZICE", "expozice"},
                                                         {"/opt/disc/Veletrh.2024.bin", "Veletrh"},
                                                         {"D:\\KATALOG\\VELETRH.EXE", "Veletrh"},
                                                         {"/opt/a.b/PROGRAM", "Program"},
                                                         {"ŽĽUŤOUČKÝ ŁÓDŹ Ą", "Žľuťoučký łódź ą"},
                                                         {"/opt/disc/.hidden", ""}};
    for (const auto& [file, title] : cases) {
        EXPECT_EQ(programTitle(text::cp(file)), text::cp(title)) << file;
    }
    EXPECT_EQ(programTitle(), "platform_ui_tests");  // this test program's own file
}

// Every byte, the zero byte too, crosses the widget boundary and back; what the code page
// lacks (one character in two halves too) becomes a question mark.
TEST(QText, EveryByteSurvivesTheRoundTrip) {
    std::string bytes(256, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');
    EXPECT_EQ(fromQ(toQ(bytes)), bytes);
    EXPECT_EQ(toQ(text::cp("Žluťoučký kůň")), QString::fromUtf8("Žluťoučký kůň"));
    EXPECT_EQ(fromQ(QString::fromUtf8("Ab\u6F22c\xF0\x9F\x98\x80")), "Ab?c?");
}

using namespace std::chrono_literals;

TEST(Pump, QueuedCallsTimersAndConditionsAreServed) {
    int delivered = 0;
    QMetaObject::invokeMethod(
        qApp, [&] { ++delivered; }, Qt::QueuedConnection);
    pumpMessages();
    EXPECT_EQ(delivered, 1);
    // Timers fire during a pause, and one firing does not end it.
    int fired = 0;
    QTimer::singleShot(10ms, [&] { ++fired; });
    QTimer::singleShot(100ms, [&] { ++fired; });
    pauseFor(200ms);
    EXPECT_EQ(fired, 2);
    // Waiting for a condition ends once it holds or at the limit.
    bool loaded = false;
    QTimer::singleShot(30ms, [&] { loaded = true; });
    EXPECT_TRUE(pumpUntil([&] { return loaded; }));
    int asked = 0;
    EXPECT_FALSE(pumpUntil([&] { return ++asked, false; }, 30ms));
    EXPECT_GE(asked, 3);  // asked while it waits too, not only before and after
}

TEST(BusyCursor, ShowsTheHourglassWhileItLivesAndNests) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        BusyCursor outer;
        { BusyCursor inner; }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtTranslations, StandardButtonsSpeakTheLocalesLanguage) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    ASSERT_TRUE(installQtTranslations(*qApp));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'),
              QString::fromUtf8("Zrušit"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().remove('&'),
              QString::fromUtf8("Uložit"));
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace expo::ui
