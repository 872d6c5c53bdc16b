#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace vrn {

namespace {
double dpiX() {
    QScreen* s = QGuiApplication::primaryScreen();
    double d = s ? s->logicalDotsPerInchX() : 96.0;
    return d > 0 ? d : 96.0;
}
double dpiY() {
    QScreen* s = QGuiApplication::primaryScreen();
    double d = s ? s->logicalDotsPerInchY() : 96.0;
    return d > 0 ? d : 96.0;
}
}  // namespace

double twipsPerPixelX() { return 1440.0 / dpiX(); }
double twipsPerPixelY() { return 1440.0 / dpiY(); }
int twipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixelX())); }
int twipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixelY())); }
int pixelsToTwipsX(double pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixelX())); }
int pixelsToTwipsY(double pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixelY())); }

int screenWidthTwips() {
    QScreen* s = QGuiApplication::primaryScreen();
    return pixelsToTwipsX(s ? s->geometry().width() : 1024);
}
int screenHeightTwips() {
    QScreen* s = QGuiApplication::primaryScreen();
    return pixelsToTwipsY(s ? s->geometry().height() : 768);
}

}  // namespace vrn
