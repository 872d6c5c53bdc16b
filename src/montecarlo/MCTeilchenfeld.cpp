#include "montecarlo/MCTeilchenfeld.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "platform/ColourFont.h"

namespace vrn {

namespace {
const QColor kBrettGrau(190, 190, 190);
constexpr double kLuecke = 0.8;  // gap between the cells of large mode, pixels
}  // namespace

MCTeilchenfeld::MCTeilchenfeld(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void MCTeilchenfeld::zeichneFeld(Long N0, bool bGross, Colour farbeA, Colour farbeP,
                                 const std::function<bool(Long)>& istA) {
    const double seite = std::max(0, std::min(width(), height()) - 2 * kRand);
    g_ = mcBrettGeometrie(N0, bGross, kRand, kRand, seite);
    const qreal dpr = devicePixelRatioF();
    bild_ = QImage(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    bild_.setDevicePixelRatio(dpr);
    bild_.fill(Qt::transparent);
    blitzAn_ = false;
    {
        QPainter p(&bild_);
        p.setPen(QPen(Qt::black, 1));
        const QRectF box(kRand - 1.5, kRand - 1.5, seite + 2, seite + 2);
        p.setBrush(bGross ? toQColor(farbeA) : kBrettGrau);
        p.drawRect(box);
    }
    for (Long i = 1; i <= g_.N0; ++i) {
        const bool a = !istA || istA(i);
        // In large mode the square is already the colour of A.
        if (!(bGross && a)) zeichneTeilchen(i, a ? farbeA : farbeP);
    }
    dirty_ = QRectF(rect());
    zeigen();
}

QRectF MCTeilchenfeld::teilchenRect(Long i) const {
    if (g_.bGross) {
        const MCRect c = g_.zelle(i, kLuecke);
        return QRectF(c.left, c.top, c.width, c.height);
    }
    const double r = g_.Radius;
    return QRectF(g_.mitteX(i) - r, g_.mitteY(i) - r, 2 * r, 2 * r);
}

// A cell of large mode, filled pixel by pixel: the fastest way for 90000 cells.
void MCTeilchenfeld::fuelleZelle(Long i, Colour farbe) {
    const qreal dpr = bild_.devicePixelRatio();
    const QRectF c = teilchenRect(i);
    const int x0 = static_cast<int>(std::floor(c.left() * dpr));
    const int y0 = static_cast<int>(std::floor(c.top() * dpr));
    const int x1 = std::max(x0 + 1, static_cast<int>(std::floor(c.right() * dpr)));
    const int y1 = std::max(y0 + 1, static_cast<int>(std::floor(c.bottom() * dpr)));
    const QRgb rgb = toQColor(farbe).rgba();
    for (int y = std::max(0, y0); y < std::min(y1, bild_.height()); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bild_.scanLine(y));
        for (int x = std::max(0, x0); x < std::min(x1, bild_.width()); ++x) line[x] = rgb;
    }
}

void MCTeilchenfeld::zeichneTeilchen(Long i, Colour farbe) {
    if (i < 1 || i > g_.N0 || bild_.isNull()) return;
    if (g_.bGross) {
        fuelleZelle(i, farbe);
    } else {
        QPainter p(&bild_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QRectF r = teilchenRect(i);
        // Grey first, so that the old colour leaves no rim.
        p.setBrush(kBrettGrau);
        p.drawEllipse(r);
        p.setBrush(toQColor(farbe));
        p.drawEllipse(r);
    }
    dirty_ = dirty_.united(teilchenRect(i).adjusted(-1, -1, 1, 1));
}

void MCTeilchenfeld::blitz(Long i) {
    if (i < 1 || i > g_.N0) return;
    if (blitzAn_) blitzAus();
    blitzAn_ = true;
    blitzX_ = g_.mitteX(i);
    blitzY_ = g_.mitteY(i);
    const double r = g_.BlitzRadius + 1;
    dirty_ = dirty_.united(QRectF(blitzX_ - r, blitzY_ - r, 2 * r, 2 * r));
}

void MCTeilchenfeld::blitzAus() {
    if (!blitzAn_) return;
    blitzAn_ = false;
    const double r = g_.BlitzRadius + 1;
    dirty_ = dirty_.united(QRectF(blitzX_ - r, blitzY_ - r, 2 * r, 2 * r));
}

void MCTeilchenfeld::zeigen() {
    if (dirty_.isEmpty()) return;
    update(dirty_.toAlignedRect());
    dirty_ = QRectF();
}

void MCTeilchenfeld::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!bild_.isNull()) p.drawImage(QPointF(0, 0), bild_);
    if (blitzAn_) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const double r = g_.BlitzRadius;
        p.drawEllipse(QPointF(blitzX_, blitzY_), r, r);
    }
}

}  // namespace vrn
