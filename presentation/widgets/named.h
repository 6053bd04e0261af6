#pragma once
// Gives a component its name as its object name, for the windows built in code.
#include <QObject>
#include <QString>
#include <string_view>

namespace expo::presentation {

template <typename W>
W* named(W* widget, std::string_view name) {
    widget->setObjectName(QString::fromLatin1(name.data(), qsizetype(name.size())));
    return widget;
}

}  // namespace expo::presentation
