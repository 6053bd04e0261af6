#pragma once
// Small helpers for the search windows' components: a name, a place and a text from code
// page 1250.
#include <QString>
#include <QWidget>
#include <string_view>

#include "platform/text/text.h"
#include "platform/ui/qtext.h"
#include "presentation/widgets/named.h"

namespace expo::search {

using presentation::named;

// Places `widget` at left, top with this size; a size of 0 keeps the widget's own.
template <typename W>
W* placed(W* widget, int left, int top, int width = 0, int height = 0) {
    widget->move(left, top);
    widget->resize(width > 0 ? width : widget->sizeHint().width(),
                   height > 0 ? height : widget->sizeHint().height());
    return widget;
}

// A text of the language, trimmed, for a component.
inline QString trimmedQ(std::string_view cp1250) {
    return ui::toQ(text::trim(cp1250));
}

}  // namespace expo::search
