#pragma once

#include <QLabel>
#include <QPoint>

namespace klangtruhe {

// The transport's picture buttons: a picture that answers clicks and, while
// the mouse button is held, sits 10 twips lower and further right.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    // name: object name and icon; tip: the tool tip as the user reads it.
    PictureButton(const QString &name, const QString &tip, QWidget *parent);
    // A button showing its own picture, sized to it.
    PictureButton(const QString &name, const QString &tip, const QPixmap &picture, QWidget *parent);

signals:
    void clicked();
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPoint m_restPosition;
    bool m_pressed = false;
};

// The picture of a transport button by its object name ("imgStart",
// "imgPause_1", ...). The one place that knows where pictures come from.
QPixmap transportIcon(const QString &name, int size);

} // namespace klangtruhe
