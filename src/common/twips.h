#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Stored geometry and design positions are twips (1/1440 inch); widgets are
// placed in device-independent pixels. 15 twips make one pixel at 96 dpi; the
// screen's logical dpi scales that.
namespace klangtruhe {

double twipsPerPixelX();
double twipsPerPixelY();

int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
double pixelsToTwipsX(int pixels);
double pixelsToTwipsY(int pixels);

QRect twipsRect(double left, double top, double width, double height);
QSize twipsSize(double width, double height);
QPoint twipsPoint(double left, double top);

} // namespace klangtruhe
