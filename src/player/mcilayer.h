#pragma once

#include "player/mediacomponent.h"

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace klangtruhe {

class Program;

// Plays files by MCI-style command strings, for films and for playback
// without the embedded player. One device at a time, addressed by its alias:
//   open <path> type MPEGVideo alias <alias>   (the path may hold blanks)
//   play <alias> [from <milliseconds>]
//   stop <alias>
//   close <alias>
// Commands and keywords are not case-sensitive; aliases neither. The file
// starts at "play"; a film shows in the layer's own top-level window.
class MciLayer : public QObject {
    Q_OBJECT
public:
    // Our own error numbers; 0 is success.
    enum Error {
        Ok = 0,
        UnrecognizedCommand = 261,
        InvalidDeviceName = 263,  // no device open under this alias
        DeviceOpen = 265,         // another alias is open already
        MissingParameter = 273,
        UnsupportedDeviceType = 274,
        FileNotFound = 275,
        BadInteger = 278,
        DuplicateAlias = 289,     // this alias is open already
    };

    explicit MciLayer(bool fakeMedia, QObject *parent = nullptr);
    ~MciLayer() override;

    int mciSendString(const QString &command);

    // The alias that is open, or "".
    QString openAlias() const { return m_alias; }
    MediaComponent &player() { return *m_player; }
    QWidget *videoWindow() const { return m_window.get(); }

private:
    int open(const QString &arguments);
    int play(const QStringList &words);
    int stop(const QStringList &words);
    int close(const QStringList &words);
    int checkAlias(const QStringList &words) const;

    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<MediaComponent> m_player;
    QString m_alias;
    QString m_path;
    bool m_started = false;  // the file was handed to the player by a "play"
};

// Opens the file under the alias and plays it from the start; true when
// "play" was accepted. The path goes through the platform's short-path form;
// an empty answer there (no such file) gives false without a command.
bool mciOpenAndPlay(Program &program, MciLayer &mci, const QString &path, const QString &alias);

// Stops and closes the alias; sent also when nothing is open, errors ignored.
void mciStopAndClose(MciLayer &mci, const QString &alias);

} // namespace klangtruhe
