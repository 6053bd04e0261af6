// libFuzzer target: a template filled for exhibitors of the demo disc's catalogue with every
// keyword, record loop and optional block, in a language the input's size picks. The disc's
// folder is EXPO_DISC_DIR (the environment's value first, else the build's demo disc).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/inifile.h"
#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "presentation/catalogue/catalogue.h"
#include "presentation/page/template_engine.h"
#include "presentation/page/template_keywords.h"

namespace {

using namespace expo::presentation;

struct Disc {
    std::string folder;
    Catalogue catalogue;
    expo::IniFile umisteni;
    expo::IniFile inzeraty;
    expo::IniFile expozice;
    std::vector<std::string> katIds;

    Disc() {
        const char* fromEnvironment = std::getenv("EXPO_DISC_DIR");
        folder = std::string(fromEnvironment ? fromEnvironment : EXPO_DISC_DIR) + "/";
        try {
            for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
                catalogue.load(i, folder + "data");
            }
        } catch (const expo::Error& e) {
            std::fprintf(stderr, "fuzz_template: no demo disc in %s: %s\n", folder.c_str(),
                         e.what());
            std::abort();
        }
        const auto ini = [&](std::string_view name) {
            return expo::IniFile::load(expo::os::resolveDiscPath(folder, name));
        };
        umisteni = ini("Umisteni\\umisteni.ini");
        inzeraty = ini("Inzeraty\\index.ini");
        expozice = ini("Expozice\\index.ini");
        ds().first();
        while (!ds().eof() && katIds.size() < 16) {
            katIds.push_back(ds().text("KAT_ID"));
            ds().next();
        }
    }
    expo::ds::ClientDataSet& ds() { return catalogue.CDSZaznamy; }
};

Disc& disc() {
    static Disc* instance = new Disc();  // never destroyed: libFuzzer may exit from anywhere
    return *instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Disc& d = disc();
    Catalogue& c = d.catalogue;
    const std::string_view pageTemplate(reinterpret_cast<const char*>(data), size);
    const std::string& katId = d.katIds[size % d.katIds.size()];
    const std::string suffix = std::to_string(size % 3);
    const PageDataSets sets{c.CDSZaznamy, c.CDSNomenklatury, c.CDSUmisteni, c.CDSExponaty,
                            c.CDSZastFir, c.CDSZastZnac,     c.CDSDoplnInf};
    try {
        // The exhibitor's record is current, as the page's making leaves it.
        c.CDSZaznamy.setFilter("KAT_ID=" + katId);
        c.CDSZaznamy.setFiltered(true);
        c.CDSZaznamy.first();
        const TemplateKeywords keywords({sets,
                                         {suffix, suffix},
                                         {},
                                         d.umisteni,
                                         d.inzeraty,
                                         d.expozice,
                                         static_cast<int>(size % 5),
                                         d.folder});
        fillTemplate(pageTemplate, katId, sets, keywords);
    } catch (const expo::Error&) {
    }
    return 0;
}
