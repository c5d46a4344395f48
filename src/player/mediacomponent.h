#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <memory>

class QWidget;

namespace klangtruhe {

// The embedded media player that audio, films and pictures play through
// (`MediaPlayer1` in the main window, the external window's player). Callers
// only tell "stopped" (1) from everything else, and "playing" (3) in places.
//
// Play states:
//   1 stopped       — nothing loaded, after close(), after the end of the file,
//                     and at once for a file that cannot be played (missing,
//                     not decodable): the component never waits on a bad file.
//   2 paused        — pause() while a file was loaded; play() goes on from there.
//   3 playing       — the file plays; a picture counts as playing until close()
//                     or the next setUrl(): it has no end of its own.
//   9 transitioning — setUrl() was called and the backend is still opening the
//                     file; it becomes 3, or 1 when the file turns out bad.
// playStateChanged reports every change of this value and is always delivered
// from the event loop after the call that caused it has returned, so a handler
// may call into the component again.
class MediaView;

class MediaComponent : public QObject {
    Q_OBJECT
public:
    enum PlayState { Stopped = 1, Paused = 2, Playing = 3, Transitioning = 9 };

    using QObject::QObject;

    // Opens the file (full path) and starts playing it at once, replacing
    // whatever was loaded.
    virtual void setUrl(const QString &path) = 0;
    // Ends playback and unloads the file; playState() is 1 when it returns.
    virtual void close() = 0;
    virtual int playState() const = 0;

    // Continue at the current position (after the end: from the start again).
    virtual void play() = 0;
    // Halt at the current position.
    virtual void pause() = 0;
    // Seconds from the start of the file.
    virtual double currentPosition() const = 0;
    virtual void setCurrentPosition(double seconds) = 0;

    // The current media: its name (the file name without ending, or its title
    // tag), its playing time as "m:ss", and metadata attributes by index and by
    // name (not case-sensitive; "" for an unknown name).
    virtual QString name() const = 0;
    virtual QString durationString() const = 0;
    // The playing time in seconds; −1 when unknown or nothing is loaded.
    virtual double duration() const = 0;
    virtual int attributeCount() const = 0;
    virtual QString attributeName(int index) const = 0;
    virtual QString attributeValue(const QString &name) const = 0;

    // True when the loaded file shows moving pictures (a film).
    virtual bool hasVideo() const = 0;
    // Full screen shows the film or picture over the whole screen.
    virtual void setFullScreen(bool on);
    // On: the picture follows the widget's size; off: it keeps its own size
    // as far as the widget allows.
    // Films always fit the area keeping their proportions (the video widget
    // has no "own size" mode), so this changes pictures only.
    virtual void setStretchToFit(bool on);

    // The area that shows the film, the picture or the audio visualisation;
    // the caller places it. Owned by the component unless reparented.
    virtual QWidget *widget();

    // The output level, 0 (silent) to 1 (as the file is); it stays for the
    // next file. Only the sleep fade changes it.
    void setVolume(double level);
    double volume() const { return m_volume; }

signals:
    void playStateChanged(int state);
    // A mouse button released over widget(): 1 left, 2 right.
    void mouseReleased(int button);
    void hasVideoChanged(bool video);

protected:
    // The component's sound follows the level.
    virtual void applyVolume(double) {}

    // The area both components show their film, picture or visualisation in.
    QPointer<MediaView> m_view;

private:
    double m_volume = 1.0;
};

// Picture files (.jpg, .png, .gif, .bmp, ...) by their ending: shown as still
// pictures, since no sound backend plays them.
bool isStillPicture(const QString &path);

// "m:ss" (minutes not limited to 59); "0:00" for a negative or unknown time.
QString formatDuration(double seconds);

// Metadata of the current media in the order found, names unique without
// regard to case.
class MediaAttributes {
public:
    void set(const QString &name, const QString &value);
    void clear() { m_items.clear(); }
    int count() const { return int(m_items.size()); }
    QString name(int index) const;
    QString value(const QString &name) const;

private:
    QList<QPair<QString, QString>> m_items;
};

// The real component (Qt Multimedia) or the fake that plays by the clock.
std::unique_ptr<MediaComponent> createMediaComponent(bool fake, QWidget *parent = nullptr);

} // namespace klangtruhe
