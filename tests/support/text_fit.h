#pragma once
// Finds the texts of a window that its controls cut off: each shown button, check box, label and
// combo (every item of a combo) must hold its whole text in the font it is drawn in, stand
// wholly inside its parent and run into no control beside it.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QWidget>
#include <string>
#include <vector>

namespace expo::testing {

namespace text_fit_detail {

inline std::string describe(const QWidget& w, const QString& text, int needed, int room) {
    return (w.objectName().isEmpty() ? std::string(w.metaObject()->className())
                                     : w.objectName().toStdString()) +
           " \"" + text.toStdString() + "\" needs " + std::to_string(needed) + ", has " +
           std::to_string(room);
}

// The room the style leaves for a button's text.
inline int buttonTextRoom(const QAbstractButton& b) {
    if (const auto* check = qobject_cast<const QCheckBox*>(&b)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        return check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(&b)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return radio->style()
            ->subElementRect(QStyle::SE_RadioButtonContents, &option, radio)
            .width();
    }
    if (const auto* push = qobject_cast<const QPushButton*>(&b)) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        return push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
    }
    return -1;
}

}  // namespace text_fit_detail

// What does not fit in `window` (its shown controls only), one line each; empty when all fits.
inline std::vector<std::string> clippedTexts(const QWidget& window) {
    using text_fit_detail::describe;
    std::vector<std::string> clipped;
    const auto check = [&](const QWidget& w, const QString& text, int needed, int room) {
        if (needed > room) {
            clipped.push_back(describe(w, text, needed, room));
        }
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow()) {
            continue;
        }
        const QFontMetrics metrics = w->fontMetrics();
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            text = label->text();
            if (text.isEmpty() || Qt::mightBeRichText(text)) {
                continue;
            }
            const QRect room = label->contentsRect().marginsRemoved(
                QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            if (label->wordWrap()) {
                check(*w, text, label->heightForWidth(label->width()), label->height());
            } else {
                check(*w, text, metrics.horizontalAdvance(text), room.width());
            }
        } else if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
            text = tool->text();
            if (text.isEmpty() || tool->toolButtonStyle() == Qt::ToolButtonIconOnly) {
                continue;
            }
            check(*w, text, tool->sizeHint().width(), tool->width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            text = button->text();
            const int room = text_fit_detail::buttonTextRoom(*button);
            if (text.isEmpty() || room < 0) {
                continue;
            }
            QString shown = text;
            shown.remove(QLatin1Char('&'));
            check(*w, text, metrics.horizontalAdvance(shown), room);
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i) {
                check(*w, combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)), room);
            }
            text = combo->currentText();
        } else {
            continue;
        }
        const QWidget* parent = w->parentWidget();
        if (!parent) {
            continue;
        }
        const QRect inParent = w->geometry();
        if (inParent.right() >= parent->width() || inParent.left() < 0) {
            clipped.push_back(describe(*w, text, inParent.right() + 1, parent->width()) +
                              " in its parent");
        }
        for (const QObject* child : parent->children()) {
            const auto* beside = qobject_cast<const QWidget*>(child);
            const bool control =
                qobject_cast<const QLabel*>(child) || qobject_cast<const QAbstractButton*>(child) ||
                qobject_cast<const QComboBox*>(child) || qobject_cast<const QLineEdit*>(child);
            if (beside && beside != w && control && beside->isVisibleTo(&window) &&
                beside->geometry().intersects(inParent)) {
                clipped.push_back(describe(*w, text, inParent.right() + 1, inParent.right() + 1) +
                                  " runs into " + beside->objectName().toStdString() + " " +
                                  beside->metaObject()->className());
            }
        }
    }
    return clipped;
}

}  // namespace expo::testing
