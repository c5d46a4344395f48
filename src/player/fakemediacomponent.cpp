#include "player/fakemediacomponent.h"

#include "player/mediaview.h"
#include "player/tracklength.h"

#include <QFileInfo>

namespace klangtruhe {

namespace {

// How often the end is looked for; the position itself comes from the clock.
constexpr int kEndCheckMs = 20;

} // namespace

FakeMediaComponent::FakeMediaComponent(QWidget *parent)
{
    m_view = new MediaView(parent);
    m_endCheck.setInterval(kEndCheckMs);
    m_endCheck.setTimerType(Qt::PreciseTimer);
    connect(&m_endCheck, &QTimer::timeout, this, &FakeMediaComponent::checkEnd);
    connect(m_view, &MediaView::mouseReleased, this, &MediaComponent::mouseReleased);
    m_view->visualisation()->setPositionSource([this] { return currentPosition(); });
    // The caller's window may take the view with it; its children go after this.
    connect(m_view, &QObject::destroyed, this, [this] { m_view.clear(); });
}

FakeMediaComponent::~FakeMediaComponent()
{
    // The view belongs to the caller's window once placed there; otherwise to us.
    if (m_view)
        m_view->disconnect(this);
    if (m_view && !m_view->parent())
        delete m_view;
    else if (m_view)
        m_view->visualisation()->setPositionSource({});
}

void FakeMediaComponent::setUrl(const QString &path)
{
    m_endCheck.stop();
    m_path = path;
    m_startOffset = 0;
    m_attributes.clear();
    const QFileInfo info(path);
    const QPixmap shown = isStillPicture(path) && info.isFile() ? QPixmap(path) : QPixmap();
    const bool picture = !shown.isNull();
    m_length = picture ? -1 : trackLength(path);
    if (!picture && m_length < 0) {
        m_path.clear();
        m_picture = QPixmap();
        setState(Stopped, true);
        return;
    }
    m_attributes.set(QStringLiteral("Title"), info.completeBaseName());
    m_attributes.set(QStringLiteral("Duration"), QString::number(qMax(m_length, 0.0)));
    m_attributes.set(QStringLiteral("FileSize"), QString::number(info.size()));
    m_attributes.set(QStringLiteral("SourceURL"), info.absoluteFilePath());
    m_picture = shown;
    m_clock.start();
    if (!picture)
        m_endCheck.start();
    setState(Playing);
}

void FakeMediaComponent::close()
{
    m_endCheck.stop();
    m_path.clear();
    m_attributes.clear();
    m_startOffset = 0;
    m_length = 0;
    m_picture = QPixmap();
    setState(Stopped);
}

void FakeMediaComponent::play()
{
    if (!loaded() || m_state == Playing)
        return;
    if (m_state == Stopped && m_length >= 0 && m_startOffset >= m_length)
        m_startOffset = 0;
    m_clock.start();
    if (m_length >= 0)
        m_endCheck.start();
    setState(Playing);
}

void FakeMediaComponent::pause()
{
    if (m_state != Playing)
        return;
    m_startOffset = currentPosition();
    m_endCheck.stop();
    setState(Paused);
}

double FakeMediaComponent::currentPosition() const
{
    if (!loaded())
        return 0;
    double position = m_startOffset;
    if (m_state == Playing)
        position += double(m_clock.nsecsElapsed()) / 1e9;
    return m_length >= 0 ? qMin(position, m_length) : position;
}

void FakeMediaComponent::setCurrentPosition(double seconds)
{
    if (!loaded())
        return;
    m_startOffset = qMax(0.0, m_length >= 0 ? qMin(seconds, m_length) : seconds);
    m_clock.start();
}

QString FakeMediaComponent::name() const
{
    return loaded() ? m_attributes.value(QStringLiteral("Title")) : QString();
}

QString FakeMediaComponent::durationString() const
{
    return formatDuration(loaded() ? qMax(m_length, 0.0) : 0.0);
}

void FakeMediaComponent::checkEnd()
{
    if (m_state != Playing || m_length < 0 || currentPosition() < m_length)
        return;
    m_endCheck.stop();
    m_startOffset = m_length;
    setState(Stopped);
}

void FakeMediaComponent::refreshView()
{
    if (!m_view)
        return;
    const bool picture = !m_picture.isNull();
    m_view->pictureView()->setPicture(m_picture);
    m_view->showPage(picture ? MediaView::Page::Picture : MediaView::Page::Visualisation);
    m_view->visualisation()->setTitle(name());
    m_view->visualisation()->setActive(!picture && m_state == Playing);
}

void FakeMediaComponent::setState(int state, bool reportEvenIfSame)
{
    const bool changed = state != m_state;
    m_state = state;
    refreshView();
    if (!changed && !reportEvenIfSame)
        return;
    QMetaObject::invokeMethod(
        this, [this, state] { emit playStateChanged(state); }, Qt::QueuedConnection);
}

} // namespace klangtruhe
