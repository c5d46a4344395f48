#include "catalogue/columnlayout.h"
#include "catalogue/jetfunctions.h"
#include "catalogue/jetsql.h"
#include "search/searchrules.h"

#include <QStringList>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <gtest/gtest.h>

using namespace klangtruhe;

// Readable failure messages.
void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
void PrintTo(const QStringList &list, std::ostream *out) { *out << '[' << list.join(" | ").toStdString() << ']'; }

namespace {

const QStringList fields = {"Band",     "LPTitel",  "Medium",      "Stil",      "Info",        "Plattenfirma",
                            "BestellNr", "Preis",    "Datum",       "Songs",     "BildPfad",    "Musikpfad",
                            "SongText", "eBook",    "Bewertung",   "InternetTab", "InfoTab",   "SonstigesTab"};

// An in-memory catalogue that runs statements as the program builds them.
class Catalogue {
public:
    Catalogue()
    {
        sqlite3 *db = nullptr;
        sqlite3_open(":memory:", &db);
        m_db.reset(db);
        EXPECT_TRUE(registerJetFunctions(db));
        exec("create table Schallplatten (" + fields.join(" text, ") + " text, Bilder blob)");
    }

    void exec(const QString &sql)
    {
        char *error = nullptr;
        const int rc = sqlite3_exec(m_db.get(), jetToSqlite(sql).toUtf8().constData(), nullptr, nullptr, &error);
        EXPECT_EQ(rc, SQLITE_OK) << sql.toStdString() << ": " << (error ? error : "");
        sqlite3_free(error);
    }

    // Fields not given stay NULL.
    void insert(const std::map<QString, QString> &values)
    {
        QStringList names, params;
        for (const auto &entry : values) {
            names << entry.first;
            params << "?";
        }
        sqlite3_stmt *statement = nullptr;
        const QByteArray sql = ("insert into Schallplatten (" + names.join(',') + ") values (" + params.join(',') + ")")
                                   .toUtf8();
        ASSERT_EQ(sqlite3_prepare_v2(m_db.get(), sql.constData(), -1, &statement, nullptr), SQLITE_OK);
        int index = 1;
        for (const auto &entry : values) {
            const QByteArray text = entry.second.toUtf8();
            sqlite3_bind_text(statement, index++, text.constData(), text.size(), SQLITE_TRANSIENT);
        }
        EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE);
        sqlite3_finalize(statement);
    }

    // One column of the result, NULL shown as "<null>".
    QStringList column(const QString &jetStatement, const QString &name)
    {
        QStringList values;
        sqlite3_stmt *statement = nullptr;
        const QByteArray sql = jetToSqlite(jetStatement).toUtf8();
        const int rc = sqlite3_prepare_v2(m_db.get(), sql.constData(), -1, &statement, nullptr);
        EXPECT_EQ(rc, SQLITE_OK) << sql.constData() << ": " << sqlite3_errmsg(m_db.get());
        if (rc != SQLITE_OK)
            return values;
        int index = -1;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            if (name == QString::fromUtf8(sqlite3_column_name(statement, c)))
                index = c;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, index));
            values << (text ? QString::fromUtf8(text) : QStringLiteral("<null>"));
        }
        sqlite3_finalize(statement);
        return values;
    }

private:
    struct Closer {
        void operator()(sqlite3 *db) const { sqlite3_close(db); }
    };
    std::unique_ptr<sqlite3, Closer> m_db;
};

} // namespace

TEST(JetToSqlite, OrderByTermsSortGermanAndNothingElseChanges)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"select * from Schallplatten order by Band ASC",
         "select * from Schallplatten order by Band COLLATE GERMAN ASC"},
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
        {"select * from Schallplatten where Band like '*O''Brien*' order by Band",
         "select * from Schallplatten where Band like '*O''Brien*' order by Band COLLATE GERMAN"},
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
    Catalogue catalogue;
    for (int k = 0; k < 26; ++k)
        catalogue.insert({{"Band", QString(QChar(u'A' + k)) + "-Band"}, {"LPTitel", "Titel " + QString::number(k)}});
    for (const char *band : {"abba", "Ärzte", "Öl", "Übermut", "ßpecial", "äbte"})
        catalogue.insert({{"Band", QString::fromUtf8(band)}});
    catalogue.insert({{"LPTitel", "ohne Band"}});

    for (int k = 0; k < 26; ++k) {
        const QStringList bands = catalogue.column(letterFilterStatement(k, "Band"), "Band");
        QStringList expected = {QString(QChar(u'A' + k)) + "-Band"};
        if (k == 0)
            expected = QStringList{"A-Band", "abba", "äbte", "Ärzte"};
        if (k == 14)
            expected << "Öl";
        if (k == 18)
            expected << "ßpecial";
        if (k == 20)
            expected << "Übermut";
        EXPECT_EQ(bands, expected) << "button " << k;
    }
    EXPECT_EQ(catalogue.column(letterFilterStatement(14, "LPTitel"), "LPTitel"), QStringList{"ohne Band"});

    catalogue.insert({{"Band", "Eins"}, {"Bewertung", "1"}});
    catalogue.insert({{"Band", "Elf"}, {"Bewertung", "11"}});
    catalogue.insert({{"Band", "Sechs"}, {"Bewertung", "6"}});
    catalogue.insert({{"Band", "Leer"}, {"Bewertung", ""}});
    EXPECT_EQ(catalogue.column(letterFilterStatement(26, "Band"), "Band"), QStringList{"Eins"});
    EXPECT_EQ(catalogue.column(letterFilterStatement(31, "Band"), "Band"), QStringList{"Sechs"});
}

TEST(JetSql, HeaderSortsOrderGermanAscendingAndDescending)
{
    Catalogue catalogue;
    const QStringList german = {"abba", "Ärzte", "Ober", "Öl", "Strasse", "Straße", "Zappa"};
    const QStringList prices = {"7", "3", "6", "1", "5", "2", "4"};
    for (int i = german.size() - 1; i >= 0; --i)
        catalogue.insert({{"Band", german[i]}, {"LPTitel", german[(i + 3) % german.size()]}, {"Preis", prices[i]}});
    catalogue.insert({{"LPTitel", "Zz"}});

    QStringList ascending = QStringList{"<null>"} + german;
    EXPECT_EQ(catalogue.column("select * from Schallplatten order by Band ASC", "Band"), ascending);
    std::reverse(ascending.begin(), ascending.end());
    EXPECT_EQ(catalogue.column("select * from Schallplatten order by Band DESC", "Band"), ascending);
    EXPECT_EQ(catalogue.column("select * from Schallplatten order by LPTitel ASC", "LPTitel"), german + QStringList{"Zz"});
    EXPECT_EQ(catalogue.column("select * from Schallplatten order by Preis DESC", "Band"),
              (QStringList{"abba", "Ober", "Strasse", "Zappa", "Ärzte", "Straße", "Öl", "<null>"}));
}

TEST(JetSql, SearchStatementsFindTextInAnyFieldAndInRichText)
{
    Catalogue catalogue;
    catalogue.insert({{"Band", "Abba"}, {"Stil", "Pop"}, {"LPTitel", "Gold"}});
    catalogue.insert({{"Band", "Deep Purple"}, {"Stil", "Hard Rock"},
                      {"Songs", R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\f0 1. Smoke\par 2. M\'fcller\par})"}});
    catalogue.insert({{"Band", "Heino"}, {"Stil", "Schlager"}, {"Info", "Müller-Lied"}});
    catalogue.insert({{"Band", "O'Brien"}, {"Stil", "Folk"}, {"Bewertung", "5"}});
    catalogue.insert({{"Band", "Leer"}});

    // The statements of the search dialog, "Alle" with the rich-text field searched with \?xx for umlauts.
    QStringList all;
    for (const SearchField &field : searchFields())
        all << QString::fromLatin1(field.field);
    const auto found = [&](const QStringList &in, const QString &text) {
        return catalogue.column(searchStatement(in, QStringLiteral("Band"), text), "Band");
    };
    EXPECT_EQ(found({"Band"}, "abba"), QStringList{"Abba"});
    EXPECT_EQ(found({"Stil"}, "Rock, Pop"), (QStringList{"Abba", "Deep Purple"}));
    EXPECT_EQ(found({"Band"}, "O'Brien"), QStringList{"O'Brien"});
    EXPECT_EQ(found(all, "Müller"), (QStringList{"Deep Purple", "Heino"}));
    EXPECT_EQ(found({"Info"}, "MÜLLER"), QStringList{"Heino"});
    EXPECT_EQ(found(all, "smoke"), QStringList{"Deep Purple"});

    // NULL fields match neither LIKE nor NOT LIKE.
    EXPECT_EQ(catalogue.column("select * from Schallplatten where Info like '*' order by Band", "Band"),
              QStringList{"Heino"});
    EXPECT_EQ(catalogue.column("select * from Schallplatten where Info not like 'x*' order by Band", "Band"),
              QStringList{"Heino"});

    // ESCAPE makes a wildcard a plain character.
    catalogue.insert({{"Band", "100%"}, {"BestellNr", "100*"}});
    catalogue.insert({{"Band", "Zz"}, {"BestellNr", "100x"}});
    EXPECT_EQ(catalogue.column("select * from Schallplatten where BestellNr like '100!*' escape '!'", "Band"),
              QStringList{"100%"});
}
