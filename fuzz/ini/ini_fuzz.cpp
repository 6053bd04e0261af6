// libFuzzer target: a config.ini, read and handed to every reader of its settings in each of
// the five languages: the look and its colours, the window and panel sizes, the language texts,
// the navigation tree with and without the exhibitor item, the catalogue sections and the path
// bar of every node.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ini/inifile.h"
#include "platform/text/error.h"
#include "presentation/catalogue/catalogue_sections.h"
#include "presentation/navigation/navigation.h"
#include "presentation/navigation/path_bar.h"
#include "presentation/settings/language_texts.h"
#include "presentation/settings/look.h"
#include "presentation/settings/window_size.h"

namespace {

using namespace expo::presentation;

// Runs one reader; a setting it refuses ends only that reader.
template <typename Reader>
void attempt(Reader reader) {
    try {
        reader();
    } catch (const expo::Error&) {
    }
}

void barsOf(const std::vector<std::unique_ptr<NavNode>>& nodes, const PathBarStyle& style) {
    for (const auto& node : nodes) {
        const PathBar bar = buildPathBar(node.get(), 0, true, style);
        pathBarTarget("link_" + std::to_string(bar.nodes.size()), bar.nodes.size());
        barsOf(node->children, style);
    }
}

void readLanguage(const expo::IniFile& config, int language) {
    Look look;
    attempt([&] { readNoticeLook(config, look); });
    attempt([&] { readCatalogueLook(config, language, look); });
    attempt([&] { readPanelLook(config, look); });
    attempt([&] { readHeaderLogo(config, language); });
    attempt([&] { readLanguageTexts(config, language); });
    for (const NoticeText which : {NoticeText::Title, NoticeText::Appearance, NoticeText::Logo,
                                   NoticeText::Navigation, NoticeText::DataFiles}) {
        attempt([&] { readNoticeText(config, language, which); });
    }
    attempt([&] { readLanguageFields(config, std::to_string(language)); });
    for (const bool hideData : {false, true}) {
        attempt([&] {
            NavigationTree tree =
                buildNavigationTree(config, config.sections(), language, hideData);
            if (sectionsDefinedInConfig(config)) {
                addSectionNodes(tree, configSections(config, language), look.exhibitorTemplate);
            }
            barsOf(tree.roots(), pathBarStyleOf(look));
            tree.findByItemKey("SysPolozkaVystavovatele");
        });
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const expo::IniFile config =
        expo::IniFile::fromText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& section : config.sections()) {
        config.readInteger(section, "sirka", 0);
        config.valueExists(section, "rodic");
    }
    attempt([&] {
        for (const WindowSize wanted : {introWindowSize(config), mainWindowSize(config)}) {
            for (const ScreenSize screen : {ScreenSize{1024, 768}, ScreenSize{0, 0}}) {
                const PixelSize pixels = toPixels(wanted, screen);
                centredPosition(screen, {pixels.width, pixels.height});
            }
        }
        navigationSize(config, 600, 800);
        navigationSize(config, 0, 0);
        resolutionNotice(config);
    });
    for (int language = 0; language < 5; ++language) {
        readLanguage(config, language);
    }
    return 0;
}
