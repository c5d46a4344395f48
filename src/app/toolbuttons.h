#pragma once

#include <QList>

class QMainWindow;
class QToolButton;
class QWidget;

namespace klangtruhe {

// The row of tool buttons `cmdButton_N` along the top of the main window.
// Each button stands for a menu entry: it runs that entry when the mouse
// button is released over it and is enabled exactly when the entry is.
QList<QToolButton *> createToolButtons(QMainWindow &window, QWidget *area);

} // namespace klangtruhe
