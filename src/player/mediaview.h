#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <functional>

class QStackedLayout;
class QTimer;

namespace klangtruhe {

// Bars that rise and fall with the playing position: a cheap stand-in for a
// spectrum, painted only while audio plays and the widget is visible.
class Visualisation : public QWidget {
    Q_OBJECT
public:
    explicit Visualisation(QWidget *parent = nullptr);
    void setPositionSource(std::function<double()> source) { m_position = std::move(source); }
    void setTitle(const QString &title);
    void setActive(bool active);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<double()> m_position;
    QString m_title;
    QTimer *m_timer;
    bool m_active = false;
};

// A still picture, scaled to the widget (stretch to fit) or at its own size.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);
    void setPicture(const QPixmap &picture);
    void setStretchToFit(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    bool m_stretch = true;
};

// The area a media component shows: its visualisation, a picture or a film.
// Reports mouse releases over itself and everything inside it, and can take
// the whole screen.
class MediaView : public QWidget {
    Q_OBJECT
public:
    enum class Page { Visualisation, Picture, Video };

    explicit MediaView(QWidget *parent = nullptr);

    Visualisation *visualisation() const { return m_visualisation; }
    PictureView *pictureView() const { return m_picture; }
    // Takes a film widget (the real component's video output) as third page.
    void setVideoWidget(QWidget *video);
    void showPage(Page page);
    Page page() const { return m_page; }

    void setFullScreen(bool on);
    bool isFullScreenShown() const { return m_fullScreen; }

signals:
    void mouseReleased(int button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void reportRelease(Qt::MouseButton button);
    bool isClickOnFilm(QObject *watched, QEvent *event) const;

    QStackedLayout *m_stack;
    Visualisation *m_visualisation;
    PictureView *m_picture;
    QWidget *m_video = nullptr;
    Page m_page = Page::Visualisation;
    bool m_fullScreen = false;
    QRect m_normalGeometry;
};

} // namespace klangtruhe
