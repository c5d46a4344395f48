#include "player/qtmediacomponent.h"

#include "player/mediaview.h"
#include "player/tracklength.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace klangtruhe {

Q_LOGGING_CATEGORY(lcMedia, "klangtruhe.player.media")

QtMediaComponent::QtMediaComponent(QWidget *parent)
    : m_player(new QMediaPlayer(this))
    , m_audio(new QAudioOutput(this))
{
    m_view = new MediaView(parent);
    auto *video = new QVideoWidget(m_view);
    m_player->setAudioOutput(m_audio);
    m_player->setVideoOutput(video);
    // The caller's window may take the view with it before we go. A widget
    // reports its end before its children go, so the film output is still
    // there to be let go of.
    connect(m_view, &QObject::destroyed, this, [this] {
        m_view.clear();
        m_player->setVideoOutput(nullptr);
    });
    m_view->setVideoWidget(video);
    m_view->visualisation()->setPositionSource([this] { return currentPosition(); });
    m_openTimeout.setSingleShot(true);
    m_openTimeout.setInterval(kOpenTimeoutMs);

    connect(m_view, &MediaView::mouseReleased, this, &MediaComponent::mouseReleased);
    connect(&m_openTimeout, &QTimer::timeout, this, [this] {
        if (m_state == Transitioning) {
            qCWarning(lcMedia) << "gave up opening" << m_path;
            fail();
        }
    });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, &QtMediaComponent::updateState);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia && m_content == Content::Sound)
            fail();
        else
            updateState();
        applyPendingPosition();
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString &text) {
        if (error == QMediaPlayer::NoError || m_content != Content::Sound)
            return;
        qCWarning(lcMedia) << "cannot play" << m_path << text;
        fail();
    });
    connect(m_player, &QMediaPlayer::seekableChanged, this, [this] { applyPendingPosition(); });
    connect(m_player, &QMediaPlayer::metaDataChanged, this, &QtMediaComponent::readAttributes);
    connect(m_player, &QMediaPlayer::durationChanged, this, &QtMediaComponent::readAttributes);
    connect(m_player, &QMediaPlayer::hasVideoChanged, this, [this](bool film) {
        refreshView();
        emit hasVideoChanged(film);
    });
}

QtMediaComponent::~QtMediaComponent()
{
    m_player->disconnect(this);
    m_player->stop();
    if (m_view)
        m_view->disconnect(this);
    m_player->setVideoOutput(nullptr);
    if (m_view && !m_view->parent())
        delete m_view;
    else if (m_view)
        m_view->visualisation()->setPositionSource({});
}

void QtMediaComponent::setUrl(const QString &path)
{
    m_openTimeout.stop();
    m_content = Content::None;
    m_player->stop();
    m_player->setSource(QUrl());
    m_path = path;
    m_pendingPositionMs = -1;
    m_pictureHeld = false;
    m_attributes.clear();

    const QFileInfo info(path);
    m_picture = isStillPicture(path) && info.isFile() ? QPixmap(path) : QPixmap();
    // An empty file is known bad without asking the backend, which takes a second to say so.
    if (!info.isFile() || info.size() == 0 || (isStillPicture(path) && m_picture.isNull())) {
        m_path.clear();
        setState(Stopped, true);
        return;
    }
    if (!m_picture.isNull()) {
        m_content = Content::Picture;
    } else if (surelyNoMedia(path)) {
        m_path.clear();
        setState(Stopped, true);
        return;
    } else {
        m_content = Content::Sound;
        m_player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
        m_player->play();
        m_openTimeout.start();
    }
    readAttributes();
    updateState();
}

void QtMediaComponent::close()
{
    m_openTimeout.stop();
    m_content = Content::None;
    m_player->stop();
    m_player->setSource(QUrl());
    m_path.clear();
    m_pendingPositionMs = -1;
    m_pictureHeld = false;
    m_attributes.clear();
    m_picture = QPixmap();
    setState(Stopped);
}

void QtMediaComponent::play()
{
    if (m_content == Content::Picture)
        m_pictureHeld = false;
    else if (m_content == Content::Sound)
        m_player->play();
    updateState();
}

void QtMediaComponent::pause()
{
    if (m_content == Content::Picture)
        m_pictureHeld = true;
    else if (m_content == Content::Sound && m_player->playbackState() == QMediaPlayer::PlayingState)
        m_player->pause();
    updateState();
}

double QtMediaComponent::currentPosition() const
{
    if (m_content != Content::Sound)
        return 0.0;
    return double(m_pendingPositionMs >= 0 ? m_pendingPositionMs : m_player->position()) / 1000.0;
}

void QtMediaComponent::setCurrentPosition(double seconds)
{
    if (m_content != Content::Sound)
        return;
    m_pendingPositionMs = qint64(qMax(0.0, seconds) * 1000.0);
    applyPendingPosition();
}

// A position given while the file still loads would be lost: the backend
// takes it only once the media is loaded and seekable.
void QtMediaComponent::applyPendingPosition()
{
    if (m_pendingPositionMs < 0 || m_content != Content::Sound)
        return;
    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
    const bool loaded = status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia
                        || status == QMediaPlayer::BufferedMedia;
    if (!loaded || !m_player->isSeekable())
        return;
    const qint64 position = m_pendingPositionMs;
    m_pendingPositionMs = -1;
    m_player->setPosition(position);
}

QString QtMediaComponent::name() const
{
    if (m_content == Content::None)
        return QString();
    const QString title = m_player->metaData().stringValue(QMediaMetaData::Title);
    return title.isEmpty() ? QFileInfo(m_path).completeBaseName() : title;
}

QString QtMediaComponent::durationString() const
{
    if (m_content != Content::Sound)
        return formatDuration(0);
    const qint64 ms = m_player->duration();
    return formatDuration(ms > 0 ? ms / 1000.0 : trackLength(m_path));
}

double QtMediaComponent::duration() const
{
    if (m_content != Content::Sound)
        return -1.0;
    const qint64 ms = m_player->duration();
    return ms > 0 ? ms / 1000.0 : trackLength(m_path);
}

void QtMediaComponent::applyVolume(double level)
{
    m_audio->setVolume(static_cast<float>(level));
}

bool QtMediaComponent::hasVideo() const
{
    return m_content == Content::Sound && m_player->hasVideo();
}

int QtMediaComponent::computedState() const
{
    switch (m_content) {
    case Content::None:
        return Stopped;
    case Content::Picture:
        return m_pictureHeld ? Paused : Playing;
    case Content::Sound:
        break;
    }
    switch (m_player->playbackState()) {
    case QMediaPlayer::StoppedState:
        return Stopped;
    case QMediaPlayer::PausedState:
        return Paused;
    case QMediaPlayer::PlayingState:
        break;
    }
    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
    return status == QMediaPlayer::LoadingMedia || status == QMediaPlayer::NoMedia ? Transitioning : Playing;
}

void QtMediaComponent::updateState()
{
    const int state = computedState();
    if (state != Transitioning)
        m_openTimeout.stop();
    setState(state);
}

void QtMediaComponent::fail()
{
    m_openTimeout.stop();
    m_content = Content::None;
    m_player->stop();
    m_player->setSource(QUrl());
    m_path.clear();
    m_attributes.clear();
    m_picture = QPixmap();
    updateState();
}

void QtMediaComponent::readAttributes()
{
    if (m_content == Content::None)
        return;
    const QFileInfo info(m_path);
    const QMediaMetaData data = m_player->metaData();
    m_attributes.clear();
    m_attributes.set(QStringLiteral("Title"), name());
    for (const QMediaMetaData::Key key : data.keys()) {
        const QString value = data.stringValue(key);
        if (!value.isEmpty())
            m_attributes.set(QMediaMetaData::metaDataKeyToString(key), value);
    }
    if (m_content == Content::Sound && m_player->duration() > 0)
        m_attributes.set(QStringLiteral("Duration"), QString::number(m_player->duration() / 1000.0));
    m_attributes.set(QStringLiteral("FileSize"), QString::number(info.size()));
    m_attributes.set(QStringLiteral("SourceURL"), info.absoluteFilePath());
    refreshView();
}

void QtMediaComponent::refreshView()
{
    if (!m_view)
        return;
    using Page = MediaView::Page;
    m_view->pictureView()->setPicture(m_picture);
    m_view->showPage(m_content == Content::Picture                  ? Page::Picture
                     : m_content == Content::Sound && m_player->hasVideo() ? Page::Video
                                                                       : Page::Visualisation);
    m_view->visualisation()->setTitle(name());
    m_view->visualisation()->setActive(m_state == Playing && m_content == Content::Sound);
}

void QtMediaComponent::setState(int state, bool reportEvenIfSame)
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
