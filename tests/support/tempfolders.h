#pragma once

#include <QString>
#include <QTemporaryDir>

namespace klangtruhe::test {

// A private folder for one test: program folder, settings store and XDG
// folders all point inside it while the object lives.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    QString root() const { return m_dir.path(); }
    QString programFolder() const { return m_dir.path() + QStringLiteral("/programm/"); }
    QString settingsFolder() const { return m_dir.path() + QStringLiteral("/settings"); }
    QString settingsFile() const { return settingsFolder() + QStringLiteral("/KlangtruhePlayer.ini"); }
    QString path(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldSettings, m_oldProgramFolder, m_oldDataHome, m_oldConfigHome;
};

// Writes bytes to a file, creating its folder.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace klangtruhe::test
