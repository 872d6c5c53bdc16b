#include "platform/PrinterOutput.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

namespace vrn {

namespace {
QString gPdfFile;
}

void setPrintToPdfFile(const QString& path) { gPdfFile = path; }

std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!gPdfFile.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(gPdfFile);
        return printer;
    }
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle("Drucken");
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

QStringList printLines(const QString& text) {
    QString all = text;
    all.replace("\r\n", "\n");
    QStringList lines = all.split('\n');
    for (QString& line : lines) {
        if (!line.contains('\t')) continue;
        QString expanded;
        for (QChar ch : line) {
            if (ch == '\t') {
                do expanded += ' ';
                while (expanded.size() % 8 != 0);
            } else {
                expanded += ch;
            }
        }
        line = expanded;
    }
    return lines;
}

QFont printFont(const QStringList& lines, const QFont& font, QPaintDevice* device, int pageWidth) {
    QFont f = font;
    for (double size = font.pointSizeF(); size >= 4; size -= 0.5) {
        f.setPointSizeF(size);
        const QFontMetrics fm(f, device);
        int widest = 0;
        for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
        if (widest <= pageWidth) break;
    }
    return f;
}

bool printText(const QString& text, const QFont& font, QWidget* parent) {
    auto printer = choosePrinter(parent);
    if (!printer) return false;
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    const QStringList lines = printLines(text);
    QPainter p;
    if (!p.begin(printer.get())) return false;
    // Tabs are expanded to stops of 8 columns (zones of 14 put the last
    // columns of a value table beyond an A4 page), and a text still wider
    // than the page is printed smaller, so that every column is on it.
    p.setFont(printFont(lines, font, printer.get(), page.width()));
    const QFontMetrics fm(p.font(), printer.get());
    const int lineHeight = fm.lineSpacing();
    int y = fm.ascent();
    for (const QString& line : lines) {
        if (y > page.height() - fm.descent()) {
            if (!printer->newPage()) {
                p.end();
                return false;
            }
            y = fm.ascent();
        }
        p.drawText(0, y, line);
        y += lineHeight;
    }
    return p.end();
}

}  // namespace vrn
