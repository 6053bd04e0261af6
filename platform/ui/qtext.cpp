#include "platform/ui/qtext.h"

#include <QStringView>

#include "platform/text/text.h"

namespace expo::ui {

QString toQ(std::string_view cp1250) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1250.size()));
    for (const char c : cp1250) {
        // Every character of the code page lies in the Basic Multilingual Plane.
        out.append(
            QChar(static_cast<char16_t>(text::cp1250ToUnicode(static_cast<unsigned char>(c)))));
    }
    return out;
}

std::string fromQ(const QString& text) {
    const QStringView view(text);
    return text::utf16ToCp1250(std::u16string_view(view.utf16(), static_cast<size_t>(view.size())));
}

}  // namespace expo::ui
