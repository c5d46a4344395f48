#include "catalogue/pathmap.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(PathMap, TheLongestPrefixMapsAtAFolderBoundaryWithoutRegardToCaseOrSlash)
{
    const PathMap map = {{QStringLiteral("D:\\Musik\\"), QStringLiteral("/home/anna/Musik/")},
                         {QStringLiteral("D:\\Musik\\Klassik"), QStringLiteral("/mnt/klassik")},
                         {QStringLiteral("E:\\"), QStringLiteral("/mnt/e")}};
    struct Case {
        const char *stored;
        const char *local;
    };
    const Case cases[] = {
        {"D:\\Musik\\Abba\\", "/home/anna/Musik/Abba/"},
        {"d:\\MUSIK\\Abba\\Waterloo.mp3", "/home/anna/Musik/Abba/Waterloo.mp3"},
        {"D:/Musik/Abba/", "/home/anna/Musik/Abba/"},
        {"D:\\Musik\\Klassik\\Bach\\", "/mnt/klassik/Bach/"},   // the longer pair wins
        {"D:\\Musik\\Klassik2\\", "/home/anna/Musik/Klassik2/"}, // not at a boundary
        {"D:\\Musik\\Klassik", "/mnt/klassik"},
        {"E:\\Hörbücher\\Ä.mp3", "/mnt/e/Hörbücher/Ä.mp3"},
        {"F:\\Musik\\", "F:\\Musik\\"},                          // no pair: unchanged
        {"", ""},
    };
    for (const Case &c : cases) {
        // Mapped paths use the local separator; compared here in "/" spelling.
        EXPECT_EQ(QDir::fromNativeSeparators(mapStoredPath(map, QString::fromUtf8(c.stored))),
                  QDir::fromNativeSeparators(QString::fromUtf8(c.local)))
            << c.stored;
    }
    EXPECT_EQ(parsePathMap(formatPathMap(map)), map);
    EXPECT_EQ(parsePathMap(QStringLiteral("|/leer|D:\\|/d|ungerade")), (PathMap{{QStringLiteral("D:\\"), QStringLiteral("/d")}}));
    EXPECT_EQ(unmappedDriveRoots(map, {QStringLiteral("D:\\"), QStringLiteral("E:\\"), QStringLiteral("F:\\")}),
              (QStringList{QStringLiteral("D:\\"), QStringLiteral("F:\\")}));
}
