#include "catalogue/selectstatement.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(SelectStatement, TheProgramsOwnStatementsLoadLazilyAnythingElseEagerly)
{
    const char *statements[] = {
        "select * from Schallplatten order by Band, LPTitel",
        "select * from Schallplatten where Band like 'a*' or Band like 'ä*' order by Band, LPTitel",
        "select * from Schallplatten where Bewertung like '6' order by Band, LPTitel",
        "select * from Schallplatten order by Preis DESC",
        "select * from Schallplatten where Songs like '*M\\?fcller*' order by Band",
        "SELECT * FROM Schallplatten WHERE Band LIKE '*O''Brien*' ORDER BY Band;",
    };
    for (const char *statement : statements) {
        const auto parsed = parseSimpleSelect(QString::fromUtf8(statement));
        ASSERT_TRUE(parsed.has_value()) << statement;
        EXPECT_TRUE(parsed->columns.isEmpty());
        EXPECT_EQ(parsed->table, QStringLiteral("Schallplatten"));
    }
    const auto some = parseSimpleSelect(QStringLiteral("select Band, [LPTitel] from Schallplatten where Band like 'x*'"));
    ASSERT_TRUE(some.has_value());
    EXPECT_EQ(some->columns, (QStringList{"Band", "LPTitel"}));
    EXPECT_EQ(some->rest, QStringLiteral("where Band like 'x*'"));
    // A keyword inside a text literal is only text.
    EXPECT_TRUE(parseSimpleSelect(QStringLiteral("select * from Schallplatten where Info like '*group by*'")).has_value());

    // Anything else is loaded eagerly.
    const char *eager[] = {
        "select distinct Band from Schallplatten",
        "select Band, count(*) from Schallplatten group by Band",
        "select * from Schallplatten a, Schallplatten b",
        "select * from (select * from Schallplatten)",
        "select * from Schallplatten union select * from Schallplatten",
        "update Schallplatten set Band = 'x'",
        "",
        "selectx * from Schallplatten",
    };
    for (const char *statement : eager)
        EXPECT_FALSE(parseSimpleSelect(QString::fromUtf8(statement)).has_value()) << statement;
}
