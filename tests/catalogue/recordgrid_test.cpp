#include "catalogue/recordgrid.h"
#include "catalogue/recordtablemodel.h"
#include "mainwindowharness.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

std::vector<Row> someEntries()
{
    return {Row{{"Band", "Beatles"}, {"LPTitel", "Abbey Road"}, {"Stil", "Rock"}, {"Bewertung", "5"}},
            Row{{"Band", "Abba"}, {"LPTitel", "Arrival"}, {"Stil", "Pop"}, {"Bewertung", "1"}},
            Row{{"Band", "Ärzte"}, {"LPTitel", "Geräusch"}, {"Stil", "Punk"}},
            Row{{"Band", "ßtraßenjungs"}, {"LPTitel", "Dauerlauf"}, {"Stil", "Schlager"}},
            Row{{"Band", "Scorpions"}, {"LPTitel", "Lovedrive"}, {"Stil", "Hard Rock"}, {"Bewertung", "1"}}};
}

QStringList headers(CatalogueComponent &catalogue)
{
    QStringList names;
    for (int c = 0; c < catalogue.model().columnCount(); ++c)
        names << catalogue.model().headerText(c);
    return names;
}

void clickHeader(QTableView *grid, int section)
{
    QHeaderView *header = grid->horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

int positionOf(MainWindowHarness &h, const QString &band)
{
    for (int p = 0; p < h.data().recordCount(); ++p) {
        if (h.data().text(p, h.data().fieldIndex(QStringLiteral("Band"))) == band)
            return p;
    }
    return -1;
}

} // namespace

TEST(RecordGrid, LayoutsHeaderSortsLetterButtonsAndTypedValuesReachTheGrid)
{
    MainWindowHarness h(someEntries());
    RecordGrid &grid = h.catalogue().recordGrid();
    // SongText leftmost, Preis hidden; position 0 keeps the width it had.
    SettingsStore &settings = h.program().settings;
    grid.setColumnWidth(0, 2400);
    settings.write(keys::TabelleAnordnenCaption, 0, QStringLiteral("SongText1"));
    settings.write(keys::TabelleAnordnenCaption, 12, QStringLiteral("Band1"));
    settings.write(keys::TabelleAnordnenCaption, 3, QStringLiteral("Preis0"));
    settings.write(keys::TabelleAnordnenCaption, 7, QStringLiteral("Stil1"));
    h.catalogue().TabelleAnordnen();
    EXPECT_EQ(headers(h.catalogue()).at(0), QStringLiteral("SongText"));
    EXPECT_EQ(grid.columnWidth(0), 2400);
    EXPECT_EQ(h.catalogue().model().cellText(0, 12), QStringLiteral("Abba"));

    // The sort uses the layout's name of the clicked position, in German order, and is not stored.
    clickHeader(h.catalogue().grid(), 12);
    EXPECT_EQ(h.data().recordSource(), QStringLiteral("select * from Schallplatten order by Band ASC"));
    EXPECT_EQ(settings.read(keys::Data1RecordSource), QStringLiteral("select * from Schallplatten order by Band, LPTitel"));
    EXPECT_EQ(headers(h.catalogue()).at(0), QStringLiteral("SongText")) << "the arrangement survives the reload";

    int cleared = 0;
    h.catalogue().hooks.clearStilAusgeschlossen = [&] { ++cleared; };
    auto *table = h.find<QCheckBox>(QStringLiteral("chkTabelle"));
    ASSERT_NE(table, nullptr);

    // Button "1" ticks the table option and selects the rating.
    QTest::mouseClick(h.find<QToolButton>(QStringLiteral("ButtonAlpabeth_26")), Qt::LeftButton);
    EXPECT_TRUE(table->isChecked());
    EXPECT_EQ(h.program().settings.read(keys::TopRow), QStringLiteral("1"));
    EXPECT_EQ(h.data().recordCount(), 2);

    // The filter is not stored and the selection name stays.
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(h.program().settings.read(keys::Data1RecordSource),
              QStringLiteral("select * from Schallplatten order by Band, LPTitel"));
    EXPECT_EQ(h.catalogue().tableNameLabel()->text(), QStringLiteral("alle"));

    // Unticking shows the whole table again and stores "0".
    QTest::mouseClick(table, Qt::LeftButton);
    EXPECT_EQ(h.program().settings.read(keys::TopRow), QStringLiteral("0"));
    EXPECT_EQ(h.data().recordCount(), 5);

    // What is typed shows in the entry's row at once; it is stored on entry change.
    h.catalogue().detailView();
    QSignalSpy changed(&h.catalogue().model(), &QAbstractItemModel::dataChanged);
    QTest::keyClicks(h.find<QLineEdit>(QStringLiteral("TextLPTitel")), QStringLiteral("X"));
    ASSERT_FALSE(changed.isEmpty());
    const QModelIndex cell = changed.last().at(0).toModelIndex();
    EXPECT_EQ(cell.row(), h.data().absolutePosition());
    EXPECT_EQ(h.catalogue().model().headerText(cell.column()), QStringLiteral("LPTitel"));
    EXPECT_TRUE(cell.data().toString().contains(u'X')) << cell.data().toString().toStdString();
}

// Rich-text fields are stored as RTF; the grid, the sort and the width
// optimisation all go by the text the user sees.
TEST(RecordGrid, RichTextCellsShowSortAndMeasureTheirVisibleText)
{
    std::vector<Row> rows = someEntries();
    rows[0]["Info"] = QString(3000, QLatin1Char('W'));
    QString fonts;
    for (int i = 0; i < 100; ++i)
        fonts += QStringLiteral("{\\f%1\\fnil\\fcharset0 Schrift Nummer %1;}").arg(i);
    // The raw texts sort the other way round than the visible ones.
    rows[0]["Songs"] = QStringLiteral("{\\rtf1\\ansi\\b{\\fonttbl%1}Zebra\\b0\\par Zwei\\par}").arg(fonts);
    rows[1]["Songs"] = QStringLiteral("{\\rtf1\\ansi\\deff0 Anton}");
    rows[2]["Songs"] = QStringLiteral("{\\rtf1\\ansi \\'e4tzend}");
    MainWindowHarness h(rows);
    CatalogueComponent &catalogue = h.catalogue();
    const int songs = static_cast<int>(headers(catalogue).indexOf(QStringLiteral("Songs")));
    EXPECT_EQ(catalogue.model().index(positionOf(h, QStringLiteral("Beatles")), songs).data().toString(),
              QStringLiteral("Zebra · Zwei"));

    // The width optimisation measures the visible text and caps long texts.
    RecordGrid &grid = catalogue.recordGrid();
    grid.optimiseColumnWidths();
    EXPECT_LT(grid.columnWidth(songs), 3000); // not the font table's width
    EXPECT_EQ(grid.columnWidth(int(headers(catalogue).indexOf(QStringLiteral("Info")))), 10000);

    clickHeader(catalogue.grid(), songs);
    EXPECT_LT(positionOf(h, QStringLiteral("Abba")), positionOf(h, QStringLiteral("Ärzte")));
    EXPECT_LT(positionOf(h, QStringLiteral("Ärzte")), positionOf(h, QStringLiteral("Beatles")));
}
