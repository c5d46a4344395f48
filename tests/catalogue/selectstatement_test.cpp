#include "catalogue/selectstatement.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(SelectStatement, TheProgramsOwnStatementsLoadLazilyAnythingElseEagerly)
{
    const struct {
        const char *statement;
        bool lazy;
    } cases[] = {
        {"select * from Schallplatten where Band like 'a*' or Band like 'ä*' order by Band, LPTitel", true},
        {"select * from Schallplatten where Songs like '*M\\?fcller*' order by Band", true},
        {"SELECT * FROM Schallplatten WHERE Band LIKE '*O''Brien*' ORDER BY Band;", true},
        {"select * from Schallplatten where Info like '*group by*'", true}, // a keyword inside a literal is text
        {"select distinct Band from Schallplatten", false},
        {"select Band, count(*) from Schallplatten group by Band", false},
        {"select * from (select * from Schallplatten)", false},
        {"select * from Schallplatten union select * from Schallplatten", false},
        {"update Schallplatten set Band = 'x'", false},
        {"selectx * from Schallplatten", false},
    };
    for (const auto &c : cases) {
        const auto parsed = parseSimpleSelect(QString::fromUtf8(c.statement));
        EXPECT_EQ(parsed.has_value(), c.lazy) << c.statement;
        if (parsed) {
            EXPECT_TRUE(parsed->columns.isEmpty()) << c.statement;
            EXPECT_EQ(parsed->table, QStringLiteral("Schallplatten"));
        }
    }
    const auto some = parseSimpleSelect(QStringLiteral("select Band, [LPTitel] from Schallplatten where Band like 'x*'"));
    ASSERT_TRUE(some.has_value());
    EXPECT_EQ(some->columns, (QStringList{"Band", "LPTitel"}));
    EXPECT_EQ(some->rest, QStringLiteral("where Band like 'x*'"));
}
