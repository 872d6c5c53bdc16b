#include "reactors/ReactorPicture.h"

#include <QPainter>

#include "platform/Twips.h"

namespace vrn {

ReactorPicture::ReactorPicture(const QRect& area, double scale, QWidget* parent)
    : QWidget(parent), area_(area), scale_(scale) {
    setFixedSize(twipsToPixelsX(area.width() * scale), twipsToPixelsY(area.height() * scale));
}

void ReactorPicture::toTwips(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(scale_ / twipsPerPixelX(), scale_ / twipsPerPixelY());
    p.translate(-area_.left(), -area_.top());
}

void ReactorPicture::redraw(const std::function<void(QPainter&)>& draw) {
    const qreal ratio = devicePixelRatioF();
    cache_ = QPixmap(size() * ratio);
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(palette().color(backgroundRole()));
    QPainter p(&cache_);
    toTwips(p);
    draw(p);
    p.end();
    update();
}

QImage ReactorPicture::shown() { return grab().toImage(); }

void ReactorPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!cache_.isNull()) p.drawPixmap(0, 0, cache_);
    if (overlay) {
        toTwips(p);
        overlay(p);
    }
}

}  // namespace vrn
