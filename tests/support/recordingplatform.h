#pragma once

#include "platform/platform.h"

#include <QStringList>

namespace klangtruhe::test {

// A platform that does nothing for real and remembers what it was asked to do.
class RecordingPlatform : public Platform {
public:
    bool openWithAssociatedProgram(const QString &fileOrUrl) override
    {
        opened << fileOrUrl;
        return true;
    }
    QString findAssociatedProgram(const QString &) override { return associatedProgram; }
    bool startProcess(const QString &program, const QStringList &arguments) override
    {
        started << (QStringList{program} + arguments).join(QLatin1Char(' '));
        return true;
    }
    bool moveToRecycleBin(const QString &path) override
    {
        recycled << path;
        return true;
    }
    bool isAdministrator() override { return administrator; }
    bool shutdownComputer() override
    {
        ++shutdowns;
        return true;
    }
    QString shortPath(const QString &path) override { return path; }
    LoadReading readLoad() override { return load; }
    void playSoundAsync(const QString &wavPath) override { sounds << wavPath; }
    VolumeTool volumeTool(const QString &) override { return volume; }

    QStringList opened, started, recycled, sounds;
    QString associatedProgram;
    bool administrator = false;
    int shutdowns = 0;
    LoadReading load;
    // No volume tool until a test gives one.
    VolumeTool volume{{}, false, QStringLiteral("Kein Lautstärkeregler gefunden.")};
};

} // namespace klangtruhe::test
