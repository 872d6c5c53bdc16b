// The colour and font boxes. Tests replace the choosers to answer without a
// dialog; a cancelled box returns nothing and changes nothing.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

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

// The save and open boxes. The save box asks before overwriting; the chosen
// file's folder becomes the current folder. Empty result = cancelled.
struct FileBoxRequest {
    QString title;
    QString folder;         // initial folder
    QString fileName;       // proposed name
    QString filter;         // Qt filter text, e.g. "Text (*.TXT)"
    QString defaultSuffix;  // without the dot, e.g. "TXT"
};
QString chooseSaveFile(const FileBoxRequest& request, QWidget* parent = nullptr);
QString chooseOpenFile(const FileBoxRequest& request, QWidget* parent = nullptr);

using FileChooser = std::function<QString(const FileBoxRequest&)>;
FileChooser setSaveFileChooser(FileChooser c);
FileChooser setOpenFileChooser(FileChooser c);

// The program's colours (RGB with blue in the high byte) and Qt's.
QColor toQColor(int rgb);
int fromQColor(const QColor& c);

}  // namespace vrn
