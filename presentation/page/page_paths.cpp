#include "presentation/page/page_paths.h"

#include "platform/os/paths.h"
#include "platform/os/tempdir.h"
#include "platform/text/text.h"

namespace expo::presentation {

std::string browserTarget(const std::string& path) {
    return text::isValidUtf8(path) ? text::utf8ToCp1250(path) : path;
}

std::string discPageTarget(std::string_view cp1250Name) {
    return browserTarget(os::resolveDiscPath(os::programFolder(), text::trim(cp1250Name)));
}

std::string privatePagePath(std::string_view fileName) {
    return os::sessionTempPath() + std::string(fileName);
}

std::string takePrivateFolderNotice() {
    return os::sessionTempFolder().takeNotice();
}

}  // namespace expo::presentation
