#include "platform/ChartOutput.h"

#include <QBuffer>
#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <qcustomplot.h>

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

bool writePdf(const ChartRenderer& render, QSize size, const QString& path) {
    QPdfWriter pdf(path);
    pdf.setResolution(96);
    pdf.setCreator("VARNOLT");
    pdf.setTitle("VARNOLT-Diagramm");
    const QSizeF points(size.width() * 72.0 / 96.0, size.height() * 72.0 / 96.0);
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QCPPainter painter;
    if (!painter.begin(&pdf)) return false;
    render(&painter, size);
    return painter.end();
}

}  // namespace

bool saveChartPicture(const ChartRenderer& render, QSize size, const QString& path, ChartPicture format) {
    switch (format) {
        case ChartPicture::Bmp: {
            const QImage image = renderChartImage(render, size);
            return !image.isNull() && image.save(path, "BMP");
        }
        case ChartPicture::Png: {
            const QImage image = renderChartImage(render, size);
            return !image.isNull() && image.save(path, "PNG");
        }
        case ChartPicture::Svg: {
            const QByteArray svg = renderChartSvg(render, size);
            if (svg.isEmpty()) return false;
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
            const bool ok = f.write(svg) == svg.size();
            return f.flush() && ok;
        }
        case ChartPicture::Pdf: {
            const bool ok = writePdf(render, size, path);
            return ok && QFile::exists(path) && QFile(path).size() > 0;
        }
    }
    return false;
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
