#include "catalogue/pathparts.h"
#include "catalogue/recentlist.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {
RecentList full()
{
    RecentList list;
    for (int i = 0; i < 10; ++i)
        list[static_cast<size_t>(i)] = QStringLiteral("C:\\db%1.mdb").arg(i);
    return list;
}
} // namespace

TEST(RecentList, KeepsTenDistinctPathsNewestFirst)
{
    // A path already in slot 5 moves to the top; the other nine keep their order.
    RecentList list = OrdnerMenuPfad(full(), QStringLiteral("C:\\db5.mdb"));
    const QStringList expected = {"C:\\db5.mdb", "C:\\db0.mdb", "C:\\db1.mdb", "C:\\db2.mdb", "C:\\db3.mdb",
                                  "C:\\db4.mdb", "C:\\db6.mdb", "C:\\db7.mdb", "C:\\db8.mdb", "C:\\db9.mdb"};
    EXPECT_EQ(QStringList(list.begin(), list.end()), expected);

    // A new path on a full list pushes the last one out.
    list = OrdnerMenuPfad(full(), QStringLiteral("D:\\neu.mdb"));
    EXPECT_EQ(QStringList(list.begin(), list.end()),
              (QStringList{"D:\\neu.mdb", "C:\\db0.mdb", "C:\\db1.mdb", "C:\\db2.mdb", "C:\\db3.mdb",
                           "C:\\db4.mdb", "C:\\db5.mdb", "C:\\db6.mdb", "C:\\db7.mdb", "C:\\db8.mdb"}));

    // The same file leaves one entry, in another spelling too: a link, "..", a second slash.
    TestEnvironment env;
    const QString file = env.path("Sammlung.mdb");
    writeFile(file, "x");
    QFile::link(file, env.path("Verweis.mdb"));
    QDir().mkpath(env.path("unter"));
    for (const QString &other : {file, env.path("Verweis.mdb"), env.path("unter/../Sammlung.mdb"),
                                 env.root() + QStringLiteral("//Sammlung.mdb")}) {
        list = OrdnerMenuPfad(OrdnerMenuPfad(RecentList{}, file), other);
        EXPECT_EQ(list[0], other);
        EXPECT_TRUE(list[1].isEmpty()) << other.toStdString();
    }
}

TEST(RecentList, ClosesGapsWithOneForwardSweep)
{
    // Slot 3 was emptied through the "Datenbank nicht gefunden" question: the next open closes the gap.
    RecentList list = full();
    list[3].clear();
    list = OrdnerMenuPfad(list, QStringLiteral("X"));
    EXPECT_EQ(list[0], QStringLiteral("X"));
    EXPECT_EQ(list[3], QStringLiteral("C:\\db2.mdb"));
    EXPECT_EQ(list[4], QStringLiteral("C:\\db4.mdb"));
    EXPECT_EQ(list[9], QStringLiteral("C:\\db9.mdb"));

    // Two empty slots in a row close only partly in one sweep; nothing filled is lost.
    RecentList gaps;
    gaps[0] = QStringLiteral("a");
    gaps[3] = QStringLiteral("d");
    gaps = OrdnerMenuPfad(gaps, QStringLiteral("n"));
    EXPECT_EQ(QStringList(gaps.begin(), gaps.end()).filter(QRegularExpression(QStringLiteral("."))),
              (QStringList{"n", "a", "d"}));
}

TEST(PathParts, SplitAtBothSeparatorsAndNeverFail)
{
    const char *cases[][3] = {{"C:\\Musik\\Archiv.mdb", "C:\\Musik\\", "Archiv.mdb"},
                              {"/home/a/b.mdb", "/home/a/", "b.mdb"},
                              {"Archiv.mdb", "", "Archiv.mdb"},
                              {"C:\\Musik\\", "C:\\Musik\\", ""},
                              {"", "", ""}};
    for (const auto &c : cases) {
        EXPECT_EQ(FolderPart(QString::fromLatin1(c[0])), QString::fromLatin1(c[1])) << c[0];
        EXPECT_EQ(FileNamePart(QString::fromLatin1(c[0])), QString::fromLatin1(c[2])) << c[0];
    }
}
