#include "platform/ChartStyle.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "platform/Paths.h"
#include "platform/Twips.h"

namespace vrn {

QPen chartLinePen(int pattern, Colour colour, int width) {
    QPen pen(toQColor(colour), std::max(1, width));
    pen.setCapStyle(Qt::FlatCap);
    switch (pattern) {
        case 2: pen.setStyle(Qt::SolidLine); break;
        case 3: pen.setDashPattern({8, 4}); break;
        case 4: pen.setStyle(Qt::DotLine); break;
        case 5: pen.setDashPattern({4, 3}); break;
        case 6: pen.setDashPattern({10, 3, 4, 3}); break;
        case 7: pen.setStyle(Qt::DashDotLine); break;
        default: pen.setStyle(Qt::NoPen); break;
    }
    return pen;
}

QCPScatterStyle chartScatter(const ChartSeriesStyle& style) {
    const QColor c = toQColor(style.symbolColour);
    const double size = std::max(1, style.symbolSize);
    const QPen pen(c, 1.5);
    const QBrush fill(c);
    switch (style.symbolShape) {
        case 2: return QCPScatterStyle(QCPScatterStyle::ssDisc, c, c, size);
        case 3: return QCPScatterStyle(QCPScatterStyle::ssSquare, pen, fill, size);
        case 4: return QCPScatterStyle(QCPScatterStyle::ssTriangle, pen, fill, size);
        case 5: return QCPScatterStyle(QCPScatterStyle::ssDiamond, pen, fill, size);
        case 6: return QCPScatterStyle(QCPScatterStyle::ssStar, pen, Qt::NoBrush, size);
        case 7:
        case 8: {
            // A custom path is drawn scaled by size / 6.
            QPainterPath path;
            if (style.symbolShape == 7) {
                path.moveTo(0, -3);
                path.lineTo(0, 3);
            } else {
                path.moveTo(-3, 0);
                path.lineTo(3, 0);
            }
            // Keep the stroke 1.5 pixels wide after that scaling.
            return QCPScatterStyle(path, QPen(c, 1.5 * 6.0 / size), Qt::NoBrush, size);
        }
        case 9: return QCPScatterStyle(QCPScatterStyle::ssCross, pen, Qt::NoBrush, size);
        case 10: return QCPScatterStyle(QCPScatterStyle::ssCircle, pen, Qt::NoBrush, size);
        case 11: return QCPScatterStyle(QCPScatterStyle::ssSquare, pen, Qt::NoBrush, size);
        default: return QCPScatterStyle(QCPScatterStyle::ssNone);
    }
}

int chartBorderExtent(int type, int width) {
    switch (type) {
        case 0: return 0;
        case 3: return width + 1;
        case 9: return 2 * width + 1;
        default: return width;
    }
}

namespace {

// Light top and left edges, dark bottom and right ones (or the other way round).
void bevel(QPainter* p, const QRect& r, int width, bool raised) {
    const QColor light(255, 255, 255), dark(128, 128, 128);
    for (int k = 0; k < width; ++k) {
        const QRect b = r.adjusted(k, k, -k, -k);
        p->setPen(QPen(raised ? light : dark, 1));
        p->drawLine(b.topLeft(), b.topRight());
        p->drawLine(b.topLeft(), b.bottomLeft());
        p->setPen(QPen(raised ? dark : light, 1));
        p->drawLine(b.bottomLeft(), b.bottomRight());
        p->drawLine(b.topRight(), b.bottomRight());
    }
}

void plain(QPainter* p, const QRect& r, int width, const QColor& colour) {
    p->setPen(Qt::NoPen);
    p->setBrush(colour);
    const int w = std::max(1, width);
    p->drawRect(QRect(r.left(), r.top(), r.width(), w));
    p->drawRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w));
    p->drawRect(QRect(r.left(), r.top(), w, r.height()));
    p->drawRect(QRect(r.right() - w + 1, r.top(), w, r.height()));
    p->setBrush(Qt::NoBrush);
}

}  // namespace

void drawChartBorder(QPainter* p, const QRect& box, int type, int width, const QColor& colour) {
    if (type == 0 || box.width() < 2 || box.height() < 2) return;
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    const int w = std::max(1, width);
    switch (type) {
        case 1:
        case 8: bevel(p, box, w, true); break;
        case 2:
        case 7: bevel(p, box, w, false); break;
        case 3:
            plain(p, box.adjusted(0, 0, -w, -w), 1, colour);
            plain(p, QRect(box.left() + w, box.bottom() - w + 1, box.width() - w, w), w, QColor(128, 128, 128));
            plain(p, QRect(box.right() - w + 1, box.top() + w, w, box.height() - w), w, QColor(128, 128, 128));
            break;
        case 5:
            bevel(p, box, 1, false);
            bevel(p, box.adjusted(1, 1, -1, -1), std::max(1, w - 1), true);
            break;
        case 6:
            bevel(p, box, 1, true);
            bevel(p, box.adjusted(1, 1, -1, -1), std::max(1, w - 1), false);
            break;
        case 9:
            plain(p, box, w, colour);
            plain(p, box.adjusted(w + 1, w + 1, -w - 1, -w - 1), w, colour);
            break;
        default: plain(p, box, w, colour); break;
    }
    p->restore();
}

QStringList chartTextLines(const std::string& text) {
    QString t = toQ(text);
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    return t.split('\n');
}

}  // namespace vrn
