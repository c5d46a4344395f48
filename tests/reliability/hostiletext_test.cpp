#include "catalogue/data1.h"
#include "reliability/fuzzbudget.h"
#include "reliability/germanmessages.h"
#include "search/searchrules.h"
#include "support/catalogues.h"
#include "support/tempfolders.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>


using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// The bands the search for text finds, sorted.
QStringList bandsFound(const QString &path, const QString &text, DatabaseError &error)
{
    Data1 data;
    data.setDatabaseName(path);
    data.setRecordSource(searchStatement({QStringLiteral("Band")}, QStringLiteral("Band"), text));
    QStringList bands;
    const bool read = data.refresh(error);
    for (int i = 0; read && i < data.recordCount(); ++i)
        bands << data.text(i, data.fieldIndex(QStringLiteral("Band")));
    bands.sort();
    return bands;
}

const QStringList kHostileBands = {
    QStringLiteral("O'Brien"),     QStringLiteral("100% Rock"),   QStringLiteral("a_b"),
    QStringLiteral("[Klammer"),    QStringLiteral("C:\\Pfad\\"),  QStringLiteral("x';DROP TABLE Schallplatten;--"),
    QStringLiteral("\"Zitat\""),   QStringLiteral("Ärzte"),       QStringLiteral("axb"),
    QStringLiteral("1000 Rocker"),
};

} // namespace

// Whatever the user types into a search or a replacement is text, never SQL:
// quotes end no literal, SQLite's own wildcards % and _ stay letters, and the
// table is still there afterwards.
TEST(HostileText, SearchAndReplaceTreatTypedTextAsText)
{
    TestEnvironment env;
    std::vector<Row> rows;
    for (const QString &band : kHostileBands)
        rows.push_back({{QStringLiteral("Band"), band}, {QStringLiteral("Stil"), QStringLiteral("Rock")}});
    const QString path = makeCatalogue(env.path(QStringLiteral("Sammlung.mdb")), rows);

    const QList<QPair<QString, QStringList>> searches = {
        {QStringLiteral("O'Brien"), {QStringLiteral("O'Brien")}},
        {QStringLiteral("%"), {QStringLiteral("100% Rock")}},
        {QStringLiteral("a_b"), {QStringLiteral("a_b")}},
        {QStringLiteral("[Klammer"), {QStringLiteral("[Klammer")}},
        {QStringLiteral("C:\\Pfad\\"), {QStringLiteral("C:\\Pfad\\")}},
        {QStringLiteral("';DROP TABLE Schallplatten;--"), {QStringLiteral("x';DROP TABLE Schallplatten;--")}},
        {QStringLiteral("\"Zitat\""), {QStringLiteral("\"Zitat\"")}},
        {QStringLiteral("ärzte"), {QStringLiteral("Ärzte")}},
        // Jet's own wildcards keep their meaning, as in the search they always had.
        {QStringLiteral("a?b"), {QStringLiteral("a_b"), QStringLiteral("axb")}},
        {QStringLiteral("1#0"), {QStringLiteral("100% Rock"), QStringLiteral("1000 Rocker")}},
        {QStringLiteral("[K]lammer"), {QStringLiteral("[Klammer")}},
    };
    for (const auto &[text, expected] : searches) {
        SCOPED_TRACE(text.toStdString());
        DatabaseError error;
        EXPECT_EQ(bandsFound(path, text, error), expected);
        EXPECT_FALSE(error.isError()) << error.description.toStdString();
    }

    Data1 data;
    data.setDatabaseName(path);
    data.setRecordSource(QStringLiteral("select * from Schallplatten"));
    DatabaseError error;
    ASSERT_TRUE(data.refresh(error));
    for (const QString &band : kHostileBands) {
        SCOPED_TRACE(band.toStdString());
        const QString renamed = band + QStringLiteral("'%_ neu");
        EXPECT_EQ(data.execute(replaceStatement(QStringLiteral("Band"), band, renamed), error), 1);
        EXPECT_FALSE(error.isError()) << error.description.toStdString();
        EXPECT_EQ(querySingle(path, QStringLiteral("select count(*) from Schallplatten where Band = '%1'")
                                        .arg(quoteDoubled(renamed))).toInt(), 1);
    }
    EXPECT_EQ(querySingle(path, QStringLiteral("select count(*) from Schallplatten")).toInt(), kHostileBands.size());

    // A statement that is no valid SQL at all fails in German, without SQLite's words.
    EXPECT_EQ(data.execute(QStringLiteral("update Schallplatten set Band = 'x' where ((("), error), -1);
    EXPECT_TRUE(error.isError());
    EXPECT_FALSE(soundsEnglish(error.description)) << error.description.toStdString();
}

// Random texts of quotes, SQL and LIKE characters: every search statement
// runs, fast, and finds exactly the entries that contain the text.
TEST(HostileText, RandomSearchTextsRunAndFindWhatContainsThem)
{
    static const char alphabet[] = "aAbB'\"%_\\;-()=/.:xX";
    std::mt19937 random(fuzzSeed(4711));
    const auto randomText = [&random](int maxLength) {
        QString text;
        for (qsizetype i = 1 + below(random, maxLength); i > 0; --i)
            text += QLatin1Char(alphabet[below(random, sizeof(alphabet) - 1)]);
        return text;
    };
    TestEnvironment env;
    std::vector<Row> rows;
    QStringList bands;
    for (int i = 0; i < 60; ++i) {
        bands << randomText(12);
        rows.push_back({{QStringLiteral("Band"), bands.constLast()}});
    }
    const QString path = makeCatalogue(env.path(QStringLiteral("Sammlung.mdb")), rows);

    const int searches = fuzzCount(300);
    qint64 slowest = 0;
    int wrong = 0;
    for (int s = 0; s < searches; ++s) {
        // Half the searches take a piece of a stored band, so they find something.
        const QString &band = bands.at(below(random, bands.size()));
        const QString text = s % 2 ? randomText(4) : band.mid(below(random, band.size()), 3);
        if (text.trimmed() != text)
            continue;
        QStringList expected;
        for (const QString &candidate : bands)
            if (candidate.contains(text, Qt::CaseInsensitive))
                expected << candidate;
        DatabaseError error;
        QElapsedTimer timer;
        timer.start();
        const QStringList found = bandsFound(path, text, error);
        slowest = std::max(slowest, timer.elapsed());
        expected.sort();
        if ((error.isError() || found != expected) && ++wrong <= 3)
            ADD_FAILURE() << text.toStdString() << ": " << error.description.toStdString() << " found "
                          << found.join(QLatin1Char('|')).toStdString() << " expected "
                          << expected.join(QLatin1Char('|')).toStdString();
    }
    reportFigure("sql_hostile_searches", searches, "searches");
    reportFigure("sql_wrong_results", wrong, "searches");
    reportFigure("sql_slowest_search", slowest, "ms");
    EXPECT_LT(slowest, 200);
}
