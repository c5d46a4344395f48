#include "platform/platform.h"

#include "platform/loadcounters.h"
#include "platform/logindpower.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMimeDatabase>
#include <QProcess>
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
bool isDesktopEntryFile(const QString &path)
{
    return path.endsWith(QLatin1String(".desktop")) && QFileInfo(path).isFile();
}

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(256 * 1024);
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
        if (desktopId.isEmpty())
            return QString();
        return QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
#endif
    }

    bool startProcess(const QString &program, const QStringList &arguments) override
    {
#ifndef Q_OS_WIN
        if (isDesktopEntryFile(program)) {
            const QStringList command = desktopEntryCommand(desktopEntryExec(readSmallFile(program)), arguments);
            return !command.isEmpty() && QProcess::startDetached(command.first(), command.mid(1));
        }
#endif
        return QProcess::startDetached(program, arguments);
    }

    bool moveToRecycleBin(const QString &path) override
    {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        // Qt builds the trash from the per-user data folder; without one it
        // would make a "Trash" folder wherever the program was started.
        const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (dataHome.isEmpty() || QDir::isRelativePath(dataHome) || !QFileInfo(dataHome).isDir())
            return false;
#endif
        return QFile::moveToTrash(path);
    }

    bool isAdministrator() override
    {
#ifdef Q_OS_WIN
        return IsUserAnAdmin();
#elif defined(Q_OS_LINUX)
        // Being root is not what counts: logind decides who may power off.
        switch (askLogindPowerOff()) {
        case PowerOffPermission::Allowed:
            return true;
        case PowerOffPermission::Challenge:
        case PowerOffPermission::Refused:
            return false;
        case PowerOffPermission::Unknown:
            break;
        }
        return geteuid() == 0; // no logind: only root's systemctl can do it
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
#if defined(Q_OS_LINUX)
        if (requestLogindPowerOff())
            return true;
#endif
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

    VolumeTool volumeTool(const QString &programFolder) override
    {
        return volumeToolFor(programFolder, [](const QString &name) { return QStandardPaths::findExecutable(name); });
    }

    void playSoundAsync(const QString &wavPath) override
    {
        if (m_silent || !QFileInfo::exists(wavPath))
            return;
        // A folder instead of a file asks for the system's default sound, which
        // also ends the sound playing now.
        if (QFileInfo(wavPath).isDir()) {
            if (m_effect)
                m_effect->stop();
            QApplication::beep();
            return;
        }
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
    CpuTimes readCpuTimes();
    double readMemoryPercent();

    // The previous processor times, so each reading is the load since the last one.
    CpuTimes m_lastCpu = readCpuTimes();
    bool m_silent = qEnvironmentVariable("KLANGTRUHE_MEDIA") == QLatin1String("fake");
    std::unique_ptr<QSoundEffect> m_effect;
};

#ifdef Q_OS_WIN
namespace {
quint64 fileTimeValue(const FILETIME &time)
{
    return (quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
} // namespace

CpuTimes SystemPlatform::readCpuTimes()
{
    CpuTimes times;
    FILETIME idle{}, kernel{}, user{};
    if (!GetSystemTimes(&idle, &kernel, &user))
        return times;
    // Kernel time includes the idle time.
    times.total = fileTimeValue(kernel) + fileTimeValue(user);
    times.busy = times.total - fileTimeValue(idle);
    times.valid = true;
    return times;
}

double SystemPlatform::readMemoryPercent()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return -1;
    return double(status.dwMemoryLoad);
}
#else
namespace {
// /proc files report a size of 0, so they are read to the end, but never
// more than a few pages.
QByteArray readProcFile(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(64 * 1024);
}
} // namespace

CpuTimes SystemPlatform::readCpuTimes()
{
    return parseProcStat(readProcFile("/proc/stat"));
}

double SystemPlatform::readMemoryPercent()
{
    return memoryPercentFromMeminfo(readProcFile("/proc/meminfo"));
}
#endif

LoadReading SystemPlatform::readLoad()
{
    const CpuTimes now = readCpuTimes();
    LoadReading reading;
    reading.processorPercent = cpuPercentBetween(m_lastCpu, now);
    if (now.valid)
        m_lastCpu = now;
    reading.memoryPercent = readMemoryPercent();
    return reading;
}

} // namespace

std::unique_ptr<Platform> createSystemPlatform()
{
    return std::make_unique<SystemPlatform>();
}

} // namespace klangtruhe
