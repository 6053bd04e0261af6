#include "presentation/widgets/splitter_bar.h"

#include <QMouseEvent>
#include <algorithm>

namespace expo::presentation {
namespace {
constexpr int kThickness = 3;
}  // namespace

SplitterBar::SplitterBar(const QString& name, Qt::Orientation orientation, QWidget* target,
                         TargetSide side, QWidget* parent)
    : QWidget(parent), orientation_(orientation), target_(target), side_(side) {
    setObjectName(name);
    if (orientation == Qt::Vertical) {
        setFixedWidth(kThickness);
        setCursor(Qt::SplitHCursor);
    } else {
        setFixedHeight(kThickness);
        setCursor(Qt::SplitVCursor);
    }
}

int SplitterBar::along(const QPointF& p) const {
    return orientation_ == Qt::Vertical ? qRound(p.x()) : qRound(p.y());
}

int SplitterBar::targetSize() const {
    return orientation_ == Qt::Vertical ? target_->width() : target_->height();
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPos_ = along(event->globalPosition());
        pressSize_ = targetSize();
    }
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (pressPos_ < 0) {
        return;
    }
    int delta = along(event->globalPosition()) - pressPos_;
    if (side_ == TargetSide::After) {
        delta = -delta;
    }
    const int size = std::max(minimumTargetSize_, pressSize_ + delta);
    if (orientation_ == Qt::Vertical) {
        target_->setFixedWidth(size);
    } else {
        target_->setFixedHeight(size);
    }
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    if (pressPos_ >= 0 && event->button() == Qt::LeftButton) {
        pressPos_ = -1;
        emit moved();
    }
}

}  // namespace expo::presentation
