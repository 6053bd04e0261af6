#pragma once
// A splitter bar between two neighbours of a box layout: dragging it changes the fixed width
// (vertical bar) or fixed height (horizontal bar) of its target, the neighbour on one side.
#include <QWidget>

namespace expo::presentation {

class SplitterBar : public QWidget {
    Q_OBJECT
  public:
    enum class TargetSide { Before, After };  // the target lies left/above or right/below

    SplitterBar(const QString& name, Qt::Orientation orientation, QWidget* target, TargetSide side,
                QWidget* parent);

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
};

}  // namespace expo::presentation
