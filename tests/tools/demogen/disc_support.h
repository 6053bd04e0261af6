#pragma once
// Reading the built demo disc in the tests: its settings files, pages and data packets, with
// names resolved as the program resolves them.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/packet.h"
#include "platform/ini/inifile.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"

namespace expo::demotest {

// The disc folder, ending in '/'.
inline std::string disc() {
    return std::string(EXPO_DISC_DIR) + "/";
}
inline std::string readDiscFile(const std::filesystem::path& path) {
    return os::readFile(path.string());
}
// The path a name of the disc stands for (code page 1250, "\" or "/", any letter case).
inline std::string resolve(std::string_view cp1250Name) {
    return os::resolveDiscPath(disc(), cp1250Name);
}
inline bool existsOnDisc(std::string_view cp1250Name) {
    return std::filesystem::is_regular_file(resolve(cp1250Name));
}
// A settings file of the disc, named as config.ini names it ("Inzeraty\index.ini").
inline IniFile discIni(std::string_view cp1250Name) {
    return IniFile::load(resolve(cp1250Name));
}

// Every file below the disc whose name ends in `extension`, in name order.
std::vector<std::filesystem::path> discFiles(std::string_view extension);

// One data file, read whole: values by field name, in code page 1250.
class DataFile {
  public:
    explicit DataFile(int number);
    size_t rows() const { return packet_.rows.size(); }
    bool has(std::string_view field) const { return columns_.contains(field); }
    bool isNull(size_t row, std::string_view field) const;
    std::string text(size_t row, std::string_view field) const;  // trimmed
    int64_t integer(size_t row, std::string_view field) const;   // 0 for null

  private:
    const ds::Value& value(size_t row, std::string_view field) const;
    ds::Packet packet_;
    std::map<std::string, size_t, std::less<>> columns_;
};

// The five language numbers of the disc.
inline constexpr int kLanguages = 5;

}  // namespace expo::demotest
