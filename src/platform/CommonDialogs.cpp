#include "platform/CommonDialogs.h"

#include <QColorDialog>
#include <QFontDialog>

#include <utility>

namespace vrn {

namespace {
ColourChooser gColour;
FontChooser gFont;
}  // namespace

std::optional<QColor> chooseColour(const QColor& initial, QWidget* parent) {
    if (gColour) return gColour(initial);
    QColor c = QColorDialog::getColor(initial, parent, "Farbe");
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<QFont> chooseFont(const QFont& initial, QWidget* parent) {
    if (gFont) return gFont(initial);
    bool ok = false;
    QFont f = QFontDialog::getFont(&ok, initial, parent, "Schriftart");
    if (!ok) return std::nullopt;
    return f;
}

ColourChooser setColourChooser(ColourChooser c) { return std::exchange(gColour, std::move(c)); }
FontChooser setFontChooser(FontChooser c) { return std::exchange(gFont, std::move(c)); }

QColor toQColor(int rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }
int fromQColor(const QColor& c) { return (c.red() & 0xFF) | ((c.green() & 0xFF) << 8) | ((c.blue() & 0xFF) << 16); }

}  // namespace vrn
