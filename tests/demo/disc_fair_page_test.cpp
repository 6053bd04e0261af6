// The demo disc's page about the fair tells as many sections as the catalogue shows in the
// navigation tree, in every language.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/text.h"
#include "tests/demo/disc_support.h"

namespace expo::demotest {
namespace {

TEST(DemoFairPage, TellsTheNumberOfSectionsOnTheDisc) {
    const IniFile config = discIni("config.ini");
    size_t sections = 0;
    for (const std::string& name : config.sections()) {
        const std::string lower = text::asciiLower(name);
        sections += lower.starts_with("sekce ") && lower.ends_with(" na cd");
    }
    ASSERT_GT(sections, 0u);
    for (int l = 0; l < kLanguages; ++l) {
        const std::string html =
            readDiscFile(resolve("stranky\\veletrh" + std::to_string(l) + ".html"));
        EXPECT_NE(html.find("<li>" + std::to_string(sections) + " "), std::string::npos)
            << "language " << l;
    }
}

}  // namespace
}  // namespace expo::demotest
