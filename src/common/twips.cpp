#include "common/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace klangtruhe {

namespace {
double dpiX()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}
double dpiY()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}
} // namespace

double twipsPerPixelX() { return 1440.0 / dpiX(); }
double twipsPerPixelY() { return 1440.0 / dpiY(); }

int twipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixelX())); }
int twipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixelY())); }
double pixelsToTwipsX(int pixels) { return pixels * twipsPerPixelX(); }
double pixelsToTwipsY(int pixels) { return pixels * twipsPerPixelY(); }

QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width), twipsToPixelsY(height));
}

QSize twipsSize(double width, double height) { return QSize(twipsToPixelsX(width), twipsToPixelsY(height)); }

QPoint twipsPoint(double left, double top) { return QPoint(twipsToPixelsX(left), twipsToPixelsY(top)); }

} // namespace klangtruhe
