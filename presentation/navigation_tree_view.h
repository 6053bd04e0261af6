#pragma once
// The navigation tree control. Its current node changes only when the user or the program
// chooses one: gaining the focus never makes a node current, as Qt's item views otherwise do
// with the first node when none is, which would show that node through the tree's change
// handling.
#include <QTreeWidget>

namespace expo::presentation {

class NavigationTreeView : public QTreeWidget {
  public:
    explicit NavigationTreeView(QWidget* parent);

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace expo::presentation
