#pragma once

#include "platform/externaltools.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace klangtruhe {

// Processor and memory load in percent; negative when the counters cannot be read.
struct LoadReading {
    double processorPercent = -1;
    double memoryPercent = -1;
};

// Everything that asks the operating system for something. The program talks
// to one Platform object (owned by Program); tests replace it with a recording
// fake so nothing is started, opened or shut down for real.
class Platform {
public:
    virtual ~Platform() = default;

    // Opens a file or web address with the program the system associates with it.
    virtual bool openWithAssociatedProgram(const QString &fileOrUrl) = 0;
    // The program the system associates with the file's type, or "" if none.
    // On Linux desktops this is the desktop entry file of the application,
    // which startProcess() knows how to start.
    virtual QString findAssociatedProgram(const QString &file) = 0;
    // Starts a program with an argument list (never through a shell). A
    // desktop entry file starts its application with the arguments as files.
    virtual bool startProcess(const QString &program, const QStringList &arguments) = 0;
    // Moves a file to the recycle bin (undo possible, no question asked).
    virtual bool moveToRecycleBin(const QString &path) = 0;
    virtual bool isAdministrator() = 0;
    // Shuts the computer down at once, closing running programs.
    virtual bool shutdownComputer() = 0;
    // The short 8.3 path where the system has them, else the path itself.
    virtual QString shortPath(const QString &path) = 0;
    virtual LoadReading readLoad() = 0;
    // Plays a WAV file without waiting; a missing file plays nothing, a folder
    // plays the system's default sound (and ends the sound playing).
    virtual void playSoundAsync(const QString &wavPath) = 0;
    // The volume tool of this system (the mini player's speaker button).
    virtual VolumeTool volumeTool(const QString &programFolder) = 0;
};

std::unique_ptr<Platform> createSystemPlatform();

} // namespace klangtruhe
