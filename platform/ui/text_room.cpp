#include "platform/ui/text_room.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace expo::ui {
namespace {

// The room a text takes as the control draws it, mnemonic marks left out; the same measure the
// controls use for their own size hints.
QSize textSize(const QWidget& control, const QString& text) {
    return control.fontMetrics().size(Qt::TextShowMnemonic, text);
}

QStyleOptionButton buttonOption(const QAbstractButton& button, const QString& text) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = text;
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        if (push->isFlat()) {
            option.features |= QStyleOptionButton::Flat;
        }
        if (push->menu() != nullptr) {
            option.features |= QStyleOptionButton::HasMenu;
        }
        if (push->autoDefault()) {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        if (push->isDefault()) {
            option.features |= QStyleOptionButton::DefaultButton;
        }
    }
    if (button.isChecked()) {
        option.state |= QStyle::State_On;
    }
    return option;
}

// Room for the icon beside the text, as the buttons themselves reckon it.
QSize withIcon(const QStyleOptionButton& option, QSize text) {
    if (option.icon.isNull()) {
        return text;
    }
    return {text.width() + option.iconSize.width() + 4,
            std::max(text.height(), option.iconSize.height())};
}

}  // namespace

int widthForTexts(const QPushButton& button, const QStringList& texts, int width) {
    int needed = width;
    for (const QString& text : texts) {
        const QStyleOptionButton option = buttonOption(button, text);
        const QSize contents = withIcon(option, textSize(button, text));
        needed = std::max(needed,
                          button.style()
                              ->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button)
                              .width());
    }
    return needed;
}

int widthForText(const QCheckBox& check, const QString& text, int width) {
    const QStyleOptionButton option = buttonOption(check, text);
    const QSize contents = withIcon(option, textSize(check, text));
    return std::max(
        width,
        check.style()->sizeFromContents(QStyle::CT_CheckBox, &option, contents, &check).width());
}

int widthForItems(const QComboBox& combo, const QStringList& items, int width) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.iconSize = combo.iconSize();
    option.subControls = QStyle::SC_All;
    int widest = 0;
    for (const QString& item : items) {
        // The drawn glyphs, which may reach past the advance of the last letter.
        widest = std::max(widest, combo.fontMetrics().boundingRect(item).width());
    }
    const QSize contents(widest, std::max(combo.fontMetrics().height(), 14) + 2);
    return std::max(
        width,
        combo.style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, &combo).width());
}

int widthForCaption(const QString& caption) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int bar = 2 * metrics.height();
    constexpr int kSquares = 4;  // icon, minimise, maximise, close
    const int width = metrics.horizontalAdvance(caption) + kSquares * bar + bar;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? std::min(width, screen->availableGeometry().width()) : width;
}

}  // namespace expo::ui
