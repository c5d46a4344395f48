#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace klangtruhe {

// A record source statement of the simple form the program builds:
// "select <columns> from <table> [where ...] [order by ...]".
// Such a statement can be loaded lazily: first the positions (rowids) in the
// statement's order, then the values of the rows that are shown.
struct SimpleSelect {
    QStringList columns; // empty for "*"
    QString table;
    QString rest;        // everything after the table name (where / order by), as given
};

// nullopt when the statement is anything else (joins, grouping, distinct,
// unions, sub-selects in FROM, aggregates ...); the caller loads those eagerly.
std::optional<SimpleSelect> parseSimpleSelect(const QString &statement);

} // namespace klangtruhe
