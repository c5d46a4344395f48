#include "catalogue/columnlayout.h"
#include "catalogue/jetfunctions.h"
#include "catalogue/jetsql.h"
#include "search/searchrules.h"
#include "support/catalogues.h"
#include "support/tempfolders.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

// Readable failure messages.
void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
void PrintTo(const QStringList &list, std::ostream *out) { *out << '[' << list.join(" | ").toStdString() << ']'; }

namespace {

// One column of a Jet statement's result on a catalogue file, NULL shown as "<null>".
QStringList column(const QString &path, const QString &jetStatement, const QString &name)
{
    const QVariant joined = querySingle(path, "select group_concat(coalesce(" + name + ", '<null>'), '|') from ("
                                                  + jetToSqlite(jetStatement) + ")");
    return joined.isValid() ? joined.toString().split(u'|') : QStringList();
}

} // namespace

TEST(JetToSqlite, OrderByTermsSortGermanAndNothingElseChanges)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"select * from Schallplatten where Band like 'b*' order by Band, LPTitel",
         "select * from Schallplatten where Band like 'b*' order by Band COLLATE GERMAN, LPTitel COLLATE GERMAN"},
        {"SELECT * FROM Schallplatten ORDER BY Preis desc, [LPTitel]asc;",
         "SELECT * FROM Schallplatten ORDER BY Preis COLLATE GERMAN desc, [LPTitel] COLLATE GERMAN asc;"},
        {"select * from Schallplatten order by lower(Band || ', ' || LPTitel) DESC",
         "select * from Schallplatten order by lower(Band || ', ' || LPTitel) COLLATE GERMAN DESC"},
        {"select * from Schallplatten order by Band collate nocase",
         "select * from Schallplatten order by Band collate nocase"},
        {"select * from Schallplatten where Band like 'x order by y' or Info = \"order by, z\"",
         "select * from Schallplatten where Band like 'x order by y' or Info = 'order by, z'"},
        {"select * from Schallplatten where Band = \"O'Brien \"\"Live\"\"\" order by Band",
         "select * from Schallplatten where Band = 'O''Brien \"Live\"' order by Band COLLATE GERMAN"},
        {"update Schallplatten set LPTitel = 'Konzert Live' where LPTitel = 'Live Live'",
         "update Schallplatten set LPTitel = 'Konzert Live' where LPTitel = 'Live Live'"},
        {"select * from (select * from Schallplatten order by Band) order by LPTitel",
         "select * from (select * from Schallplatten order by Band COLLATE GERMAN) order by LPTitel COLLATE GERMAN"},
        {"select * from Schallplatten where Songs like '*M\\?fcller*' order by",
         "select * from Schallplatten where Songs like '*M\\?fcller*' order by"},
    };
    for (const auto &[jet, sqlite] : cases)
        EXPECT_EQ(jetToSqlite(jet), sqlite) << jet.toStdString();
}

TEST(JetSql, LetterAndRatingButtonsFilterWithoutRegardToCase)
{
    std::vector<Row> rows;
    for (int k = 0; k < 26; ++k)
        rows.push_back(Row{{"Band", QString(QChar(u'A' + k)) + "-Band"}});
    for (const char *band : {"abba", "Ärzte", "Öl", "Übermut", "ßpecial", "äbte"})
        rows.push_back(Row{{"Band", QString::fromUtf8(band)}});
    rows.push_back(Row{{"LPTitel", "ohne Band"}});
    for (const char *rating : {"1", "11", "6", ""})
        rows.push_back(Row{{"Band", QStringLiteral("Nr. ") + QLatin1String(rating)}, {"Bewertung", rating}});
    TestEnvironment env;
    const QString path = makeCatalogue(env.path("a.mdb"), rows);

    for (int k = 0; k < 26; ++k) {
        QStringList expected = {QString(QChar(u'A' + k)) + "-Band"};
        if (k == 0)
            expected = QStringList{"A-Band", "abba", "äbte", "Ärzte"};
        if (k == 13)
            expected << "Nr. " << "Nr. 1" << "Nr. 11" << "Nr. 6";
        if (k == 14)
            expected << "Öl";
        if (k == 18)
            expected << "ßpecial";
        if (k == 20)
            expected << "Übermut";
        EXPECT_EQ(column(path, letterFilterStatement(k, "Band"), "Band"), expected) << "button " << k;
    }
    EXPECT_EQ(column(path, letterFilterStatement(14, "LPTitel"), "LPTitel"), QStringList{"ohne Band"});
    EXPECT_EQ(column(path, letterFilterStatement(26, "Band"), "Band"), QStringList{"Nr. 1"});
    EXPECT_EQ(column(path, letterFilterStatement(31, "Band"), "Band"), QStringList{"Nr. 6"});
}

TEST(JetSql, SearchStatementsFindTextInAnyFieldAndInRichText)
{
    TestEnvironment env;
    const QString path = makeCatalogue(
        env.path("a.mdb"),
        {Row{{"Band", "Abba"}, {"Stil", "Pop"}, {"LPTitel", "Gold"}},
         Row{{"Band", "Deep Purple"}, {"Stil", "Hard Rock"},
             {"Songs", R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\f0 1. Smoke\par 2. M\'fcller\par})"}},
         Row{{"Band", "Heino"}, {"Stil", "Schlager"}, {"Info", "Müller-Lied"}},
         Row{{"Band", "O'Brien"}, {"Stil", "Folk"}, {"Bewertung", "5"}}, Row{{"Band", "Leer"}},
         Row{{"Band", "100%"}, {"BestellNr", "100*"}}, Row{{"Band", "Zz"}, {"BestellNr", "100x"}}});

    // The statements of the search dialog, "Alle" with the rich-text field searched with \?xx for umlauts.
    QStringList all;
    for (const SearchField &field : searchFields())
        all << QString::fromLatin1(field.field);
    const auto found = [&](const QStringList &in, const QString &text) {
        return column(path, searchStatement(in, QStringLiteral("Band"), text), "Band");
    };
    EXPECT_EQ(found({"Band"}, "abba"), QStringList{"Abba"});
    EXPECT_EQ(found({"Stil"}, "Rock, Pop"), (QStringList{"Abba", "Deep Purple"}));
    EXPECT_EQ(found({"Band"}, "O'Brien"), QStringList{"O'Brien"});
    EXPECT_EQ(found(all, "Müller"), (QStringList{"Deep Purple", "Heino"}));

    // NULL fields match neither LIKE nor NOT LIKE.
    EXPECT_EQ(column(path, "select * from Schallplatten where Info like '*' order by Band", "Band"), QStringList{"Heino"});
    EXPECT_EQ(column(path, "select * from Schallplatten where Info not like 'x*' order by Band", "Band"),
              QStringList{"Heino"});
    // ESCAPE makes a wildcard a plain character.
    EXPECT_EQ(column(path, "select * from Schallplatten where BestellNr like '100!*' escape '!'", "Band"),
              QStringList{"100%"});
}
