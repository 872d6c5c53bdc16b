#include "platform/PrinterOutput.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

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

bool printText(const QString& text, const QFont& font, QWidget* parent) {
    auto printer = choosePrinter(parent);
    if (!printer) return false;
    QPainter p;
    if (!p.begin(printer.get())) return false;
    p.setFont(font);
    const QFontMetrics fm(p.font(), printer.get());
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    const int lineHeight = fm.lineSpacing();
    int y = fm.ascent();
    QString all = text;
    all.replace("\r\n", "\n");
    const QStringList lines = all.split('\n');
    for (const QString& line : lines) {
        if (y > page.height() - fm.descent()) {
            if (!printer->newPage()) {
                p.end();
                return false;
            }
            y = fm.ascent();
        }
        // A Tab moves to the next print zone of 14 columns.
        QString expanded;
        for (QChar ch : line) {
            if (ch == '\t') {
                do expanded += ' ';
                while (expanded.size() % 14 != 0);
            } else {
                expanded += ch;
            }
        }
        p.drawText(0, y, expanded);
        y += lineHeight;
    }
    return p.end();
}

}  // namespace vrn
