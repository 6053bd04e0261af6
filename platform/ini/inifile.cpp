#include "platform/ini/inifile.h"

#include <algorithm>
#include <optional>

#include "platform/os/files.h"
#include "platform/text/text.h"

namespace expo {

IniFile IniFile::load(const std::string& path) {
    const auto bytes = os::readFileIfExists(path);
    return bytes ? fromText(*bytes) : IniFile{};
}

IniFile IniFile::fromText(std::string_view cp1250) {
    IniFile ini;
    Section* current = nullptr;
    size_t start = 0;
    while (start <= cp1250.size()) {
        const size_t end = std::min(cp1250.find_first_of("\r\n", start), cp1250.size());
        const std::string line = text::trim(cp1250.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            std::string name = text::trim(std::string_view(line).substr(1, line.size() - 2));
            // A later section of the same name replaces the earlier one for every lookup.
            current = &(ini.byUpperName_[text::upper(name)] = Section{});
            ini.sectionNames_.push_back(std::move(name));
            continue;
        }
        if (current == nullptr) {
            continue;  // before the first section
        }
        ++current->lineCount;
        if (const size_t eq = line.find('='); eq != std::string::npos) {
            const std::string_view view(line);
            current->valueByUpperKey[text::upper(text::trim(view.substr(0, eq)))] =
                text::trim(view.substr(eq + 1));
        }
    }
    return ini;
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    const auto it = byUpperName_.find(text::upper(section));
    return it == byUpperName_.end() ? nullptr : &it->second;
}

const std::string* IniFile::findValue(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (s == nullptr) {
        return nullptr;
    }
    const auto it = s->valueByUpperKey.find(text::upper(key));
    return it == s->valueByUpperKey.end() ? nullptr : &it->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    const std::string* value = findValue(section, key);
    return value ? *value : std::string(def);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
    const std::string* value = findValue(section, key);
    return value ? text::tryStrToInt(*value).value_or(def) : def;
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
    return findValue(section, key) != nullptr;
}

bool IniFile::sectionExists(std::string_view section) const {
    const Section* s = findSection(section);
    return s != nullptr && s->lineCount > 0;
}

}  // namespace expo
