#pragma once
// The search dialog's value combos: a combo box that can fill its list just before it opens,
// can open by itself, and that the Delete key empties (no item chosen, no text).
#include <QComboBox>
#include <functional>

namespace expo::search {

class DropDownComboBox : public QComboBox {
    Q_OBJECT
  public:
    // An editable combo takes any text (no completion from its items, Enter adds no item); the
    // others choose one of their items and start with none chosen.
    DropDownComboBox(bool editable, QWidget* parent);

    // Runs `handler` every time the list is about to open.
    void setDropDown(std::function<void()> handler) { dropDown_ = std::move(handler); }
    // A list that opens by itself when the user starts typing (not for editable combos, whose
    // text the refilled list would take away).
    void setAutoDropDown(bool on) { autoDropDown_ = on; }

    void showPopup() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void()> dropDown_;
    bool autoDropDown_ = false;
};

}  // namespace expo::search
