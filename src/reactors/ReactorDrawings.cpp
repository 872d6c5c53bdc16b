#include "reactors/ReactorDrawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <initializer_list>

#include "platform/ColourFont.h"
#include "reactors/ReactorRules.h"

namespace vrn {

namespace {

const QColor kFeed(255, 255, 0);
const QColor kTubeGrey(192, 192, 192);

QPen pen(double width) {
    QPen p(Qt::black);
    p.setWidthF(width);
    p.setCosmetic(true);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

void lines(QPainter& p, double width, std::initializer_list<QLineF> ls) {
    p.setPen(pen(width));
    for (const QLineF& l : ls) p.drawLine(l);
}

// Fills a region without an outline of its own.
void fill(QPainter& p, const QPolygonF& region, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(region);
    p.setBrush(Qt::NoBrush);
}

QColor mixture(double x) { return toQColor(conversionColour(x)); }

// A nozzle pointing down: shaft 140 wide and 200 long from the top y, then a
// head 280 wide and 250 long ending in its tip.
QPolygonF nozzle(double cx, double top) {
    return QPolygonF({{cx - 70, top}, {cx + 70, top}, {cx + 70, top + 200}, {cx + 140, top + 200},
                      {cx, top + 450}, {cx - 140, top + 200}, {cx - 70, top + 200}});
}

void fillAndOutline(QPainter& p, const QPolygonF& region, const QColor& colour, double width) {
    fill(p, region, colour);
    p.setPen(pen(width));
    p.drawPolygon(region);
}

}  // namespace

void zeichneBatchReaktor(QPainter& p, double x) {
    fill(p, QPolygonF({{500, 2500}, {1900, 2500}, {1900, 3000}, {1200, 3500}, {500, 3000}}), mixture(x));
    lines(p, 2,
          {{1200, 3500, 500, 3000}, {500, 3000, 500, 2000}, {500, 2500, 1900, 2500}, {1900, 2000, 1900, 3000},
           {1900, 3000, 1200, 3500}});
    lines(p, 3, {{1200, 3500, 1200, 3750}});
    // Drain valve.
    p.setPen(pen(2));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(1200, 3625), 70, 70);
    p.setBrush(Qt::NoBrush);
    lines(p, 2, {{1080, 3625, 1320, 3625}});
    // Feed funnel above the vessel.
    const double y0 = 2100;
    fill(p, QPolygonF({{640, y0}, {1760, y0}, {1200, y0 + 200}}), kFeed);
    lines(p, 1,
          {{640, y0, 1760, y0}, {1760, y0, 1200, y0 + 200}, {1200, y0 + 200, 640, y0}, {640, y0, 640, y0 - 300},
           {1760, y0, 1760, y0 - 300}});
}

void zeichneRohrreaktor(QPainter& p, double x, bool ohneErgebnis, const QColor& leer) {
    // Three legs 100 wide from y 2600 to 3600, joined by a bend below legs 1
    // and 2 (radii 300 and 200 around (800, 3600)) and one above legs 2 and 3
    // (around (1300, 2600)).
    auto circle = [](double cx, double cy, double r) { return QRectF(cx - r, cy - r, 2 * r, 2 * r); };
    QPainterPath body;
    body.moveTo(500, 2600);
    body.lineTo(500, 3600);
    body.arcTo(circle(800, 3600, 300), 180, 180);
    body.lineTo(1100, 2600);
    body.arcTo(circle(1300, 2600, 200), 180, -180);
    body.lineTo(1500, 3600);
    body.lineTo(1600, 3600);
    body.lineTo(1600, 2600);
    body.arcTo(circle(1300, 2600, 300), 0, 180);
    body.lineTo(1000, 3600);
    body.arcTo(circle(800, 3600, 200), 0, -180);
    body.lineTo(600, 2600);
    body.closeSubpath();
    p.setPen(pen(2));
    p.setBrush(kTubeGrey);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);

    fillAndOutline(p, nozzle(550, 2100), kFeed, 1);
    fillAndOutline(p, nozzle(1550, 3650), ohneErgebnis ? leer : mixture(x), 1);
}

void zeichneRuehrkessel(QPainter& p, double x) {
    const QPolygonF inlet({{550, 2500}, {550, 2300}, {690, 2300}, {690, 2500}, {760, 2500}, {620, 2750}, {480, 2500}});
    const QPolygonF outlet(
        {{940, 4450}, {940, 4250}, {1080, 4250}, {1080, 4450}, {1150, 4450}, {1010, 4700}, {870, 4450}});
    fill(p,
         QPolygonF({{320, 2950}, {1720, 2950}, {1720, 3700}, {1090, 4000}, {1090, 4200}, {950, 4200}, {950, 4000},
                    {320, 3700}}),
         mixture(x));
    fill(p, inlet, kFeed);
    fill(p, outlet, mixture(x));

    lines(p, 3, {{1020, 3500, 1020, 2100}});
    lines(p, 2, {{320, 2400, 1720, 2400}, {950, 4000, 320, 3700}, {320, 3700, 320, 2700}});
    lines(p, 1, {{320, 2950, 1720, 2950}});
    lines(p, 2,
          {{1720, 2700, 1720, 3700}, {1720, 3700, 1090, 4000}, {1090, 4000, 1090, 4200}, {950, 4200, 950, 4000},
           {950, 4200, 1090, 4200}, {320, 3700, 320, 2400}, {1720, 2400, 1720, 3700}});
    lines(p, 2, {{1020, 3500, 1020, 2650}});
    p.setPen(pen(1));
    p.drawPolygon(inlet);
    p.drawPolygon(outlet);
}

void zeichneRuehrerBlaetter(QPainter& p, double f) {
    const double w = 700 * f;
    lines(p, 1,
          {{1020 - w, 3300, 1020 + w, 3500}, {1020 + w, 3500, 1020 + w, 3300}, {1020 + w, 3300, 1020 - w, 3500},
           {1020 - w, 3500, 1020 - w, 3300}});
}

}  // namespace vrn
