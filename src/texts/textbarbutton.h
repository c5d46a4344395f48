#pragma once

#include <QAbstractButton>

namespace klangtruhe {

// A small picture button of the song list's button bar. It never takes the
// focus, so the song list keeps its selection; while the mouse button is held
// the picture sits 20 twips further right and down.
class TextBarButton : public QAbstractButton {
    Q_OBJECT
public:
    TextBarButton(const QString &name, const QString &toolTip, const QIcon &picture, QWidget *parent);

    QSize sizeHint() const override;
    // Where the picture is drawn now (it moves while the button is down).
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_hovered = false;
};

} // namespace klangtruhe
