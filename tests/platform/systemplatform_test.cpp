#include "platform/platform.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// Without a per-user data folder there is no trash; the file stays where it
// is and nothing is made in the folder the program was started from.
TEST(SystemPlatform, NoTrashFolderAppearsWhereTheProgramWasStarted)
{
    TestEnvironment env;
    const QString track = env.path("musik/a.wav");
    writeFile(track, QByteArray("RIFF"));
    const QString startFolder = env.path("start/");
    QDir().mkpath(startFolder);
    const QString oldFolder = QDir::currentPath();
    const QByteArray oldHome = qgetenv("HOME"); // the environment puts XDG_DATA_HOME back
    QDir::setCurrent(startFolder);
    qputenv("HOME", "");
    qputenv("XDG_DATA_HOME", "relativ");

    const bool moved = createSystemPlatform()->moveToRecycleBin(track);

    QDir::setCurrent(oldFolder);
    qputenv("HOME", oldHome);
    EXPECT_FALSE(moved);
    EXPECT_TRUE(QFile::exists(track));
    EXPECT_EQ(QDir(startFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}
#endif
