#include "platform/ui/guard.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/messages.h"
#include "tests/support/recording_sink.h"

namespace expo::ui {
namespace {

using ::expo::testing::RecordingSink;

struct FullStopCase {
    const char* message;
    const char* shown;
};

void PrintTo(const FullStopCase& c, std::ostream* os) {
    *os << '"' << c.message << '"';
}

class ErrorBoxTextTest : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(ErrorBoxTextTest, AddsAFullStopAfterCharactersThatComeAfterIt) {
    EXPECT_EQ(errorBoxText(text::cp(GetParam().message)), text::cp(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ErrorBoxTextTest,
    ::testing::Values(FullStopCase{"Soubor nelze otevřít", "Soubor nelze otevřít."},
                      FullStopCase{"Hotovo.", "Hotovo."}, FullStopCase{"Pozor!", "Pozor!"},
                      FullStopCase{"Zdrojový soubor:", "Zdrojový soubor:."},
                      FullStopCase{"chyba 5", "chyba 5."}, FullStopCase{"(viz výše)", "(viz výše)"},
                      FullStopCase{"konec ", "konec "}, FullStopCase{"a,", "a,"},
                      FullStopCase{"a-", "a-"}, FullStopCase{"cesta/", "cesta/."},
                      FullStopCase{"\"soubor\"", "\"soubor\""},
                      // Accented letters are bytes above 127 and come after ".".
                      FullStopCase{"kůň", "kůň."}, FullStopCase{"", ""}));

TEST(Guard, AnErrorIsShownInTheErrorBoxAndEndsTheHandler) {
    RecordingSink sink;
    bool reachedTheEnd = false;
    const bool completed = guard([&] {
        throw Error(text::cp("Chyba při načítání konfiguračního souboru config.ini"));
        reachedTheEnd = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(reachedTheEnd);
    ASSERT_EQ(sink.messages.size(), 1U);
    EXPECT_EQ(sink.messages[0],
              (Message{MessageKind::Error, "ui_tests",
                       text::cp("Chyba při načítání konfiguračního souboru config.ini.")}));
}

TEST(Guard, AMessageEndingInAFullStopGetsNoSecondOne) {
    RecordingSink sink;
    guard([] { throw Error(text::cp("Nastala chyba při kopírování souboru.")); });
    ASSERT_EQ(sink.messages.size(), 1U);
    EXPECT_EQ(sink.messages[0].text, text::cp("Nastala chyba při kopírování souboru."));
}

TEST(Guard, LibraryExceptionsAreShownInTheProgramsCodePage) {
    RecordingSink sink;
    guard([] { throw std::runtime_error("Soubor „data0.dat“ nelze číst"); });
    ASSERT_EQ(sink.messages.size(), 1U);
    EXPECT_EQ(sink.messages[0].text, text::cp("Soubor „data0.dat“ nelze číst."));
}

TEST(Guard, ExceptionsOfAnyTypeStopAtTheGuard) {
    RecordingSink sink;
    EXPECT_FALSE(guard([] { throw 42; }));
    ASSERT_EQ(sink.messages.size(), 1U);
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(sink.messages[0].text, "Unknown exception.");
}

TEST(Guard, AHandlerThatEndsNormallyShowsNothing) {
    RecordingSink sink;
    int runs = 0;
    EXPECT_TRUE(guard([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(FatalError, NamesTheClassAndTheProgramAndEndsWithAFullStop) {
    EXPECT_EQ(fatalErrorText("expo::Error", "expozice", text::cp("Neexistuje html soubor")),
              text::cp("Exception expo::Error in module expozice.\nNeexistuje html soubor."));
    EXPECT_EQ(fatalErrorText("expo::Error", "expozice", "Konec."),
              "Exception expo::Error in module expozice.\nKonec.");
    // Unlike the error box of the handlers, only a full stop counts here.
    EXPECT_EQ(fatalErrorText("expo::Error", "expozice", "Pozor!"),
              "Exception expo::Error in module expozice.\nPozor!.");
}

TEST(FatalError, TheOutermostHandlerShowsTheApplicationErrorBox) {
    RecordingSink sink;
    try {
        throw Error(text::cp("Neexistuje html soubor \"/disc/uvod.html\" pro úvodní obrazovku"));
    } catch (...) {
        showFatalCurrentException();
    }
    ASSERT_EQ(sink.messages.size(), 1U);
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Fatal);
    EXPECT_EQ(sink.messages[0].caption, "Application Error");
    EXPECT_EQ(sink.messages[0].text,
              text::cp("Exception expo::Error in module ui_tests.\nNeexistuje html soubor "
                       "\"/disc/uvod.html\" pro úvodní obrazovku."));
}

TEST(Messages, InformationCarriesTheProgramsTitleAndTheStandardDialogItsOwn) {
    RecordingSink sink;
    showInformation(text::cp("Jednoduchý export."));
    showStandardInformation(text::cp("Malé rozlišení\rLow resolution"));
    ASSERT_EQ(sink.messages.size(), 2U);
    EXPECT_EQ(sink.messages[0],
              (Message{MessageKind::Information, "ui_tests", text::cp("Jednoduchý export.")}));
    EXPECT_EQ(sink.messages[1], (Message{MessageKind::StandardInformation, "Information",
                                         text::cp("Malé rozlišení\rLow resolution")}));
}

TEST(Messages, AnInnerSinkGivesWayToTheOuterOneWhenItEnds) {
    RecordingSink outer;
    {
        RecordingSink inner;
        showError("a");
        EXPECT_EQ(inner.messages.size(), 1U);
    }
    showError("b");
    ASSERT_EQ(outer.messages.size(), 1U);
    EXPECT_EQ(outer.messages[0].text, "b");
}

}  // namespace
}  // namespace expo::ui
