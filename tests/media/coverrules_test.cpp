#include "media/coverrules.h"

#include "support/tempfolders.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>
#include <gtest/gtest.h>

using namespace klangtruhe;
using klangtruhe::test::TestEnvironment;
using klangtruhe::test::writeFile;

namespace {

const QString deg = QString(QChar(0x00B0));

QByteArray jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

// A BMP header that claims 60000 × 60000 pixels of 24 bits (about 10 GB).
QByteArray hugeBmpHeader()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 16) << quint32(0) << quint32(54);
    out << quint32(40) << qint32(60000) << qint32(60000) << quint16(1) << quint16(24) << quint32(0)
        << quint32(0) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    out.writeRawData("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16);
    return bytes;
}

} // namespace

TEST(CoverRules, StripListNamesEveryMatchingRowExactly)
{
    const QStringList files = {"Abba - Gold.jpg", "abba - gold.png", "Can - Tago Mago.v2.jpg", "Neu! - Neu! 75",
                               "Zappa - Hot Rats.gif"};
    const std::vector<std::pair<QString, QString>> rows = {
        {"Abba", "Gold"}, {"Can", "Tago Mago.v2"}, {"Neu!", "Neu! 75"}, {"Abba", "Gold"}, {"Zappa", "Apostrophe"}};
    // Exact and case-sensitive; the extension ends at the last dot; a file
    // matching two rows appears twice; a file without extension is its own name.
    EXPECT_EQ(coverListFor(files, rows),
              (QStringList{"Abba - Gold.jpg", "Abba - Gold.jpg", "Can - Tago Mago.v2.jpg", "Neu! - Neu! 75"}));
    EXPECT_TRUE(coverListFor(files, {}).isEmpty());
    EXPECT_EQ(coverFolder(QStringLiteral("/daten/")), QStringLiteral("/daten/Bilder"));
    EXPECT_TRUE(coverFolder(QString()).isEmpty()); // no database, no relative folder
}

TEST(CoverRules, SlotCountAndPaging)
{
    EXPECT_EQ(coverSlotsFor(8000, 100), 6);
    EXPECT_EQ(coverSlotsFor(2869, 100), 0); // a slot needs 970 twips below the first 1900
    EXPECT_EQ(coverSlotsFor(2870, 100), 1);
    EXPECT_EQ(coverSlotsFor(8000, 3), 2);
    EXPECT_EQ(coverSlotsFor(8000, 0), -1);
    EXPECT_EQ(coverSlotsFor(100000, 500), 21); // the strip has 22 slots

    // Ten covers, four slots in use (CoverSlots 3).
    EXPECT_EQ(coverStartDown(0, 3, 10), 4);
    EXPECT_EQ(coverStartDown(4, 3, 10), 6); // the end shows the last four
    EXPECT_EQ(coverStartDown(6, 3, 10), 6);
    EXPECT_EQ(coverStartUp(6, 3), 2);
    EXPECT_EQ(coverStartUp(2, 3), 0); // the start shows the first four
    // Redraw at the same place: back by a page, then forward.
    EXPECT_EQ(coverStartDown(5 - 3 - 1, 3, 10), 5);
    // The list shrank below the start: the last page.
    EXPECT_EQ(coverStartDown(8 - 2 - 1, 2, 3), 0);
    EXPECT_EQ(coverStartDown(0 - (-1) - 1, -1, 0), 0);
}

TEST(CoverRules, EntryCoverIsFoundWithoutRegardToCaseAndBlanks)
{
    const QStringList covers = {"ABBA - Arrival.jpg", " abba - gold.jpg ", "Abba - Gold.png"};
    EXPECT_EQ(coverIndexForEntry(covers, QStringLiteral(" Abba "), QStringLiteral("GOLD")), 1);
    EXPECT_EQ(coverIndexForEntry(covers, QStringLiteral("Abba"), QStringLiteral("Voulez-Vous")), -1);
    // The test is "contains both", so a title inside another cover's name finds that one first.
    EXPECT_EQ(coverIndexForEntry(covers, QStringLiteral("Abba"), QStringLiteral("Arr")), 0);
}

TEST(CoverRules, SeparatedListsNeedTheTrailingSign)
{
    EXPECT_EQ(separatedMembers("a.jpg" + deg + "b.jpg"), QStringList{"a.jpg"});
    EXPECT_EQ(separatedMembers("  a.jpg" + deg + "b.jpg" + deg + "  "), (QStringList{"a.jpg", "b.jpg"}));
    EXPECT_TRUE(separatedMembers(QStringLiteral("a.jpg")).isEmpty());
    EXPECT_TRUE(separatedMembers(QStringLiteral("   ")).isEmpty());

    EXPECT_EQ(lookupPath(QStringLiteral("D:\\alt\\x.jpg"), true, QStringLiteral("/db/Bilder")),
              QStringLiteral("/db/Bilder/x.jpg"));
    EXPECT_TRUE(lookupPath(QStringLiteral("x.jpg"), true, QString()).isEmpty());
    EXPECT_EQ(lookupPath(QStringLiteral("D:\\alt\\x.jpg"), false, QStringLiteral("/db/Bilder")),
              QStringLiteral("D:\\alt\\x.jpg"));

    EXPECT_EQ(externalCoverCaption(0), QStringLiteral("0 externe Cover"));
    EXPECT_EQ(externalCoverCaption(1), QStringLiteral("1 externes Cover"));
    EXPECT_EQ(externalCoverCaption(2), QStringLiteral("2 externe Cover"));
}

TEST(CoverRules, ExternalCoversListOnlyExistingFiles)
{
    TestEnvironment env;
    const QString folder = env.path(QStringLiteral("Bilder"));
    const QString umlaut = env.path(QStringLiteral("Alte Hüllen/Ärzte - Jazz ist anders.jpg"));
    writeFile(umlaut, jpeg(8, 8));
    writeFile(folder + QStringLiteral("/Ärzte - Jazz ist anders.jpg"), jpeg(8, 8));
    const QString missing = env.path(QStringLiteral("weg.jpg"));
    const QString field = umlaut + deg + missing + deg + env.path(QStringLiteral("Alte Hüllen")) + deg;

    // Stored paths as they stand: the folder is no file, the missing one is left out.
    EXPECT_EQ(existingListedFiles(field, false, folder), QStringList{umlaut});
    // From the cover folder: a Windows path finds its file there by name.
    const QString windows = QStringLiteral("D:\\Hüllen\\Ärzte - Jazz ist anders.jpg") + deg;
    EXPECT_EQ(existingListedFiles(windows, true, folder), QStringList{folder + QStringLiteral("/Ärzte - Jazz ist anders.jpg")});
    // A missing cover folder lists nothing, and so does an empty member.
    EXPECT_TRUE(existingListedFiles(windows, true, env.path(QStringLiteral("nirgends"))).isEmpty());
    EXPECT_TRUE(existingListedFiles(deg, true, folder).isEmpty());

    EXPECT_EQ(coverFolderFiles(folder), QStringList{"Ärzte - Jazz ist anders.jpg"});
    EXPECT_TRUE(coverFolderFiles(env.path(QStringLiteral("nirgends"))).isEmpty());
}

TEST(CoverRules, PicturesThatDoNotLoadGiveNullImages)
{
    TestEnvironment env;
    writeFile(env.path(QStringLiteral("gross.jpg")), jpeg(1600, 800));
    writeFile(env.path(QStringLiteral("text.jpg")), QByteArray("kein Bild, nur Text\n"));
    writeFile(env.path(QStringLiteral("riesig.bmp")), hugeBmpHeader());
    writeFile(env.path(QStringLiteral("leer.png")), QByteArray());

    const QImage big = loadPicture(env.path(QStringLiteral("gross.jpg")), QSize(100, 100));
    EXPECT_EQ(big.size(), QSize(100, 50)); // read small, aspect kept
    for (const QString &path :
         {env.path("text.jpg"), env.path("riesig.bmp"), env.path("leer.png"), env.path("fehlt.jpg"), QString()})
        EXPECT_TRUE(loadPicture(path, QSize(100, 100)).isNull()) << path.toStdString();
}

TEST(CoverRules, EnlargedViewKeepsTheRightEdge)
{
    const QRectF cover(8610, 1380, 4150, 4150);
    const QRectF view = enlargedViewRect(cover, QSizeF(15000, 10000));
    EXPECT_DOUBLE_EQ(view.right(), cover.right());
    EXPECT_DOUBLE_EQ(view.top(), cover.top());
    EXPECT_DOUBLE_EQ(view.height(), 10000 - 1380);
    EXPECT_DOUBLE_EQ(view.width(), view.height());
    // A window too small for more: never smaller than the picture itself.
    EXPECT_DOUBLE_EQ(enlargedViewRect(cover, QSizeF(5000, 3000)).width(), 4150);
}
