#pragma once
// Helpers of the logic tests.
#include <string>
#include <string_view>

#include "platform/ini/inifile.h"
#include "platform/text/text.h"
#include "presentation/navigation/navigation.h"

namespace expo::testing {

// config.ini text written in UTF-8 in the tests, as the program reads it (code page 1250).
inline IniFile settings(std::string_view utf8) {
    return IniFile::fromText(text::cp(utf8));
}

// A node record naming its config.ini section.
inline presentation::TNodeData keyed(std::string itemKey) {
    presentation::TNodeData data;
    data.ItemKey = std::move(itemKey);
    return data;
}

}  // namespace expo::testing
