#pragma once
// The navigation tree control. Its current node changes only when the user or the program
// chooses one: gaining the focus never makes a node current, as Qt's item views otherwise do
// with the first node when none is, so the keys go on from the node chosen last. The mouse
// chooses and expands nodes with its left button only; the other buttons leave the tree as it
// is.
#include <QTreeWidget>

namespace expo::presentation {

class NavigationTreeView : public QTreeWidget {
  public:
    explicit NavigationTreeView(QWidget* parent);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;
};

}  // namespace expo::presentation
