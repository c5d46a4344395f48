#include "texts/textbarbutton.h"

#include "common/twips.h"

#include <QPainter>

namespace klangtruhe {

namespace {

constexpr int kPressOffsetTwips = 20;
constexpr int kPicturePixels = 16;

} // namespace

TextBarButton::TextBarButton(const QString &name, const QString &toolTip, const QIcon &picture, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(name);
    setToolTip(toolTip);
    setIcon(picture);
    setIconSize(QSize(kPicturePixels, kPicturePixels));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize TextBarButton::sizeHint() const
{
    const int offset = std::max(1, twipsToPixelsX(kPressOffsetTwips));
    return iconSize() + QSize(offset + 2, offset + 2);
}

QRect TextBarButton::pictureRect() const
{
    QRect picture(QPoint(1, 1), iconSize());
    if (isDown())
        picture.translate(std::max(1, twipsToPixelsX(kPressOffsetTwips)), std::max(1, twipsToPixelsY(kPressOffsetTwips)));
    return picture;
}

void TextBarButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_hovered && isEnabled()) {
        painter.setPen(QColor(0xAD, 0xC9, 0xDE));
        painter.setBrush(QColor(0xE3, 0xEA, 0xF4));
        painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), 2, 2);
    }
    icon().paint(&painter, pictureRect(), Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void TextBarButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TextBarButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace klangtruhe
