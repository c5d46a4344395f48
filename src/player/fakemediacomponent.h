#pragma once

#include "player/mediacomponent.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

namespace klangtruhe {

class MediaView;

// Plays without a sound device: a file "plays" for its measured track length
// in real time, its position read from a monotonic clock. A file that cannot
// be measured ends at once; a picture plays until closed, as in the real one.
class FakeMediaComponent : public MediaComponent {
    Q_OBJECT
public:
    explicit FakeMediaComponent(QWidget *parent = nullptr);
    ~FakeMediaComponent() override;

    void setUrl(const QString &path) override;
    void close() override;
    int playState() const override { return m_state; }
    void play() override;
    void pause() override;
    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;
    QString name() const override;
    QString durationString() const override;
    double duration() const override { return loaded() && m_length >= 0 ? m_length : -1.0; }
    int attributeCount() const override { return m_attributes.count(); }
    QString attributeName(int index) const override { return m_attributes.name(index); }
    QString attributeValue(const QString &name) const override { return m_attributes.value(name); }
    bool hasVideo() const override { return false; }

private:
    void setState(int state, bool reportEvenIfSame = false);
    void checkEnd();
    // Shows what is loaded: picture, or visualisation running while playing.
    void refreshView();
    bool loaded() const { return !m_path.isEmpty(); }

    QTimer m_endCheck;
    QElapsedTimer m_clock;
    QString m_path;
    QPixmap m_picture;
    MediaAttributes m_attributes;
    double m_length = 0;       // seconds; negative for a picture (no end)
    double m_startOffset = 0;  // position when the clock last started
    int m_state = Stopped;
};

} // namespace klangtruhe
