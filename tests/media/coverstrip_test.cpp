#include "coverprogram.h"

#include "app/mainwindowlayout.h"
#include "common/twips.h"

#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

std::vector<Row> stripRows()
{
    // Sorted by band and title, as the standard statement lists them.
    return {Row{{"Band", "Abba"}, {"LPTitel", "Arrival"}},  Row{{"Band", "Abba"}, {"LPTitel", "Gold"}},
            Row{{"Band", "Abba"}, {"LPTitel", "Gold"}},     Row{{"Band", "Can"}, {"LPTitel", "Tago Mago"}},
            Row{{"Band", "Dübel"}, {"LPTitel", "Ärger"}},   Row{{"Band", "Eno"}, {"LPTitel", "Apollo"}},
            Row{{"Band", "Faust"}, {"LPTitel", "IV"}}};
}

QMap<QString, QByteArray> stripFiles()
{
    return {{"Abba - Arrival.jpg", pictureBytes(Qt::red)},
            {"Abba - Gold.jpg", pictureBytes(Qt::yellow)},
            {"abba - gold.png", pictureBytes(Qt::blue, "PNG")}, // another case: no match
            {"Can - Tago Mago.jpg", pictureBytes(Qt::green)},
            {"Dübel - Ärger.png", pictureBytes(Qt::cyan, "PNG")},
            {"Faust - IV.jpg", QByteArray("kein Bild")},
            {"Zappa - Hot Rats.jpg", pictureBytes(Qt::gray)}};
}

QLabel *slot(const CoverProgram &p, int i)
{
    return p.control<QLabel>(QStringLiteral("imgCover_%1").arg(i));
}

bool shows(const CoverProgram &p, int i)
{
    return !slot(p, i)->pixmap().isNull() && slot(p, i)->frameShape() == QFrame::Box;
}

// Makes the window's inner area so high that three slots are in use.
void threeSlotsHigh(const CoverProgram &p)
{
    QWidget *area = p.window()->centralWidget();
    const int frame = p.window()->height() - area->height();
    p.window()->resize(p.window()->width(), frame + twipsToPixelsY(1900 + 2 * 970 + 400));
    QCoreApplication::processEvents();
}

} // namespace

TEST(CoverStrip, ListsTheTablesCoversAndFollowsTheEntry)
{
    CoverProgram p(stripRows(), stripFiles());
    CoverComponent &covers = p.covers();
    EXPECT_EQ(covers.coverList(), (QStringList{"Abba - Arrival.jpg", "Abba - Gold.jpg", "Abba - Gold.jpg",
                                               "Can - Tago Mago.jpg", "Dübel - Ärger.png", "Faust - IV.jpg"}));

    threeSlotsHigh(p);
    ASSERT_EQ(covers.coverSlots(), 2);

    p.data().setAbsolutePosition(0);
    EXPECT_EQ(covers.coverStart(), 0);
    EXPECT_TRUE(shows(p, 0) && shows(p, 1) && shows(p, 2));
    EXPECT_FALSE(shows(p, 3));

    // The last entry's cover is at the end: the strip shows the last three,
    // and the damaged file leaves its slot empty.
    p.data().setAbsolutePosition(6);
    EXPECT_EQ(covers.coverStart(), 3);
    EXPECT_TRUE(shows(p, 0) && shows(p, 1));
    EXPECT_FALSE(shows(p, 2));

    // An entry without a cover leaves the strip where it is.
    p.data().setAbsolutePosition(5);
    EXPECT_EQ(covers.coverStart(), 3);

    QTest::mouseClick(p.control<QToolButton>(QStringLiteral("cmdCoverUp")), Qt::LeftButton);
    EXPECT_EQ(covers.coverStart(), 0);
    QTest::mouseClick(p.control<QToolButton>(QStringLiteral("cmdCoverDown")), Qt::LeftButton);
    EXPECT_EQ(covers.coverStart(), 3);
    QTest::mouseClick(p.control<QToolButton>(QStringLiteral("cmdCoverUp")), Qt::LeftButton);

    // A click on the second slot makes the first "Abba - Gold" current; the strip stays.
    QTest::mouseClick(slot(p, 1), Qt::LeftButton);
    EXPECT_EQ(p.data().absolutePosition(), 1);
    EXPECT_EQ(p.data().fieldValue(QStringLiteral("LPTitel")), QStringLiteral("Gold"));
    EXPECT_EQ(covers.coverStart(), 0);
}

TEST(CoverStrip, DoubleClickNamesTheCover)
{
    CoverProgram p(stripRows(), stripFiles());
    threeSlotsHigh(p);
    p.data().setAbsolutePosition(4);
    ASSERT_EQ(p.covers().coverStart(), 3);
    Asked shown;
    answerNextMessage(shown);
    p.covers().imgCover_DblClick(1);
    EXPECT_EQ(str(shown.line()), "Mini-Cover|Dübel - Ärger");
}

TEST(CoverStrip, MissingCoverFolderGivesAnEmptyStrip)
{
    CoverProgram p(stripRows(), {});
    EXPECT_TRUE(p.covers().coverList().isEmpty());
    for (int i = 0; i < 22; ++i)
        EXPECT_FALSE(shows(p, i));
    QTest::mouseClick(slot(p, 0), Qt::LeftButton); // nothing to choose, nothing breaks
    QTest::mouseClick(p.control<QToolButton>(QStringLiteral("cmdCoverDown")), Qt::LeftButton);
    EXPECT_EQ(p.covers().coverStart(), 0);
}
