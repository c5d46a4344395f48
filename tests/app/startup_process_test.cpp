// The real executable, started as a user would start it, in its own process.
// It inherits the test's environment: its folders, offscreen, the fake media.
#include "catalogue/catalogueschema.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QString stored(const TestEnvironment &env, const char *key)
{
    QSettings settings(env.settingsFile(), QSettings::IniFormat);
    return settings.value(QStringLiteral("Options/") + QString::fromLatin1(key)).toString();
}

// The program has finished starting once it stored the catalogue it opened.
bool waitUntilStarted(const TestEnvironment &env, QProcess &process)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000 && process.state() == QProcess::Running) {
        if (!stored(env, "ArchivPfad").isEmpty()) {
            QThread::msleep(700); // the window shows right after
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace

TEST(StartUpProcess, RunsOnceEndsThroughBeendenOnRequestAndKeepsWhatItStored)
{
    TestEnvironment env;
    QDir().mkpath(env.programFolder());
    createEmptyCatalogue(env.programFolder() + QStringLiteral("Archiv_leer.mdb"));

    QProcess first;
    first.start(QStringLiteral(KLANGTRUHE_EXECUTABLE), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(waitUntilStarted(env, first)) << first.readAllStandardError().constData();
    const QByteArray settingsBefore = readFile(env.settingsFile());

    // A second start, with a wait of one second, waits first and then ends at once.
    QProcess second;
    QElapsedTimer clock;
    clock.start();
    second.start(QStringLiteral(KLANGTRUHE_EXECUTABLE), {QStringLiteral("\"1\"")});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(readFile(env.settingsFile()), settingsBefore) << "a second start changes no setting";

    // The system asks the program to end: it ends as "&Beenden" does and stores its state.
    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(15000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(stored(env, "WindowState"), QStringLiteral("0"));
    EXPECT_EQ(stored(env, "AusgabeboxWidth"), QStringLiteral("15225"));
    EXPECT_EQ(stored(env, "AusgabeboxHeight"), QStringLiteral("10725"));
    EXPECT_FALSE(stored(env, "Spaltenbreite0").isEmpty());
    EXPECT_EQ(stored(env, "ArchivPfad"), env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
}

#endif // Q_OS_UNIX
