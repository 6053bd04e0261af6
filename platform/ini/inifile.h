#pragma once
// A settings file read whole into memory and never written. Lookups match section and key
// names by the locale upper case; the last section of a name and the last key in it win.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace expo {

class IniFile {
public:
    IniFile() = default;
    // Reads the file; a missing file reads as empty. A file that exists but cannot be read
    // throws expo::Error (the caller words the message to the user).
    static IniFile load(const std::string& path);
    static IniFile fromText(std::string_view cp1250);

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Whole number: default when missing, empty or not a number ("0x"/"$" hexadecimal).
    int readInteger(std::string_view section, std::string_view key, int def) const;
    bool valueExists(std::string_view section, std::string_view key) const;
    bool sectionExists(std::string_view section) const;
    // Every section line's name in file order, repeats included.
    const std::vector<std::string>& sections() const { return sectionNames_; }

private:
    struct Section {
        std::vector<std::pair<std::string, std::string>> lines;  // key (upper) -> value
        size_t lineCount = 0;
    };
    const Section* findSection(std::string_view section) const;
    std::vector<std::string> sectionNames_;
    std::unordered_map<std::string, Section> byUpperName_;  // last section of a name wins
};

}  // namespace expo
