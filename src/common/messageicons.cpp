#include "common/messageicons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace klangtruhe {

namespace {

// A round badge with a soft top light, the shared shape of three icons.
void drawDisc(QPainter &p, const QRectF &box, const QColor &light, const QColor &dark)
{
    QRadialGradient fill(box.center() - QPointF(box.width() * 0.15, box.height() * 0.2), box.width() * 0.7);
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(130), box.width() * 0.03));
    p.setBrush(fill);
    p.drawEllipse(box);
}

void drawInformation(QPainter &p, const QRectF &box)
{
    drawDisc(p, box, QColor(110, 170, 240), QColor(25, 90, 185));
    const qreal s = box.width();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(box.center().x(), box.top() + s * 0.27), s * 0.075, s * 0.075);
    p.drawRoundedRect(QRectF(box.center().x() - s * 0.065, box.top() + s * 0.41, s * 0.13, s * 0.38), s * 0.04,
                      s * 0.04);
}

void drawQuestion(QPainter &p, const QRectF &box)
{
    drawDisc(p, box, QColor(120, 200, 150), QColor(30, 125, 80));
    const qreal s = box.width();
    QPainterPath hook;
    hook.moveTo(box.left() + s * 0.34, box.top() + s * 0.38);
    hook.cubicTo(box.left() + s * 0.34, box.top() + s * 0.18, box.left() + s * 0.68, box.top() + s * 0.16,
                 box.left() + s * 0.66, box.top() + s * 0.37);
    hook.cubicTo(box.left() + s * 0.65, box.top() + s * 0.49, box.left() + s * 0.5, box.top() + s * 0.5,
                 box.left() + s * 0.5, box.top() + s * 0.62);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(box.left() + s * 0.5, box.top() + s * 0.79), s * 0.07, s * 0.07);
}

void drawExclamation(QPainter &p, const QRectF &box)
{
    const qreal s = box.width();
    QPainterPath triangle;
    triangle.moveTo(box.center().x(), box.top() + s * 0.06);
    triangle.lineTo(box.right() - s * 0.03, box.bottom() - s * 0.08);
    triangle.lineTo(box.left() + s * 0.03, box.bottom() - s * 0.08);
    triangle.closeSubpath();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(255, 225, 90));
    fill.setColorAt(1, QColor(240, 170, 20));
    p.setPen(QPen(QColor(170, 110, 0), s * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 40, 20));
    p.drawRoundedRect(QRectF(box.center().x() - s * 0.055, box.top() + s * 0.32, s * 0.11, s * 0.34), s * 0.04,
                      s * 0.04);
    p.drawEllipse(QPointF(box.center().x(), box.top() + s * 0.77), s * 0.065, s * 0.065);
}

void drawStop(QPainter &p, const QRectF &box)
{
    drawDisc(p, box, QColor(245, 110, 100), QColor(180, 25, 25));
    const qreal s = box.width();
    const qreal a = s * 0.32;
    const qreal b = s * 0.68;
    p.setPen(QPen(Qt::white, s * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left() + a, box.top() + a), QPointF(box.left() + b, box.top() + b));
    p.drawLine(QPointF(box.left() + b, box.top() + a), QPointF(box.left() + a, box.top() + b));
}

} // namespace

QPixmap messageIcon(int icon, int sizePixels, qreal devicePixelRatio)
{
    if (icon < 1 || icon > 4 || sizePixels <= 0)
        return QPixmap();
    const int device = qRound(sizePixels * devicePixelRatio);
    QPixmap pixmap(device, device);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = sizePixels * 0.04;
    const QRectF box(margin, margin, sizePixels - 2 * margin, sizePixels - 2 * margin);
    switch (icon) {
    case 1: drawInformation(painter, box); break;
    case 2: drawQuestion(painter, box); break;
    case 3: drawExclamation(painter, box); break;
    default: drawStop(painter, box); break;
    }
    return pixmap;
}

} // namespace klangtruhe
