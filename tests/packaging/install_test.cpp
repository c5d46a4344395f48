#include "support/tempfolders.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

using namespace klangtruhe::test;

namespace {

const QString AppId = QStringLiteral("de.fernwerk.Klangtruhe");

// Runs a program to its end; returns its exit code, or -1 when it did not finish.
int runTool(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

// The install target puts the program, its data, the desktop entry, the icons
// and the AppStream data under the prefix, the entries pass the desktop's own
// checks, and the installed program seeds its folder from the prefix.
TEST(Install, TheInstalledTreeIsCompleteValidAndUsedByTheProgram)
{
    TestEnvironment env;
    const QString prefix = env.path(QStringLiteral("prefix"));
    QString log;
    ASSERT_EQ(runTool(QStringLiteral(KLANGTRUHE_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(KLANGTRUHE_BUILD_DIR), QStringLiteral("--prefix"), prefix},
                      &log),
              0)
        << log.toStdString();

    const QString share = prefix + QStringLiteral("/share/");
    for (const QString &file : {prefix + QStringLiteral("/bin/klangtruhe"), share + QStringLiteral("klangtruhe/TipOfDay.ini"),
                                share + QStringLiteral("klangtruhe/readme.txt"),
                                share + QStringLiteral("icons/hicolor/scalable/apps/") + AppId + QStringLiteral(".svg")})
        EXPECT_TRUE(QFileInfo(file).isFile()) << file.toStdString();
    EXPECT_TRUE(QFileInfo(prefix + QStringLiteral("/bin/klangtruhe")).isExecutable());
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(share + QStringLiteral("icons/hicolor/%1x%1/apps/").arg(size) + AppId + QStringLiteral(".png"));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(!icon.isNull() && icon.pixelColor(size / 2, size * 3 / 4).alpha() > 0) << "empty icon " << size;
    }

    const QString desktopEntry = share + QStringLiteral("applications/") + AppId + QStringLiteral(".desktop");
    const QString metainfo = share + QStringLiteral("metainfo/") + AppId + QStringLiteral(".metainfo.xml");
    const QString desktopValidate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    const QString appstreamcli = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    ASSERT_FALSE(desktopValidate.isEmpty()) << "desktop-file-utils is missing";
    ASSERT_FALSE(appstreamcli.isEmpty()) << "appstream is missing";
    EXPECT_EQ(runTool(desktopValidate, {desktopEntry}, &log), 0) << log.toStdString();
    EXPECT_EQ(runTool(appstreamcli, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}, &log), 0)
        << log.toStdString();
    const QByteArray entry = readFile(desktopEntry);
    EXPECT_TRUE(entry.contains("Categories=AudioVideo;Audio;Player;"));
    EXPECT_TRUE(entry.contains("MimeType=application/vnd.ms-access;"));

    // A file only the installed data has reaches a new program folder.
    writeFile(share + QStringLiteral("klangtruhe/Nur-installiert.txt"), "aus dem Präfix");
    QProcess program; // in this test's folders, offscreen, with the fake media
    program.start(prefix + QStringLiteral("/bin/klangtruhe"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    const QString seeded = env.programFolder() + QStringLiteral("Nur-installiert.txt");
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(seeded) && clock.elapsed() < 30000 && program.state() == QProcess::Running)
        QThread::msleep(50);
    program.kill();
    program.waitForFinished();
    EXPECT_TRUE(QFileInfo::exists(seeded));
}
