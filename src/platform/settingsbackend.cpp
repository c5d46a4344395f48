#include "platform/settingsbackend.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

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

} // namespace klangtruhe
