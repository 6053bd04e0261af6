#pragma once
// A splitter bar between two neighbours of a box layout: dragging it changes the width (vertical
// bar) or height (horizontal bar) of its target, the neighbour on one side, never below the
// target's minimum size and never beyond what the neighbour across the bar can give up above
// its own least size, so a drag moves the bar within the window as it is and never makes the
// window larger. The target either keeps the size as its fixed size, or takes it as the most it
// may have, its least size left as it is: the layout then gives it less when the window is
// made smaller.
#include <QWidget>

class QLayoutItem;

namespace expo::presentation {

class SplitterBar : public QWidget {
    Q_OBJECT
  public:
    enum class TargetSide { Before, After };  // the target lies left/above or right/below
    enum class Sizing { Fixed, AtMost };  // the dragged size is the target's fixed size / its most

    SplitterBar(const QString& name, Qt::Orientation orientation, QWidget* target, TargetSide side,
                QWidget* parent, Sizing sizing = Sizing::Fixed);

    // The least width or height a drag leaves the target; 30 pixels until set.
    void setMinimumTargetSize(int size) { minimumTargetSize_ = size; }
    int minimumTargetSize() const { return minimumTargetSize_; }

  signals:
    // After a drag has changed the target's size.
    void moved();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int along(const QPointF& p) const;
    int along(const QSize& s) const;
    int targetSize() const;
    QLayoutItem* neighbourAcross() const;

    Qt::Orientation orientation_;
    QWidget* target_;
    TargetSide side_;
    Sizing sizing_;
    int pressPos_ = -1;  // -1 while not dragging
    int pressSize_ = 0;
    int maximumSize_ = 0;  // of the target during a drag
    int minimumTargetSize_ = 30;
};

}  // namespace expo::presentation
