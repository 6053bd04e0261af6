#include "search/drop_down_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>

#include "platform/ui/guard.h"

namespace expo::search {

DropDownComboBox::DropDownComboBox(bool editable, QWidget* parent) : QComboBox(parent) {
    setEditable(editable);
    if (editable) {
        setCompleter(nullptr);
        setInsertPolicy(QComboBox::NoInsert);
    }
    setCurrentIndex(-1);
}

void DropDownComboBox::showPopup() {
    if (dropDown_ && !ui::guard(dropDown_)) {
        return;  // the list could not be filled: it stays shut
    }
    QComboBox::showPopup();
}

void DropDownComboBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        setCurrentIndex(-1);
        clearEditText();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (autoDropDown_ && !isEditable() && !view()->isVisible() && !typed.isEmpty() &&
        typed.at(0).isPrint()) {
        showPopup();
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace expo::search
