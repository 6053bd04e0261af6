#include "platform/ui/guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/messages.h"
#include "tests/support/recording_sink.h"

namespace expo::ui {
namespace {

using ::expo::testing::RecordingSink;

// A full stop follows unless the text ends in a character that sorts before it.
TEST(ErrorBoxText, AddsAFullStopAfterCharactersThatComeAfterIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Soubor nelze otevřít", "Soubor nelze otevřít."},
        {"Hotovo.", "Hotovo."},
        {"Zdrojový soubor:", "Zdrojový soubor:."},
        {"konec ", "konec "},
        {"a-", "a-"},
        {"cesta/", "cesta/."},
        {"kůň", "kůň."},  // bytes above 127 come after "."
        {"", ""},
    };
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(errorBoxText(text::cp(message)), text::cp(shown)) << message;
    }
}

// Whatever a handler throws stops at the guard, ends the handler and is shown once in the
// error box under the program's title, library text in the program's code page.
TEST(Guard, ExceptionsOfEveryKindAreShownInTheErrorBox) {
    RecordingSink sink;
    EXPECT_FALSE(guard([] { throw Error(text::cp("Chyba při načítání config.ini")); }));
    EXPECT_FALSE(guard([] { throw std::runtime_error("Soubor „data0.dat“ nelze číst"); }));
    EXPECT_FALSE(guard([] { throw 42; }));
    const std::vector<Message> expected{
        {MessageKind::Error, "ui_tests", text::cp("Chyba při načítání config.ini.")},
        {MessageKind::Error, "ui_tests", text::cp("Soubor „data0.dat“ nelze číst.")},
        {MessageKind::Error, "ui_tests", "Unknown exception."}};
    EXPECT_EQ(sink.messages, expected);
    int runs = 0;
    EXPECT_TRUE(guard([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(sink.messages.size(), 3U);
}

// Unlike the error box of the handlers, only a full stop counts here.
TEST(FatalError, TheApplicationErrorBoxNamesTheExceptionAndEndsInAFullStop) {
    EXPECT_EQ(fatalErrorText("expo::Error", "expozice", "Konec."),
              "Exception expo::Error in module expozice.\nKonec.");
    EXPECT_EQ(fatalErrorText("expo::Error", "expozice", "Pozor!"),
              "Exception expo::Error in module expozice.\nPozor!.");
}

}  // namespace
}  // namespace expo::ui
