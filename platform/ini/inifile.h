#pragma once
// A settings file read whole into memory and never written. Lookups match section and key
// names by the locale upper case; the last section of a name and the last key in it win.
//
// Reading rules: every line is trimmed (all leading and trailing characters up to the blank);
// empty lines and lines starting with ";" are skipped; "[name]" opens a section (the name
// trimmed again); lines before the first section are ignored; inside a section a line with "="
// is a key, its name the trimmed text before the first "=" and its value the trimmed rest. A
// line without "=" counts for the section's presence but is never found as a key.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace expo {

class IniFile {
  public:
    IniFile() = default;
    // Reads the file (a path in the file system's own encoding); a missing file reads as
    // empty. A file that exists but cannot be read throws expo::Error (the caller words the
    // message to the user).
    static IniFile load(const std::string& path);
    static IniFile fromText(std::string_view cp1250);

    // The key's value when present (also when empty); the default when the section or key
    // is missing.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Whole number: default when missing, empty or not a number ("0x"/"$" hexadecimal).
    int readInteger(std::string_view section, std::string_view key, int def) const;
    bool valueExists(std::string_view section, std::string_view key) const;
    // A section is present when it holds at least one line.
    bool sectionExists(std::string_view section) const;
    // Every section line's name in file order, repeats included.
    const std::vector<std::string>& sections() const { return sectionNames_; }

  private:
    struct Section {
        std::unordered_map<std::string, std::string> valueByUpperKey;  // last key line wins
        size_t lineCount = 0;
    };
    const Section* findSection(std::string_view section) const;
    const std::string* findValue(std::string_view section, std::string_view key) const;
    std::vector<std::string> sectionNames_;
    std::unordered_map<std::string, Section> byUpperName_;  // last section of a name wins
};

}  // namespace expo
