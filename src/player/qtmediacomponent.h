#pragma once

#include "player/mediacomponent.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>

class QAudioOutput;
class QMediaPlayer;

namespace klangtruhe {

class MediaView;

// The real player: Qt Multimedia (GStreamer on Linux) for sound and films,
// our own view for pictures and the audio visualisation. Play state 9 lasts
// while the backend opens the file; a file it cannot open or decode ends in
// play state 1 as soon as the backend says so, and at the latest after
// kOpenTimeoutMs, so a caller waiting for the end never waits forever.
class QtMediaComponent : public MediaComponent {
    Q_OBJECT
public:
    static constexpr int kOpenTimeoutMs = 10000;

    explicit QtMediaComponent(QWidget *parent = nullptr);
    ~QtMediaComponent() override;

    void setUrl(const QString &path) override;
    void close() override;
    int playState() const override { return m_state; }
    void play() override;
    void pause() override;
    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;
    QString name() const override;
    QString durationString() const override;
    double duration() const override;
    int attributeCount() const override { return m_attributes.count(); }
    QString attributeName(int index) const override { return m_attributes.name(index); }
    QString attributeValue(const QString &name) const override { return m_attributes.value(name); }
    bool hasVideo() const override;

protected:
    void applyVolume(double level) override;

private:
    enum class Content { None, Sound, Picture };

    void updateState();
    void fail();
    void readAttributes();
    void applyPendingPosition();
    // Shows what is loaded: film, picture, or the visualisation.
    void refreshView();
    int computedState() const;
    void setState(int state, bool reportEvenIfSame = false);

    QMediaPlayer *m_player;
    QAudioOutput *m_audio;
    QTimer m_openTimeout;
    QString m_path;
    QPixmap m_picture;
    MediaAttributes m_attributes;
    Content m_content = Content::None;
    bool m_pictureHeld = false;  // a picture after pause()
    qint64 m_pendingPositionMs = -1; // set before the media was loaded
    int m_state = Stopped;
};

} // namespace klangtruhe
