// Printer output. The GUI asks with the print dialog which printer to use;
// tests direct every print job into a PDF file instead.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>

class QPaintDevice;
class QPrinter;
class QWidget;

namespace vrn {

// The printer for the next job: the PDF file set for tests, else the one the
// user chooses in the print dialog. nullptr when the user cancelled.
std::unique_ptr<QPrinter> choosePrinter(QWidget* parent = nullptr);

// Prints a text as it stands (line breaks kept) in the given font, pages as
// needed. Returns false when cancelled or when printing failed.
bool printText(const QString& text, const QFont& font, QWidget* parent = nullptr);

// The lines of a text as printed: a Tab moves to the next multiple of 8 columns.
QStringList printLines(const QString& text);
// The font the lines are printed in on a page pageWidth pixels wide of the
// device: the given one, made smaller (to no less than 4 pt) where the
// longest line would run beyond the page.
QFont printFont(const QStringList& lines, const QFont& font, QPaintDevice* device, int pageWidth);

// Directs every print job into this PDF file (empty = the real printer).
void setPrintToPdfFile(const QString& path);

}  // namespace vrn
