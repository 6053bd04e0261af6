#pragma once
// The one crossing between the program's 8-bit code page 1250 text and Qt's QString. Widgets get
// their texts through toQ and hand user input back through fromQ; nothing else converts.
#include <QString>
#include <string>
#include <string_view>

namespace expo::ui {

QString toQ(std::string_view cp1250);
// Characters that code page 1250 lacks become '?'.
std::string fromQ(const QString& text);

}  // namespace expo::ui
