#include "catalogue/data1.h"

#include "catalogue/jetsql.h"
#include "catalogue/selectstatement.h"

#include <QLoggingCategory>
#include <algorithm>
#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcData1, "klangtruhe.catalogue.data1")

namespace klangtruhe {

namespace {

constexpr int kCacheLimit = 4000;

QVariant columnValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(statement, column)),
                          sqlite3_column_bytes(statement, column));
    default:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                                 sqlite3_column_bytes(statement, column));
    }
}

QString quoted(const QString &identifier)
{
    QString copy = identifier;
    copy.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + copy + QLatin1Char('"');
}

} // namespace

Data1::Data1(QObject *parent)
    : QObject(parent)
{
}

Data1::~Data1()
{
    finalizeFetch();
}

void Data1::finalizeFetch()
{
    sqlite3_finalize(m_fetch);
    m_fetch = nullptr;
}

void Data1::clearResult()
{
    finalizeFetch();
    m_columns.clear();
    m_rowids.clear();
    m_eagerRows.clear();
    m_cache.clear();
    m_positionOfRowid.clear();
    m_position = -1;
}

int Data1::recordCount() const
{
    return static_cast<int>(m_lazy ? m_rowids.size() : m_eagerRows.size());
}

int Data1::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool Data1::refresh(DatabaseError &error)
{
    error = {};
    DatabaseError storeError;
    storePendingEdits(storeError);

    if (m_databaseName.isEmpty()) {
        m_database.reset();
        clearResult();
        Q_EMIT reloaded();
        Q_EMIT currentChanged(m_position);
        return true;
    }
    if (!m_database || m_database->path() != m_databaseName) {
        auto database = CatalogueDatabase::open(m_databaseName, error);
        if (!database)
            return false;
        finalizeFetch();
        m_database = std::move(database);
        clearResult();
        m_edits.clear();
    }
    return load(error);
}

bool Data1::refreshWith(std::unique_ptr<CatalogueDatabase> database, DatabaseError &error)
{
    DatabaseError storeError;
    storePendingEdits(storeError);
    finalizeFetch();
    clearResult();
    m_edits.clear();
    m_database = std::move(database);
    m_databaseName = m_database ? m_database->path() : QString();
    if (!m_database) {
        Q_EMIT reloaded();
        Q_EMIT currentChanged(m_position);
        return true;
    }
    return load(error);
}

bool Data1::load(DatabaseError &error)
{
    if (m_recordSource.trimmed().isEmpty()) {
        clearResult();
        Q_EMIT reloaded();
        Q_EMIT currentChanged(m_position);
        return true;
    }
    const auto simple = parseSimpleSelect(m_recordSource);
    const bool ok = simple ? loadLazily(simple->table, simple->columns, simple->rest, error) : loadEagerly(error);
    if (!ok) {
        qCWarning(lcData1) << "statement failed:" << m_recordSource << error.description;
        return false;
    }
    m_position = recordCount() > 0 ? 0 : -1;
    m_readOnlyReported = false;
    Q_EMIT reloaded();
    Q_EMIT currentChanged(m_position);
    return true;
}

bool Data1::loadLazily(const QString &table, const QStringList &requested, const QString &rest, DatabaseError &error)
{
    sqlite3 *db = m_database->handle();
    // The result's columns: "*" means the table's own, in table order.
    QStringList columns;
    if (requested.isEmpty()) {
        sqlite3_stmt *info = nullptr;
        const QByteArray pragma = QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)).toUtf8();
        if (sqlite3_prepare_v2(db, pragma.constData(), -1, &info, nullptr) == SQLITE_OK) {
            while (sqlite3_step(info) == SQLITE_ROW)
                columns << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(info, 1)));
        }
        sqlite3_finalize(info);
        if (columns.isEmpty()) {
            error = {dberr::TableMissing, QStringLiteral("Die Tabelle '%1' wurde nicht gefunden.").arg(table)};
            return false;
        }
    } else {
        columns = requested;
    }

    const QByteArray orderSql = jetToSqlite(QStringLiteral("select rowid from %1 %2").arg(table, rest)).toUtf8();
    sqlite3_stmt *order = nullptr;
    if (sqlite3_prepare_v2(db, orderSql.constData(), -1, &order, nullptr) != SQLITE_OK) {
        error = m_database->lastError();
        sqlite3_finalize(order);
        return false;
    }
    std::vector<long long> rowids;
    int rc;
    while ((rc = sqlite3_step(order)) == SQLITE_ROW)
        rowids.push_back(sqlite3_column_int64(order, 0));
    if (rc != SQLITE_DONE) {
        error = m_database->lastError();
        sqlite3_finalize(order);
        return false;
    }
    sqlite3_finalize(order);

    QStringList selectList;
    for (const QString &column : columns)
        selectList << quoted(column);
    const QByteArray fetchSql = QStringLiteral("select %1 from %2 where rowid = ?")
                                    .arg(selectList.join(QLatin1Char(',')), quoted(table)).toUtf8();
    sqlite3_stmt *fetch = nullptr;
    if (sqlite3_prepare_v2(db, fetchSql.constData(), -1, &fetch, nullptr) != SQLITE_OK) {
        error = m_database->lastError();
        sqlite3_finalize(fetch);
        return false;
    }
    clearResult();
    m_lazy = true;
    m_table = table;
    m_columns = columns;
    m_rowids = std::move(rowids);
    m_fetch = fetch;
    return true;
}

bool Data1::loadEagerly(DatabaseError &error)
{
    sqlite3 *db = m_database->handle();
    const QByteArray sql = jetToSqlite(m_recordSource).toUtf8();
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK) {
        error = m_database->lastError();
        sqlite3_finalize(statement);
        return false;
    }
    // The record source comes from the settings and may have been edited by
    // hand: it is read, never run as a change of the catalogue.
    if (!sqlite3_stmt_readonly(statement) || sqlite3_column_count(statement) == 0) {
        error = {dberr::SyntaxError, QStringLiteral("Die Datensatzquelle \"%1\" liest keine Daten und wird nicht ausgeführt.")
                                         .arg(m_recordSource)};
        sqlite3_finalize(statement);
        return false;
    }
    QStringList columns;
    const int count = sqlite3_column_count(statement);
    for (int c = 0; c < count; ++c)
        columns << QString::fromUtf8(sqlite3_column_name(statement, c));
    std::vector<std::vector<QVariant>> rows;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        std::vector<QVariant> values(static_cast<size_t>(count));
        for (int c = 0; c < count; ++c)
            values[static_cast<size_t>(c)] = columnValue(statement, c);
        rows.push_back(std::move(values));
    }
    if (rc != SQLITE_DONE) {
        error = m_database->lastError();
        sqlite3_finalize(statement);
        return false;
    }
    sqlite3_finalize(statement);
    clearResult();
    m_lazy = false;
    m_table.clear();
    m_columns = columns;
    m_eagerRows = std::move(rows);
    return true;
}

const std::vector<QVariant> *Data1::row(int position)
{
    if (position < 0 || position >= recordCount())
        return nullptr;
    if (!m_lazy)
        return &m_eagerRows[static_cast<size_t>(position)];
    auto cached = m_cache.constFind(position);
    if (cached != m_cache.constEnd())
        return &cached.value();
    if (!m_fetch)
        return nullptr;
    if (m_cache.size() >= kCacheLimit)
        m_cache.clear();
    std::vector<QVariant> values(static_cast<size_t>(m_columns.size()));
    sqlite3_reset(m_fetch);
    sqlite3_bind_int64(m_fetch, 1, m_rowids[static_cast<size_t>(position)]);
    if (sqlite3_step(m_fetch) == SQLITE_ROW) {
        for (int c = 0; c < m_columns.size(); ++c)
            values[static_cast<size_t>(c)] = columnValue(m_fetch, c);
    }
    sqlite3_reset(m_fetch);
    return &m_cache.insert(position, std::move(values)).value();
}

long long Data1::rowidAt(int position) const
{
    if (!m_lazy || position < 0 || position >= recordCount())
        return -1;
    return m_rowids[static_cast<size_t>(position)];
}

QVariant Data1::value(int position, int column)
{
    if (column < 0 || column >= m_columns.size())
        return QVariant();
    if (!m_edits.isEmpty()) {
        const auto edits = m_edits.constFind(rowidAt(position));
        if (edits != m_edits.constEnd()) {
            const auto edit = edits->constFind(m_columns.at(column));
            if (edit != edits->constEnd())
                return edit.value();
        }
    }
    const std::vector<QVariant> *values = row(position);
    return values ? values->at(static_cast<size_t>(column)) : QVariant();
}

QString Data1::text(int position, int column)
{
    const QVariant v = value(position, column);
    return v.typeId() == QMetaType::QByteArray ? QString() : v.toString();
}

bool Data1::setAbsolutePosition(int position)
{
    if (position < 0 || position >= recordCount())
        return false;
    DatabaseError error;
    storePendingEdits(error);
    m_position = position;
    Q_EMIT currentChanged(m_position);
    return true;
}

void Data1::scanColumns(const std::vector<int> &columns, const ColumnVisitor &visit)
{
    const size_t count = columns.size();
    std::vector<QByteArray> texts(count);
    // Entries with edits not yet in the file, as the bound controls show them.
    auto pendingText = [this](long long rowid, int column, QByteArray &text) {
        if (m_edits.isEmpty() || column < 0 || column >= m_columns.size())
            return;
        const auto edits = m_edits.constFind(rowid);
        if (edits == m_edits.constEnd())
            return;
        const auto edit = edits->constFind(m_columns.at(column));
        if (edit != edits->constEnd())
            text = edit->typeId() == QMetaType::QByteArray ? QByteArray() : edit->toString().toUtf8();
    };

    if (!m_lazy) {
        for (int position = 0; position < recordCount(); ++position) {
            for (size_t c = 0; c < count; ++c) {
                texts[c] = text(position, columns[c]).toUtf8();
            }
            if (!visit(position, texts.data()))
                return;
        }
        return;
    }
    if (!m_database || m_rowids.empty())
        return;
    indexRowids();
    QStringList selectList{QStringLiteral("rowid")};
    for (int column : columns)
        selectList << (column >= 0 && column < m_columns.size() ? quoted(m_columns.at(column)) : QStringLiteral("NULL"));
    const QByteArray sql =
        QStringLiteral("select %1 from %2").arg(selectList.join(QLatin1Char(',')), quoted(m_table)).toUtf8();
    sqlite3_stmt *scan = nullptr;
    if (sqlite3_prepare_v2(m_database->handle(), sql.constData(), -1, &scan, nullptr) != SQLITE_OK) {
        sqlite3_finalize(scan);
        return;
    }
    while (sqlite3_step(scan) == SQLITE_ROW) {
        const long long rowid = sqlite3_column_int64(scan, 0);
        const auto found = m_positionOfRowid.find(rowid);
        if (found == m_positionOfRowid.end())
            continue; // not part of this selection
        const int position = found->second;
        for (size_t c = 0; c < count; ++c) {
            const int sqlColumn = static_cast<int>(c) + 1;
            if (sqlite3_column_type(scan, sqlColumn) == SQLITE_TEXT) {
                // No copy: the bytes live until the next step.
                texts[c] = QByteArray::fromRawData(reinterpret_cast<const char *>(sqlite3_column_text(scan, sqlColumn)),
                                                   sqlite3_column_bytes(scan, sqlColumn));
            } else {
                texts[c] = sqlite3_column_type(scan, sqlColumn) == SQLITE_NULL
                                   || sqlite3_column_type(scan, sqlColumn) == SQLITE_BLOB
                               ? QByteArray()
                               : QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(scan, sqlColumn)));
            }
            pendingText(rowid, columns[c], texts[c]);
        }
        if (!visit(position, texts.data()))
            break;
    }
    sqlite3_finalize(scan);
}

void Data1::indexRowids()
{
    if (!m_positionOfRowid.empty())
        return;
    m_positionOfRowid.reserve(m_rowids.size());
    for (size_t i = 0; i < m_rowids.size(); ++i)
        m_positionOfRowid.emplace(m_rowids[i], static_cast<int>(i));
}

std::vector<bool> Data1::positionsWithValue(int column)
{
    std::vector<bool> filled(static_cast<size_t>(std::max(0, recordCount())), false);
    if (column < 0 || column >= m_columns.size())
        return filled;
    if (!m_lazy) {
        for (int position = 0; position < recordCount(); ++position) {
            const QVariant v = value(position, column);
            filled[static_cast<size_t>(position)] = !v.isNull() && !v.toByteArray().isEmpty();
        }
        return filled;
    }
    if (!m_database || m_rowids.empty())
        return filled;
    indexRowids();
    const QByteArray sql = QStringLiteral("select rowid from %1 where length(%2) > 0")
                               .arg(quoted(m_table), quoted(m_columns.at(column)))
                               .toUtf8();
    sqlite3_stmt *scan = nullptr;
    if (sqlite3_prepare_v2(m_database->handle(), sql.constData(), -1, &scan, nullptr) == SQLITE_OK) {
        while (sqlite3_step(scan) == SQLITE_ROW) {
            const auto found = m_positionOfRowid.find(sqlite3_column_int64(scan, 0));
            if (found != m_positionOfRowid.end())
                filled[static_cast<size_t>(found->second)] = true;
        }
    }
    sqlite3_finalize(scan);
    return filled;
}

QString Data1::fieldValue(const QString &field)
{
    return text(m_position, fieldIndex(field));
}

void Data1::setFieldValue(const QString &field, const QVariant &newValue)
{
    const int column = fieldIndex(field);
    if (column < 0 || m_position < 0)
        return;
    const long long rowid = rowidAt(m_position);
    if (rowid < 0) {
        // A grouped or joined result has no rows of the table to write back to.
        if (!m_readOnlyReported) {
            m_readOnlyReported = true;
            Q_EMIT editNotStored({dberr::ReadOnly, QStringLiteral("In dieser Auswahl können keine Änderungen "
                                                                  "gespeichert werden.")});
        }
        return;
    }
    const QString name = m_columns.at(column);
    const std::vector<QVariant> *values = row(m_position);
    const QVariant stored = values ? values->at(static_cast<size_t>(column)) : QVariant();
    const bool unchanged = stored == newValue
                           || (stored.isNull() && newValue.typeId() == QMetaType::QString && newValue.toString().isEmpty());
    FieldEdits &edits = m_edits[rowid];
    if (unchanged)
        edits.remove(name);
    else
        edits.insert(name, newValue);
    if (edits.isEmpty())
        m_edits.remove(rowid);
    Q_EMIT fieldEdited(m_position, column);
}

bool Data1::storePendingEdits(DatabaseError &error)
{
    error = {};
    if (m_edits.isEmpty())
        return true;
    if (!m_database) {
        m_edits.clear();
        return false;
    }
    sqlite3 *db = m_database->handle();
    if (beforeChange)
        beforeChange(db);
    bool ok = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (auto rowEdits = m_edits.constBegin(); ok && rowEdits != m_edits.constEnd(); ++rowEdits) {
        const QStringList names = rowEdits->keys();
        QStringList assignments;
        for (const QString &name : names)
            assignments << quoted(name) + QStringLiteral(" = ?");
        const QByteArray sql = QStringLiteral("update %1 set %2 where rowid = ?")
                                   .arg(quoted(m_table), assignments.join(QStringLiteral(", "))).toUtf8();
        sqlite3_stmt *update = nullptr;
        ok = sqlite3_prepare_v2(db, sql.constData(), -1, &update, nullptr) == SQLITE_OK;
        int index = 1;
        for (const QString &name : names) {
            if (!ok)
                break;
            const QVariant v = rowEdits->value(name);
            if (v.isNull()) {
                sqlite3_bind_null(update, index);
            } else if (v.typeId() == QMetaType::QByteArray) {
                const QByteArray bytes = v.toByteArray();
                sqlite3_bind_blob(update, index, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
            } else {
                const QByteArray text = v.toString().toUtf8();
                sqlite3_bind_text(update, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            }
            ++index;
        }
        if (ok) {
            sqlite3_bind_int64(update, index, rowEdits.key());
            ok = sqlite3_step(update) == SQLITE_DONE;
        }
        if (!ok)
            error = m_database->lastError();
        sqlite3_finalize(update);
    }
    if (ok)
        ok = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok) {
        if (!error.isError())
            error = m_database->lastError();
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        qCWarning(lcData1) << "edit not stored:" << error.description;
        Q_EMIT editNotStored(error);
        return false;
    }
    for (auto rowEdits = m_edits.constBegin(); rowEdits != m_edits.constEnd(); ++rowEdits) {
        for (auto it = m_cache.begin(); it != m_cache.end();) {
            it = rowidAt(it.key()) == rowEdits.key() ? m_cache.erase(it) : std::next(it);
        }
    }
    m_edits.clear();
    return true;
}

int Data1::execute(const QString &jetStatement, DatabaseError &error)
{
    if (!m_database) {
        error = {dberr::FileNotFound, QStringLiteral("Es ist keine Datenbank geöffnet.")};
        return -1;
    }
    if (beforeChange)
        beforeChange(m_database->handle());
    const int changed = m_database->execute(jetStatement, error);
    m_cache.clear();
    return changed;
}

} // namespace klangtruhe
