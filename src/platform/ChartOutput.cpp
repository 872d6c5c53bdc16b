#include "platform/ChartOutput.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <qcustomplot.h>

#include "base/SafeSave.h"
#include "platform/ChartControl.h"

namespace vrn {

QImage renderChartImage(const ChartRenderer& render, QSize size) {
    if (size.isEmpty()) return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QCPPainter painter;
    if (!painter.begin(&image)) return QImage();
    render(&painter, size);
    painter.end();
    return image;
}

QByteArray renderChartSvg(const ChartRenderer& render, QSize size) {
    if (size.isEmpty()) return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle("VARNOLT-Diagramm");
    QCPPainter painter;
    if (!painter.begin(&svg)) return QByteArray();
    render(&painter, size);
    if (!painter.end()) return QByteArray();
    return bytes;
}

namespace {

// The chart as a PDF of one page of its size; empty on failure.
QByteArray renderChartPdf(const ChartRenderer& render, QSize size) {
    if (size.isEmpty()) return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(96);
        pdf.setCreator("VARNOLT");
        pdf.setTitle("VARNOLT-Diagramm");
        const QSizeF points(size.width() * 72.0 / 96.0, size.height() * 72.0 / 96.0);
        pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QCPPainter painter;
        if (!painter.begin(&pdf)) return QByteArray();
        render(&painter, size);
        if (!painter.end()) return QByteArray();
    }  // the writer finishes the file when it goes
    return bytes;
}

QByteArray bitmapBytes(const ChartRenderer& render, QSize size, const char* format) {
    const QImage image = renderChartImage(render, size);
    if (image.isNull()) return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, format) ? bytes : QByteArray();
}

}  // namespace

bool saveChartPicture(const ChartRenderer& render, QSize size, const QString& path, ChartPicture format,
                      QString* error) {
    // The whole picture is made in memory first; only a complete one goes to disk.
    QByteArray bytes;
    switch (format) {
        case ChartPicture::Bmp: bytes = bitmapBytes(render, size, "BMP"); break;
        case ChartPicture::Png: bytes = bitmapBytes(render, size, "PNG"); break;
        case ChartPicture::Svg: bytes = renderChartSvg(render, size); break;
        case ChartPicture::Pdf: bytes = renderChartPdf(render, size); break;
    }
    if (bytes.isEmpty()) {
        if (error) *error = "Das Bild lässt sich in diesem Format nicht erzeugen.";
        return false;
    }
    std::string why;
    if (!saveFileSafely(path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        why)) {
        if (error) *error = QString::fromStdString(why);
        return false;
    }
    return true;
}

bool printChart(const ChartRenderer& render, QSize size, QPrinter& printer, int scaling, const QRect& box) {
    if (size.isEmpty()) return false;
    const double aspect = static_cast<double>(size.height()) / size.width();
    QRectF target;
    switch (scaling) {
        case kPrintGivenWidth:
            if (box.width() <= 0) return false;
            target = QRectF(box.left(), box.top(), box.width(), box.width() * aspect);
            break;
        case kPrintGivenHeight:
            if (box.height() <= 0) return false;
            target = QRectF(box.left(), box.top(), box.height() / aspect, box.height());
            break;
        case kPrintFullPage: {
            const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
            if (page.isEmpty()) return false;
            const double s = std::min(page.width() / size.width(), page.height() / size.height());
            target = QRectF(0, 0, size.width() * s, size.height() * s);
            break;
        }
        default: return false;
    }
    QCPPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    render(&painter, size);
    return painter.end();
}

}  // namespace vrn
