#include "platform/ui/program_title.h"

#include <QCoreApplication>

#include "platform/text/text.h"
#include "platform/ui/qtext.h"

namespace expo::ui {

std::string programTitle(std::string_view programFile) {
    std::string_view name = programFile.substr(programFile.find_last_of("/\\") + 1);
    name = name.substr(0, name.find('.'));
    if (name.empty()) {
        return {};
    }
    return std::string(1, name.front()) + text::lower(name.substr(1));
}

std::string programTitle() {
    return programTitle(fromQ(QCoreApplication::applicationFilePath()));
}

}  // namespace expo::ui
