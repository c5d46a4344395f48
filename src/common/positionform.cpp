#include "common/positionform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace klangtruhe {

QPoint placeDialog(const QRect &workArea, const QRect &reference, const QSize &dialog, const QString &position,
                   int gap)
{
    const QString word = position.toLower();
    // Integer division truncates toward zero, as the placement always did.
    const int centreX = reference.x() + (reference.width() - dialog.width()) / 2;
    const int centreY = reference.y() + (reference.height() - dialog.height()) / 2;

    int x = centreX;
    int y = centreY;
    if (word == QLatin1String("right")) {
        x = reference.x() + reference.width() + gap;
    } else if (word == QLatin1String("left")) {
        x = reference.x() - dialog.width() - gap;
    } else if (word == QLatin1String("below")) {
        y = reference.y() + reference.height() + gap;
    } else if (word == QLatin1String("above")) {
        y = reference.y() - dialog.height() - gap;
    }

    // QRect::right() is one short of the edge, so work with left + width.
    const int rightEdge = workArea.x() + workArea.width();
    const int bottomEdge = workArea.y() + workArea.height();
    x = std::max(x, workArea.x());
    y = std::max(y, workArea.y());
    if (x + dialog.width() > rightEdge)
        x = rightEdge - dialog.width();
    if (y + dialog.height() > bottomEdge)
        y = bottomEdge - dialog.height();
    return QPoint(x, y);
}

QRect workAreaNear(const QWidget *window)
{
    const QScreen *screen = nullptr;
    if (window) {
        screen = QGuiApplication::screenAt(window->frameGeometry().center());
        if (!screen)
            screen = window->screen();
    }
    if (screen && screen->availableGeometry().isValid())
        return screen->availableGeometry();
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry() : QRect();
}

void PositionForm(QWidget *dialog, QWidget *reference, const QString &position, int gap)
{
    if (!dialog)
        return;
    const QWidget *referenceWindow = reference ? reference->window() : nullptr;
    const QRect workArea = workAreaNear(referenceWindow);
    if (!workArea.isValid())
        return;
    const QRect referenceRect = referenceWindow ? referenceWindow->frameGeometry() : workArea;
    // Before the first show a window has no frame yet (what Qt reports for it
    // then is a guess); its own size is the better measure.
    const QSize dialogSize = dialog->isVisible() ? dialog->frameGeometry().size() : dialog->size();
    dialog->move(placeDialog(workArea, referenceRect, dialogSize, position, gap));
}

} // namespace klangtruhe
