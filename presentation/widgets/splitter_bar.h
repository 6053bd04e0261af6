#pragma once
// A splitter bar between two neighbours of a box layout: dragging it changes the fixed width
// (vertical bar) or fixed height (horizontal bar) of its target, the neighbour on one side,
// never below the target's minimum size.
#include <QWidget>

namespace expo::presentation {

class SplitterBar : public QWidget {
    Q_OBJECT
  public:
    enum class TargetSide { Before, After };  // the target lies left/above or right/below

    SplitterBar(const QString& name, Qt::Orientation orientation, QWidget* target, TargetSide side,
                QWidget* parent);

    // The least width or height a drag leaves the target; 30 pixels until set.
    void setMinimumTargetSize(int size) { minimumTargetSize_ = size; }

  signals:
    // After a drag has changed the target's size.
    void moved();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int along(const QPointF& p) const;
    int targetSize() const;

    Qt::Orientation orientation_;
    QWidget* target_;
    TargetSide side_;
    int pressPos_ = -1;  // -1 while not dragging
    int pressSize_ = 0;
    int minimumTargetSize_ = 30;
};

}  // namespace expo::presentation
