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

}  // namespace vrn
