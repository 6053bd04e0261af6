// libFuzzer target: a URL as the page browser hands it to the link words, run over the demo
// disc's navigation tree through a window stand-in that starts and copies nothing; the same
// text also goes through the command-line split, the file-URL handling, the language link and
// the path bar's links. The disc's folder is EXPO_DISC_DIR (the environment's value first,
// else the build's demo disc); without it a small tree of its own is used.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ini/inifile.h"
#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "presentation/navigation/link_words.h"
#include "presentation/navigation/navigation.h"
#include "presentation/navigation/path_bar.h"
#include "presentation/settings/language_texts.h"

namespace {

using namespace expo::presentation;

const char* const kFallbackConfig =
    "[polozka a]\ntext0=A\nurl0=a.html\nfulltext0=a1.html;a2.html\nfulltextName0=A1;A2\n"
    "[polozka b]\nrodic=polozka a\ntext0=B\nurl0=b.html\n"
    "[SysPolozkaVystavovatele]\ntext0=V\nsablona0=s.html\n";

struct World {
    expo::IniFile config;
    NavigationTree tree;
    LanguageTexts texts;

    World() {
        const char* fromEnvironment = std::getenv("EXPO_DISC_DIR");
        const std::string folder = std::string(fromEnvironment ? fromEnvironment : EXPO_DISC_DIR);
        config = expo::IniFile::load(expo::os::resolveDiscPath(folder + "/", "config.ini"));
        if (config.sections().empty()) {
            config = expo::IniFile::fromText(kFallbackConfig);
        }
        tree = buildNavigationTree(config, config.sections(), 0, false);
        texts = readLanguageTexts(config, 0);
    }
};

World& world() {
    static World* instance = new World();  // never destroyed: libFuzzer may exit from anywhere
    return *instance;
}

// The window's side of the link words, with nothing started, copied or loaded.
class Host final : public PageLinkHost {
  public:
    explicit Host(const NavigationTree& tree, bool hasCurrentExhibitor)
        : tree_(tree), hasCurrentExhibitor_(hasCurrentExhibitor), selected_(tree.first()) {}

    bool hasCurrentExhibitor() const override { return hasCurrentExhibitor_; }
    void showCurrentExhibitor() override {}
    const NavigationTree& navigationTree() const override { return tree_; }
    void selectNavigationNode(NavNode& node) override { selected_ = &node; }
    NavNode* selectedNavigationNode() override { return selected_; }
    void showSubPageInPathBar(NavNode& node) override { buildPathBar(&node, 0, true, {}); }
    void startProgram(const CommandLine&) override {}
    void offerCopy(std::string_view url) override { localPathFromUrl(url); }
    void switchLanguage(int language) override { language_ = language; }

  private:
    const NavigationTree& tree_;
    bool hasCurrentExhibitor_;
    NavNode* selected_;
    int language_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    World& w = world();
    const std::string_view url(reinterpret_cast<const char*>(data), size);

    Host host(w.tree, size % 2 == 0);
    pageLinkCancels(url, host);
    try {
        followPageLink(url, host);
    } catch (const expo::Error&) {
    }
    isLanguageLink(url);
    followLanguageLink(url, [](int) {});
    splitCommandLine(url);
    localPathFromUrl(url);
    missingSourceMessage(w.texts, url);
    if (isPathBarLink(url)) {
        pathBarTarget(url, size % 7);
    }
    return 0;
}
