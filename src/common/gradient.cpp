#include "common/gradient.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace klangtruhe {

void DrawGradient(QWidget *target, QPainter &painter, quint32 colour1, quint32 colour2, int direction)
{
    if (!target || !painter.isActive())
        return;
    const QRect area = target->rect();
    if (area.isEmpty())
        return;
    const QPalette &palette = target->palette();
    // Only one axis varies, like a horizontal or vertical rectangle fill.
    const QPointF end = direction == 1 ? QPointF(0, area.height()) : QPointF(area.width(), 0);
    QLinearGradient gradient(QPointF(0, 0), end);
    gradient.setColorAt(0, winColour(colour1, palette));
    gradient.setColorAt(1, winColour(colour2, palette));
    painter.fillRect(area, gradient);
}

GradientBackground::GradientBackground(QWidget *target, quint32 colour1, quint32 colour2, int direction)
    : QObject(target)
    , m_target(target)
    , m_colour1(colour1)
    , m_colour2(colour2)
    , m_direction(direction)
{
    if (m_target) {
        m_target->installEventFilter(this);
        m_target->update();
    }
}

void GradientBackground::setColours(quint32 colour1, quint32 colour2, int direction)
{
    m_colour1 = colour1;
    m_colour2 = colour2;
    m_direction = direction;
    if (m_target)
        m_target->update();
}

bool GradientBackground::eventFilter(QObject *watched, QEvent *event)
{
    // The filter runs inside the widget's paint event, before its own paintEvent.
    if (watched == m_target && event->type() == QEvent::Paint) {
        QPainter painter(m_target);
        DrawGradient(m_target, painter, m_colour1, m_colour2, m_direction);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace klangtruhe
