#include "player/mediaview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedLayout>
#include <QTimer>
#include <cmath>

namespace klangtruhe {

namespace {

constexpr int kBars = 24;
constexpr int kFrameMs = 80;

// A height between 0 and 1 for bar i at a playing position: a few detuned
// waves per bar, so neighbouring bars move differently but smoothly.
double barLevel(int i, double seconds)
{
    const double a = std::sin(seconds * (1.7 + 0.23 * i) + i * 0.9);
    const double b = std::sin(seconds * (4.1 + 0.11 * i) + i * i * 0.3);
    const double lowBoost = 1.0 - 0.5 * i / kBars;
    return qBound(0.05, (0.55 + 0.3 * a + 0.15 * b) * lowBoost, 1.0);
}

} // namespace

Visualisation::Visualisation(QWidget *parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kFrameMs);
    connect(m_timer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Visualisation::setTitle(const QString &title)
{
    m_title = title;
    update();
}

void Visualisation::setActive(bool active)
{
    m_active = active;
    if (active)
        m_timer->start();
    else
        m_timer->stop();
    update();
}

void Visualisation::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(12, 16, 32));
    const double seconds = m_position ? m_position() : 0.0;
    const double slot = double(width()) / kBars;
    const int floor = height() - (m_title.isEmpty() ? 4 : painter.fontMetrics().height() + 8);
    QLinearGradient gradient(0, floor, 0, 0);
    gradient.setColorAt(0.0, QColor(40, 200, 120));
    gradient.setColorAt(0.6, QColor(230, 210, 60));
    gradient.setColorAt(1.0, QColor(230, 70, 50));
    for (int i = 0; i < kBars; ++i) {
        const double level = m_active ? barLevel(i, seconds) : 0.04;
        const int barHeight = int(level * (floor - 4));
        painter.fillRect(QRectF(i * slot + 1, floor - barHeight, slot - 2, barHeight), gradient);
    }
    if (!m_title.isEmpty()) {
        painter.setPen(QColor(220, 220, 230));
        painter.drawText(rect().adjusted(4, 0, -4, -4), Qt::AlignHCenter | Qt::AlignBottom, m_title);
    }
}

PictureView::PictureView(QWidget *parent)
    : QWidget(parent)
{
}

void PictureView::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureView::setStretchToFit(bool on)
{
    m_stretch = on;
    update();
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_picture.isNull())
        return;
    QSize size = m_picture.size();
    if (m_stretch || size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, m_picture);
}

MediaView::MediaView(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedLayout(this))
    , m_visualisation(new Visualisation(this))
    , m_picture(new PictureView(this))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_visualisation);
    m_stack->addWidget(m_picture);
    m_visualisation->installEventFilter(this);
    m_picture->installEventFilter(this);
    setFocusPolicy(Qt::ClickFocus);
}

void MediaView::setVideoWidget(QWidget *video)
{
    m_video = video;
    m_stack->addWidget(video);
    video->installEventFilter(this);
    // The film is drawn into a window of its own inside the video widget, and
    // clicks on it go to that window, not to any widget of ours: watch the
    // application's windows for them.
    qApp->installEventFilter(this);
}

bool MediaView::isClickOnFilm(QObject *watched, QEvent *event) const
{
    // Widget windows hand their clicks on to our widgets anyway.
    if (!m_video || m_page != Page::Video || !watched->isWindowType() || watched->inherits("QWidgetWindow")
        || !m_video->isVisible())
        return false;
    const QPoint global = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
    return m_video->rect().contains(m_video->mapFromGlobal(global));
}

void MediaView::showPage(Page page)
{
    m_page = page;
    QWidget *shown = page == Page::Picture ? static_cast<QWidget *>(m_picture)
                     : page == Page::Video && m_video ? m_video
                                                      : m_visualisation;
    m_stack->setCurrentWidget(shown);
}

void MediaView::setFullScreen(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    // Leaves its place in the caller's window for a screen of its own and
    // comes back to the same place.
    if (on) {
        m_normalGeometry = geometry();
        setWindowFlag(Qt::Window, true);
        showFullScreen();
    } else {
        setWindowFlag(Qt::Window, false);
        setGeometry(m_normalGeometry);
        show();
    }
}

bool MediaView::eventFilter(QObject *watched, QEvent *event)
{
    const bool ours = watched == m_visualisation || watched == m_picture || (m_video && watched == m_video);
    if (event->type() == QEvent::MouseButtonRelease) {
        if (isClickOnFilm(watched, event))
            reportRelease(static_cast<QMouseEvent *>(event)->button());
        // Taken here so the release does not travel on to us a second time.
        if (ours) {
            reportRelease(static_cast<QMouseEvent *>(event)->button());
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (!ours)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        setFullScreen(false);
    return QWidget::eventFilter(watched, event);
}

void MediaView::mouseReleaseEvent(QMouseEvent *event)
{
    reportRelease(event->button());
    QWidget::mouseReleaseEvent(event);
}

void MediaView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        setFullScreen(false);
    QWidget::keyPressEvent(event);
}

void MediaView::reportRelease(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        emit mouseReleased(1);
    else if (button == Qt::RightButton)
        emit mouseReleased(2);
}

} // namespace klangtruhe
