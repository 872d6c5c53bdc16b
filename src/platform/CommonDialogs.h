// The colour and font boxes. Tests replace the choosers to answer without a
// dialog; a cancelled box returns nothing and changes nothing.
#pragma once

#include <QColor>
#include <QFont>

#include <functional>
#include <optional>

class QWidget;

namespace vrn {

// Opens the colour box starting from the given colour.
std::optional<QColor> chooseColour(const QColor& initial, QWidget* parent = nullptr);
// Opens the font box starting from the given font.
std::optional<QFont> chooseFont(const QFont& initial, QWidget* parent = nullptr);

using ColourChooser = std::function<std::optional<QColor>(const QColor&)>;
using FontChooser = std::function<std::optional<QFont>(const QFont&)>;
ColourChooser setColourChooser(ColourChooser c);
FontChooser setFontChooser(FontChooser c);

}  // namespace vrn
