#pragma once

#include "common/wincolour.h"

#include <QObject>

class QPainter;
class QWidget;

namespace klangtruhe {

// Fills the target's client area from colour 1 at its top-left corner to
// colour 2 at its bottom-right: direction 0 runs left to right, 1 top to
// bottom. Colours are Windows values (system colours allowed). Call it from
// the target's paintEvent with a painter on the target.
void DrawGradient(QWidget *target, QPainter &painter, quint32 colour1, quint32 colour2, int direction);

// Paints a gradient under a widget's own painting, for windows that need no
// paintEvent of their own: `new GradientBackground(window, 0xF4EAE3, 0xDEC9AD, 1);`
// The object belongs to the window; the window's children should not fill
// their own background where the gradient is to show through.
class GradientBackground : public QObject {
    Q_OBJECT
public:
    GradientBackground(QWidget *target, quint32 colour1, quint32 colour2, int direction);

    void setColours(quint32 colour1, quint32 colour2, int direction);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_target;
    quint32 m_colour1;
    quint32 m_colour2;
    int m_direction;
};

} // namespace klangtruhe
