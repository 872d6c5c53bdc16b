// Mouse pointers from cursor files (*.cur): the picture and its hot spot.
#pragma once

#include <QCursor>
#include <QString>

#include <optional>

namespace vrn {

// Reads a cursor file: the first picture of the file with the hot spot of its
// directory entry. Nothing when the file is missing, is no cursor file or its
// picture cannot be decoded.
std::optional<QCursor> loadCursorFile(const QString& path);

}  // namespace vrn
