#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace klangtruhe {

// Top-left corner (pixels) for a dialog of the given size placed beside or over
// the reference window: position "right", "left", "below", "above" or
// "center" (any letter case; any other word centres), gap in pixels. The
// result is pushed into the work area: first onto its left/top edge, then back
// from its right/bottom edge, so a dialog larger than the work area ends up at
// the right or bottom edge.
QPoint placeDialog(const QRect &workArea, const QRect &reference, const QSize &dialog, const QString &position,
                   int gap);

// The work area (screen without task bars) of the screen nearest the window;
// the whole primary screen when no screen answers.
QRect workAreaNear(const QWidget *window);

// Moves the dialog (outer frame) relative to the reference window without
// resizing, raising or activating it. Without a reference the dialog is
// centred in the primary work area.
void PositionForm(QWidget *dialog, QWidget *reference, const QString &position, int gap);

} // namespace klangtruhe
