#include "support/tempfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace klangtruhe::test {

TestEnvironment::TestEnvironment()
    : m_oldSettings(qgetenv("KLANGTRUHE_SETTINGS"))
    , m_oldProgramFolder(qgetenv("KLANGTRUHE_PROGRAM_FOLDER"))
    , m_oldDataHome(qgetenv("XDG_DATA_HOME"))
    , m_oldConfigHome(qgetenv("XDG_CONFIG_HOME"))
{
    QDir().mkpath(settingsFolder());
    qputenv("KLANGTRUHE_SETTINGS", settingsFolder().toUtf8());
    qputenv("KLANGTRUHE_PROGRAM_FOLDER", programFolder().toUtf8());
    qputenv("XDG_DATA_HOME", path(QStringLiteral("xdg-data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("xdg-config")).toUtf8());
}

namespace {
void restore(const char *name, const QByteArray &value)
{
    if (value.isEmpty())
        qunsetenv(name);
    else
        qputenv(name, value);
}
} // namespace

TestEnvironment::~TestEnvironment()
{
    restore("KLANGTRUHE_SETTINGS", m_oldSettings);
    restore("KLANGTRUHE_PROGRAM_FOLDER", m_oldProgramFolder);
    restore("XDG_DATA_HOME", m_oldDataHome);
    restore("XDG_CONFIG_HOME", m_oldConfigHome);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace klangtruhe::test
