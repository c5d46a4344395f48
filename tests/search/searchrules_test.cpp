#include "search/fulltextstep.h"
#include "search/quicksearchstep.h"
#include "search/searchtext.h"

#include <gtest/gtest.h>
#include <set>

using namespace klangtruhe;

TEST(SearchText, ComparesInLowerCaseWithUmlautsAndPlainCharacters)
{
    EXPECT_EQ(quickSearchKey(QStringLiteral("Die ÄRZTE")), QStringLiteral("die ärzte"));
    // Nothing to search: empty or one blank; two blanks are a search text.
    EXPECT_EQ(quickSearchKey(QStringLiteral(" ")), QString());
    EXPECT_EQ(quickSearchKey(QStringLiteral("  ")), QStringLiteral("  "));

    const QString longText(100000, QLatin1Char('x'));
    const struct {
        QString text, key;
        bool found;
    } cases[] = {
        {"ÖSTERREICH", "österr", true},
        {"Geraeusch", "räusch", false},
        {"abc", "", false},
        {"AC/DC (Live) [1979] *+?", "(live) [1979] *+?", true}, // regex-like characters are plain
        {"Live", ".*", false},
        {longText + "y", longText, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(containsLowered(c.text, c.key), c.found) << c.text.left(30).toStdString() << " / " << c.key.left(30).toStdString();

    // A letter whose lower case is longer elsewhere keeps the positions behind it.
    const QString text = QStringLiteral("İstanbul Love");
    EXPECT_EQ(lowerKeepingPositions(text).size(), text.size());
    EXPECT_EQ(findLowered(text, QStringLiteral("love")), 9);

    // A playlist title loses its ending and its rating mark.
    const std::pair<QString, QString> titles[] = {
        {"04 - Live - 5.mp3", "04 - live"}, {"Mr. Blue Sky - 1 - 6.wav", "mr. blue sky"},
        {"Ohne Endung", "ohne endung"},     {".mp3", ""},
        {"Take 7 - 7.mp3", "take 7 - 7"},
    };
    for (const auto &[title, expected] : titles)
        EXPECT_EQ(playlistTitleSearchText(title), expected) << title.toStdString();
}

TEST(SearchText, FullTextFindsFromAPositionIgnoringCase)
{
    const QString songs = QStringLiteral("1. Love me do\n2. All you need is LOVE\n");
    const struct {
        QString text, key;
        int from, found;
    } cases[] = {
        {songs, "love", 5, 34}, {songs, "love", 35, 0}, {songs, "love", 0, 4},
        {songs, "love", 1000, 0}, {songs, "", 1, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(findFromPosition(c.text, c.key, c.from), c.found) << c.key.toStdString() << " from " << c.from;

    FullTextSearchState state{QStringLiteral("Love"), 1};
    EXPECT_EQ(fullTextFindNext(state, songs), 4);
    EXPECT_EQ(state.start, 5);
    EXPECT_EQ(fullTextFindNext(state, songs), 34);
    EXPECT_EQ(fullTextFindNext(state, songs), 0);
    EXPECT_EQ(state.start, 35); // the miss leaves the position
}

TEST(QuickSearchStep, WalksHitAfterHitThenStartsAgainAfterAMiss)
{
    // Rows 1..6; the cells of 2, 4 and 5 hold the key, but 4 shows nothing that counts.
    const std::set<int> cells{2, 4, 5};
    const std::set<int> marks{2, 5};
    std::vector<int> shown;
    QuickSearchState state;
    const QString key = QStringLiteral("beat");
    auto step = [&] {
        const int hit = quickSearchScan(
            quickSearchStartRow(state, key), 6, [&](int row) { return cells.count(row) > 0; },
            [&](int row) {
                shown.push_back(row);
                return marks.count(row) > 0;
            });
        if (hit > 0)
            quickSearchHit(state, hit, key);
        else
            quickSearchMiss(state);
        return hit;
    };
    EXPECT_EQ(step(), 2);
    EXPECT_EQ(step(), 5);
    EXPECT_EQ(shown, (std::vector<int>{2, 4, 5})); // rows without the key in a cell are not shown
    EXPECT_EQ(step(), 0);
    EXPECT_EQ(state.row, 1);
    EXPECT_EQ(step(), 2); // wrapped round

    // Another text starts at row 1 again, as does a cleared position.
    EXPECT_EQ(quickSearchStartRow(state, QStringLiteral("beatles")), 1);
    EXPECT_EQ(quickSearchStartRow(state, key), 3);
    state.row = 0;
    EXPECT_EQ(quickSearchStartRow(state, key), 1);
}
