#include "presentation/widgets/splitter_bar.h"

#include <QLayout>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

namespace expo::presentation {
namespace {

constexpr int kThickness = 3;

// The layout, `layout` or one nested in it, that places `widget` itself; its index there.
std::pair<QLayout*, int> placing(QLayout* layout, const QWidget* widget) {
    for (int i = 0; layout != nullptr && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) {
            return {layout, i};
        }
        if (const auto found = placing(item->layout(), widget); found.first != nullptr) {
            return found;
        }
    }
    return {nullptr, -1};
}

}  // namespace

SplitterBar::SplitterBar(const QString& name, Qt::Orientation orientation, QWidget* target,
                         TargetSide side, QWidget* parent, Sizing sizing)
    : QWidget(parent), orientation_(orientation), target_(target), side_(side), sizing_(sizing) {
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

int SplitterBar::along(const QSize& s) const {
    return orientation_ == Qt::Vertical ? s.width() : s.height();
}

int SplitterBar::targetSize() const {
    return along(target_->size());
}

// The first shown item on the far side of the bar from the target.
QLayoutItem* SplitterBar::neighbourAcross() const {
    const auto [layout, index] = placing(parentWidget()->layout(), this);
    const int step = side_ == TargetSide::Before ? 1 : -1;
    for (int i = index + step; layout != nullptr && i >= 0 && i < layout->count(); i += step) {
        if (QLayoutItem* item = layout->itemAt(i); !item->isEmpty()) {
            return item;
        }
    }
    return nullptr;
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPos_ = along(event->globalPosition());
        pressSize_ = targetSize();
        const QLayoutItem* across = neighbourAcross();
        const int room =
            across ? along(across->geometry().size()) - along(across->minimumSize()) : 0;
        maximumSize_ = pressSize_ + std::max(0, room);
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
    const int size = std::max(minimumTargetSize_, std::min(maximumSize_, pressSize_ + delta));
    if (sizing_ == Sizing::AtMost) {
        orientation_ == Qt::Vertical ? target_->setMaximumWidth(size)
                                     : target_->setMaximumHeight(size);
    } else if (orientation_ == Qt::Vertical) {
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
