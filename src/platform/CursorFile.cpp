#include "platform/CursorFile.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace vrn {

namespace {

unsigned le16(const QByteArray& b, int at) {
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned>(static_cast<unsigned char>(b[at + 1])) << 8);
}

}  // namespace

std::optional<QCursor> loadCursorFile(const QString& path) {
    QFile f(path);
    // A cursor file is small; anything beyond 1 MB is not one.
    if (!f.open(QIODevice::ReadOnly) || f.size() > (1 << 20)) return std::nullopt;
    const QByteArray bytes = f.readAll();
    // Header: reserved 0, type 2 (cursor), at least one picture; the first
    // directory entry (at byte 6) holds the hot spot at bytes 4..7.
    if (bytes.size() < 22 || le16(bytes, 0) != 0 || le16(bytes, 2) != 2 || le16(bytes, 4) < 1) return std::nullopt;
    const int hotX = static_cast<int>(le16(bytes, 10));
    const int hotY = static_cast<int>(le16(bytes, 12));
    QImage image;
    if (!image.loadFromData(bytes, "CUR") || image.isNull()) return std::nullopt;
    if (hotX >= image.width() || hotY >= image.height()) return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

}  // namespace vrn
