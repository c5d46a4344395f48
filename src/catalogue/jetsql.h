#pragma once
#include <QString>
namespace klangtruhe {
QString jetToSqlite(const QString &jetStatement);
}
