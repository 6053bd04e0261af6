#include "platform/ui/text_room.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace expo::ui {
namespace {

// The width that the style takes from a control of `width` around the room for its text.
template <typename Room>
int chromeAt(int width, Room roomAt) {
    return width - roomAt(width);
}

int widestText(const QWidget& control, const QStringList& texts) {
    int widest = 0;
    for (QString text : texts) {
        text.remove(QLatin1Char('&'));  // mnemonic marks are not drawn
        widest = std::max(widest, control.fontMetrics().horizontalAdvance(text));
    }
    return widest;
}

QStyleOptionButton buttonOption(const QWidget& button, const QString& text, int width) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect.setWidth(width);
    option.text = text;
    return option;
}

}  // namespace

int widthForTexts(const QPushButton& button, const QStringList& texts, int width) {
    const int chrome = chromeAt(width, [&](int w) {
        const QStyleOptionButton option = buttonOption(button, QString(), w);
        return button.style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, &button)
            .width();
    });
    return std::max(width, widestText(button, texts) + chrome);
}

int widthForText(const QCheckBox& check, const QString& text, int width) {
    const int chrome = chromeAt(width, [&](int w) {
        const QStyleOptionButton option = buttonOption(check, text, w);
        return check.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &check).width();
    });
    return std::max(width, widestText(check, {text}) + chrome);
}

int widthForItems(const QComboBox& combo, const QStringList& items, int width) {
    const int chrome = chromeAt(width, [&](int w) {
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        option.rect.setWidth(w);
        option.editable = combo.isEditable();
        return combo.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
            .width();
    });
    return std::max(width, widestText(combo, items) + chrome);
}

}  // namespace expo::ui
