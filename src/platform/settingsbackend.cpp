#include "platform/settingsbackend.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

namespace klangtruhe {

namespace {

QString iniFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("KLANGTRUHE_SETTINGS");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           + QStringLiteral("/Klangtruhe"));
}

bool useIniFiles()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariableIsSet("KLANGTRUHE_SETTINGS");
#else
    return true;
#endif
}

// Longer than any live writer needs between creating its lock file and
// writing its process number into it.
constexpr qint64 kOwnerlessLockMs = 200;

} // namespace

std::unique_ptr<QSettings> openSettingsBackend(const QString &application)
{
    if (useIniFiles()) {
        const QString folder = iniFolder();
        QDir().mkpath(folder);
        return std::make_unique<QSettings>(folder + QLatin1Char('/') + application + QStringLiteral(".ini"),
                                           QSettings::IniFormat);
    }
    // The registry place where the volume tool and earlier versions look.
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + application,
        QSettings::NativeFormat);
}

QString settingsLocation()
{
    if (useIniFiles())
        return iniFolder();
    return QStringLiteral("HKCU/Software/VB and VBA Program Settings");
}

void clearAbandonedLock(const QSettings &settings)
{
    if (settings.format() != QSettings::IniFormat)
        return;
    const QString lockPath = settings.fileName() + QStringLiteral(".lock");
    for (int look = 0; look < 2; ++look) {
        const QFileInfo lockFile(lockPath);
        if (!lockFile.exists())
            return;
        qint64 pid = 0;
        QString host;
        QString application;
        if (QLockFile(lockPath).getLockInfo(&pid, &host, &application))
            return; // an owner is named: Qt itself sees whether it still runs
        const qint64 age = lockFile.lastModified().msecsTo(QDateTime::currentDateTime());
        if (age < 0 || age >= kOwnerlessLockMs) {
            QFile::remove(lockPath);
            return;
        }
        QThread::msleep(static_cast<unsigned long>(kOwnerlessLockMs - age));
    }
}

} // namespace klangtruhe
