#include "catalogue/columndialogrules.h"
#include "catalogue/columnlayout.h"
#include "catalogue/textwidthmeter.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(ColumnLayout, FlagsDecideWidthsAndTheLayoutKeepsPlainNames)
{
    QStringList texts = defaultLayoutTexts();
    ASSERT_EQ(texts.size(), 18);
    texts[3] = QStringLiteral("Preis0");
    texts[4] = QStringLiteral("Preis");      // no flag: text and width stay
    QStringList stored(18, QStringLiteral("1500"));
    stored[1] = QStringLiteral("0");         // a shown column never reads back as 0
    stored[2] = QStringLiteral("abc");       // no number: the width stays as it was
    std::vector<int> widths(19, 777);
    const QStringList layout = applyLayoutWidths(texts, stored, widths);
    EXPECT_EQ(layout.at(3), QStringLiteral("Preis"));
    EXPECT_EQ(layout.at(4), QStringLiteral("Preis"));
    EXPECT_EQ(std::vector<int>(widths.begin(), widths.begin() + 5), (std::vector<int>{1500, 1000, 777, 0, 777}));
    EXPECT_EQ(widths[18], 777); // the picture column is no layout position

    // Fewer columns than layout entries (a statement selecting some fields).
    std::vector<int> few(2, 500);
    applyLayoutWidths(texts, stored, few);
    EXPECT_EQ(few, (std::vector<int>{1500, 1000}));
}

TEST(ColumnLayout, MovesKeepWidthsWithPositionsAndSkipMissingFields)
{
    QStringList headers = {"Band", "LPTitel", "Medium", "SongText", "Bilder"};
    QStringList texts = {"SongText1", "Band1", "Preis1", "Medium0", "LPTitel1"};
    QStringList layout;
    for (const QString &text : texts)
        layout << layoutFieldName(text);
    std::vector<int> widths = {1100, 1200, 1300, 1400, 1500};
    const auto moves = arrangeColumns(headers, layout, texts, widths);
    // SongText to the front; Band is then at 1 already; Preis is missing, nothing moves for it.
    EXPECT_EQ(headers, (QStringList{"SongText", "Band", "LPTitel", "Medium", "Bilder"}));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(3, 0));
    // Position 3 (Medium0) is hidden again, the others keep their widths.
    EXPECT_EQ(widths, (std::vector<int>{1100, 1200, 1300, 0, 1500}));

    // An arranged table arranges to nothing.
    EXPECT_TRUE(arrangeColumns(headers, layout, texts, widths).empty());
}

TEST(ColumnLayout, LetterButtonStatementsAndTheJumpRules)
{
    // Buttons 0..25 are the letters, the umlaut with its base letter; 26..31 the ratings 1..6.
    const struct {
        int button;
        const char *column, *condition;
    } buttons[] = {
        {0, "Band", "Band like 'a*' or Band like 'ä*'"},   {1, "Band", "Band like 'b*'"},
        {14, "Stil", "Stil like 'o*' or Stil like 'ö*'"},  {18, "Band", "Band like 's*' or Band like 'ß*'"},
        {20, "Band", "Band like 'u*' or Band like 'ü*'"},  {25, "Info", "Info like 'z*'"},
        {26, "Stil", "Bewertung like '1'"},                 {31, "Band", "Bewertung like '6'"},
    };
    for (const auto &b : buttons) {
        EXPECT_EQ(letterFilterStatement(b.button, QString::fromUtf8(b.column)),
                  "select * from Schallplatten where " + QString::fromUtf8(b.condition) + " order by Band, LPTitel")
            << b.button;
    }

    EXPECT_TRUE(startsWithLetter(QStringLiteral("abba"), QLatin1Char('A')));
    EXPECT_FALSE(startsWithLetter(QStringLiteral("Ärzte"), QLatin1Char('A')));
    EXPECT_FALSE(startsWithLetter(QString(), QLatin1Char('A')));
    EXPECT_FALSE(mayBecomeTopRow(0, 10));
    EXPECT_FALSE(mayBecomeTopRow(9, 10)); // the last row
    EXPECT_TRUE(mayBecomeTopRow(8, 10));
}

TEST(ColumnDialogRules, ListsFromTheStoreAndWhatOkStores)
{
    QStringList texts = defaultLayoutTexts();
    texts[7] = QStringLiteral("Preis0");
    texts[8] = QStringLiteral("Datum"); // no flag: shown as it is
    const ColumnLists lists = listsFromLayoutTexts(texts);
    EXPECT_EQ(lists.hidden, QStringList{QStringLiteral("Preis")});
    EXPECT_EQ(lists.visible.at(7), QStringLiteral("Datum"));

    EXPECT_EQ(layoutTextsFromLists(lists).at(17), QStringLiteral("Preis0"));

    // Moves beyond the ends or without a selection change nothing.
    QStringList items = {"a", "b", "c"};
    EXPECT_EQ(moveListItem(items, 0, -1), 0);
    EXPECT_EQ(moveListItem(items, 2, 1), 2);
    EXPECT_EQ(items, (QStringList{"a", "b", "c"}));
    EXPECT_EQ(moveListItem(items, 1, -1), 0);
    EXPECT_EQ(items, (QStringList{"b", "a", "c"}));
}

TEST(TextWidthMeter, AddsRememberedAdvancesAndStopsAtTheLimit)
{
    QFont font;
    font.setPointSize(10);
    const TextWidthMeter meter(font, 160);
    const QFontMetricsF metrics(font);
    for (const QString &text : {QStringLiteral("Abbey Road"), QStringLiteral("Die Ärzte – Geräusch"),
                                QStringLiteral("Straße 𝄞 Noten")}) {
        const double exact = metrics.horizontalAdvance(text);
        EXPECT_NEAR(meter.width(text.toUtf8(), 1e9), exact, 0.1 * exact + 3) << text.toStdString();
    }
    // Line breaks count as blanks; broken UTF-8 neither crashes nor stalls.
    EXPECT_NEAR(meter.width(QByteArray("a\r\nb"), 1e9), meter.width(QByteArray("a  b"), 1e9), 0.01);
    EXPECT_GT(meter.width(QByteArray("\xc3\xff\xe2\x82", 4), 1e9), 0);
    // Counting ends at the limit and at the characters a cell shows.
    const QByteArray longText(100000, 'W');
    const double limited = meter.width(longText, 300);
    EXPECT_GE(limited, 300);
    EXPECT_LT(limited, 300 + metrics.horizontalAdvance(QLatin1Char('W')) + 1);
    EXPECT_NEAR(meter.width(longText, 1e9), 160 * metrics.horizontalAdvance(QLatin1Char('W')), 1);
}
