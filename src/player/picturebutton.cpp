#include "player/picturebutton.h"

#include "common/twips.h"

#include <QFile>
#include <QHash>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace klangtruhe {

namespace {

// Simple shapes until the drawn set arrives; the picture shows the action.
QPixmap drawnIcon(const QString &name, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(0x35, 0x23, 0x00), 1.2));
    p.setBrush(QColor(0xE3, 0xEA, 0xF4));
    p.drawRoundedRect(QRectF(1, 1, s - 2, s - 2), s * 0.18, s * 0.18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x40, 0x70));
    const auto triangle = [&](qreal x, qreal w, bool right) {
        QPainterPath path;
        if (right) {
            path.moveTo(x, s * 0.28);
            path.lineTo(x + w, s * 0.5);
            path.lineTo(x, s * 0.72);
        } else {
            path.moveTo(x + w, s * 0.28);
            path.lineTo(x, s * 0.5);
            path.lineTo(x + w, s * 0.72);
        }
        path.closeSubpath();
        p.drawPath(path);
    };
    if (name == QLatin1String("imgStart") || name == QLatin1String("imgPause_1")) {
        triangle(s * 0.34, s * 0.38, true);
    } else if (name == QLatin1String("imgStop")) {
        p.drawRect(QRectF(s * 0.3, s * 0.3, s * 0.4, s * 0.4));
    } else if (name == QLatin1String("imgPause_0")) {
        p.drawRect(QRectF(s * 0.3, s * 0.28, s * 0.13, s * 0.44));
        p.drawRect(QRectF(s * 0.57, s * 0.28, s * 0.13, s * 0.44));
    } else if (name == QLatin1String("imgResume")) {
        p.drawRect(QRectF(s * 0.26, s * 0.28, s * 0.1, s * 0.44));
        triangle(s * 0.42, s * 0.34, true);
    } else if (name == QLatin1String("imgVorBack_0")) {
        triangle(s * 0.2, s * 0.3, false);
        triangle(s * 0.48, s * 0.3, false);
    } else if (name == QLatin1String("imgVorBack_1")) {
        triangle(s * 0.22, s * 0.3, true);
        triangle(s * 0.5, s * 0.3, true);
    }
    return pixmap;
}

} // namespace

namespace {
// The program's SVG picture for a picture button, by the button's name.
QString svgNameOf(const QString &control)
{
    static const QHash<QString, QString> pictures = {
        {QStringLiteral("imgStart"), QStringLiteral("play")},
        {QStringLiteral("imgStop"), QStringLiteral("stop")},
        {QStringLiteral("imgPause_0"), QStringLiteral("pause")},
        {QStringLiteral("imgPause_1"), QStringLiteral("pause-aktiv")},
        {QStringLiteral("imgResume"), QStringLiteral("weiter")},
        {QStringLiteral("imgVorBack_0"), QStringLiteral("zurueck")},
        {QStringLiteral("imgVorBack_1"), QStringLiteral("vor")},
        {QStringLiteral("imgLiedzufall"), QStringLiteral("zufall")},
        {QStringLiteral("imgPosAB_0"), QStringLiteral("ab-0")},
        {QStringLiteral("imgPosAB_1"), QStringLiteral("ab-1")},
        {QStringLiteral("imgPosAB_2"), QStringLiteral("ab-2")},
    };
    return pictures.value(control, control);
}
} // namespace

QPixmap transportIcon(const QString &name, int size)
{
    // The drawn SVG set takes precedence over the simple painted pictures.
    const QString svg = QStringLiteral(":/icons/") + svgNameOf(name) + QStringLiteral(".svg");
    if (QFile::exists(svg))
        return QIcon(svg).pixmap(size, size);
    return drawnIcon(name, size);
}

PictureButton::PictureButton(const QString &name, const QString &tip, QWidget *parent)
    : PictureButton(name, tip, transportIcon(name, twipsToPixelsY(420)), parent)
{
}

PictureButton::PictureButton(const QString &name, const QString &tip, const QPixmap &picture, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    setToolTip(tip);
    setFixedSize(picture.deviceIndependentSize().toSize());
    setPixmap(picture);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !m_pressed) {
        m_pressed = true;
        m_restPosition = pos();
        move(pos() + twipsPoint(10, 10));
    }
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        event->accept();
        return;
    }
    m_pressed = false;
    move(m_restPosition);
    emit released();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A second quick click is a click of its own.
    mousePressEvent(event);
}

} // namespace klangtruhe
