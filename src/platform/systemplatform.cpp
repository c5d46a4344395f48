#include "platform/platform.h"

#include <QAudioDevice>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMimeDatabase>
#include <QProcess>
#include <QSettings>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#include <shlobj.h>
#else
#include <unistd.h>
#endif

namespace klangtruhe {

namespace {

#ifndef Q_OS_WIN
// Reads the Exec line of a desktop entry and returns its program.
QString programOfDesktopEntry(const QString &desktopId)
{
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    if (path.isEmpty())
        return QString();
    QSettings entry(path, QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    const QString exec = entry.value(QStringLiteral("Exec")).toString();
    const QStringList parts = QProcess::splitCommand(exec);
    if (parts.isEmpty())
        return QString();
    const QString program = QStandardPaths::findExecutable(parts.first());
    return program.isEmpty() ? parts.first() : program;
}
#endif

class SystemPlatform final : public Platform {
public:
    bool openWithAssociatedProgram(const QString &fileOrUrl) override
    {
        const QUrl url = QFileInfo::exists(fileOrUrl) ? QUrl::fromLocalFile(fileOrUrl)
                                                      : QUrl::fromUserInput(fileOrUrl);
        return url.isValid() && QDesktopServices::openUrl(url);
    }

    QString findAssociatedProgram(const QString &file) override
    {
#ifdef Q_OS_WIN
        wchar_t buffer[MAX_PATH] = {};
        const auto result = reinterpret_cast<quintptr>(
            FindExecutableW(reinterpret_cast<LPCWSTR>(file.utf16()), nullptr, buffer));
        if (result <= 32)
            return QString();
        return QString::fromWCharArray(buffer);
#else
        const QString mime = QMimeDatabase().mimeTypeForFile(file).name();
        QProcess query;
        query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mime});
        if (!query.waitForFinished(2000)) {
            query.kill();
            return QString();
        }
        const QString desktopId = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
        return desktopId.isEmpty() ? QString() : programOfDesktopEntry(desktopId);
#endif
    }

    bool startProcess(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }

    bool moveToRecycleBin(const QString &path) override { return QFile::moveToTrash(path); }

    bool isAdministrator() override
    {
#ifdef Q_OS_WIN
        return IsUserAnAdmin();
#else
        return geteuid() == 0;
#endif
    }

    bool shutdownComputer() override
    {
#ifdef Q_OS_WIN
        return QProcess::startDetached(QStringLiteral("shutdown.exe"),
                                       {QStringLiteral("-s"), QStringLiteral("-f"), QStringLiteral("-t"),
                                        QStringLiteral("1")});
#else
        return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
#endif
    }

    QString shortPath(const QString &path) override
    {
#ifdef Q_OS_WIN
        wchar_t buffer[256] = {};
        const DWORD length = GetShortPathNameW(reinterpret_cast<LPCWSTR>(path.utf16()), buffer, 256);
        if (length == 0 || length >= 256)
            return QString();
        return QString::fromWCharArray(buffer, static_cast<int>(length));
#else
        return QFileInfo::exists(path) ? path : QString();
#endif
    }

    LoadReading readLoad() override;

    void playSoundAsync(const QString &wavPath) override
    {
        if (m_silent || !QFileInfo::exists(wavPath))
            return;
        // Without an output device QSoundEffect never finishes; stay silent then.
        if (QMediaDevices::audioOutputs().isEmpty())
            return;
        if (!m_effect)
            m_effect = std::make_unique<QSoundEffect>();
        m_effect->stop();
        m_effect->setSource(QUrl::fromLocalFile(wavPath));
        m_effect->play();
    }

private:
    bool m_silent = qEnvironmentVariable("KLANGTRUHE_MEDIA") == QLatin1String("fake");
    std::unique_ptr<QSoundEffect> m_effect;
};

LoadReading SystemPlatform::readLoad()
{
    return LoadReading{};
}

} // namespace

std::unique_ptr<Platform> createSystemPlatform()
{
    return std::make_unique<SystemPlatform>();
}

} // namespace klangtruhe
