// Temporary until the Jet dialect functions land.
#include "catalogue/jetfunctions.h"
#include "catalogue/jetsql.h"
#include <sqlite3.h>
namespace klangtruhe {
bool registerJetFunctions(sqlite3 *) { return true; }
QString jetToSqlite(const QString &jetStatement)
{
    QString s = jetStatement;
    s.replace(QLatin1Char('*'), QLatin1Char('%'));
    s.replace(QLatin1String("select %"), QLatin1String("select *"));
    return s;
}
} // namespace klangtruhe
