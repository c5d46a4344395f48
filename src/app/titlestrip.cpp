#include "app/titlestrip.h"

#include "common/gradient.h"

#include <QPainter>

namespace klangtruhe {

TitleStrip::TitleStrip(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("lblGradiant_0"));
    setContentsMargins(12, 0, 12, 0);
    setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    QFont strong = font();
    strong.setPointSizeF(strong.pointSizeF() * 1.25);
    strong.setBold(true);
    setFont(strong);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, winColour(0x352300));
    setPalette(colours);
}

void TitleStrip::showEntry(const QString &band, const QString &title)
{
    if (band.isEmpty() && title.isEmpty())
        setText(QString());
    else if (title.isEmpty() || band.isEmpty())
        setText(band + title);
    else
        setText(band + QStringLiteral(" – ") + title);
}

void TitleStrip::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        DrawGradient(this, painter, 0xDEC9AD, 0xF4EAE3, 0);
    }
    QLabel::paintEvent(event);
}

} // namespace klangtruhe
