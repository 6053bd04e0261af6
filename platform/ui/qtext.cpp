#include "platform/ui/qtext.h"

#include <QStringView>

#include "platform/text/text.h"

namespace expo::ui {

QString toQ(std::string_view cp1250) {
    // Every character of the code page lies in the Basic Multilingual Plane.
    return QString::fromStdU16String(text::cp1250ToUtf16(cp1250));
}

std::string fromQ(const QString& text) {
    const QStringView view(text);
    return text::utf16ToCp1250(std::u16string_view(view.utf16(), static_cast<size_t>(view.size())));
}

}  // namespace expo::ui
