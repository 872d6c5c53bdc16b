#include "platform/ColourFont.h"

#include <algorithm>

#include "platform/Paths.h"
#include "platform/Twips.h"

namespace vrn {

QColor toQColor(Colour c) {
    if (c < 0) return QColor(Qt::transparent);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

Colour fromQColor(const QColor& c) {
    if (c.alpha() == 0) return kChartTransparent;
    return RGB(c.red(), c.green(), c.blue());
}

QFont chartFont(const ChartFont& f) {
    QFont q(toQ(f.name));
    const double dpi = 1440.0 / twipsPerPixelY();
    q.setPixelSize(std::max(1, static_cast<int>(f.size * dpi / 72.0 + 0.5)));
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikeout);
    return q;
}

ChartFont chartFontOf(const QFont& q) {
    ChartFont f;
    f.name = toStd(q.family());
    if (q.pointSizeF() > 0) f.size = q.pointSizeF();
    else if (q.pixelSize() > 0) f.size = q.pixelSize() * 72.0 * twipsPerPixelY() / 1440.0;
    f.bold = q.bold();
    f.italic = q.italic();
    f.underline = q.underline();
    f.strikeout = q.strikeOut();
    return f;
}

}  // namespace vrn
