#include "platform/UpDown.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vrn {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setFixedSize(18, 11);
        b->setAutoRepeat(true);
        l->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, [this] { stepUp(); });
    connect(down_, &QToolButton::clicked, this, [this] { stepDown(); });
    setFixedSize(18, 22);
}

void UpDown::setRange(int min, int max) {
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    setValue(value_);
}

void UpDown::setValue(int v) {
    v = std::clamp(v, min_, max_);
    const bool changed = v != value_;
    value_ = v;
    if (buddy_) buddy_->setNum(value_);
    if (changed) emit valueChanged(value_);
}

void UpDown::setBuddy(QLabel* label) {
    buddy_ = label;
    if (buddy_) buddy_->setNum(value_);
}

}  // namespace vrn
