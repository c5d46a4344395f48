#include "common/stars.h"

#include "common/numbers.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace klangtruhe {

QPixmap starPicture(bool gold, int pixels, qreal ratio)
{
    QPixmap picture(QSize(pixels, pixels) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    const QPointF centre(pixels / 2.0, pixels / 2.0 + pixels / 22.0);
    const double outer = pixels / 2.0 - 1.0;
    const double inner = outer * 0.45;
    for (int i = 0; i < 10; ++i) {
        const double angle = qDegreesToRadians(-90.0 + i * 36.0);
        const double radius = i % 2 == 0 ? outer : inner;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    QLinearGradient fill(0, 0, 0, pixels);
    fill.setColorAt(0, gold ? QColor(255, 230, 110) : QColor(225, 225, 225));
    fill.setColorAt(1, gold ? QColor(230, 160, 0) : QColor(160, 160, 160));
    painter.setPen(QPen(gold ? QColor(160, 100, 0) : QColor(120, 120, 120), 1.0));
    painter.setBrush(fill);
    painter.drawPath(star);
    return picture;
}

int entryStars(const QString &bewertung)
{
    if (bewertung.isEmpty())
        return 0;
    const double number = leadingNumber(bewertung);
    if (number < 0 || number >= 7)
        return 0;
    const long long stars = roundHalfEven(number);
    return stars > 6 ? 6 : static_cast<int>(stars); // 6.5 .. 7 rounds to 7; there are six stars
}

} // namespace klangtruhe
