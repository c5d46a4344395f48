#pragma once

#include "catalogue/cataloguedatabase.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace klangtruhe {

// The main window's one data source: a catalogue file, a record source
// statement in the Jet dialect, its result set and the current entry.
// Positions are 0-based places in the result; rows are never addressed
// otherwise. Long results are loaded lazily: the statement yields the order,
// and only the rows that are looked at are read.
class Data1 : public QObject {
    Q_OBJECT
public:
    explicit Data1(QObject *parent = nullptr);
    ~Data1() override;

    // Runs on the open connection just before an edit or a statement changes
    // the file (the backup before the first change of a session).
    std::function<void(sqlite3 *)> beforeChange;

    QString databaseName() const { return m_databaseName; }
    void setDatabaseName(const QString &path) { m_databaseName = path; }
    QString recordSource() const { return m_recordSource; }
    void setRecordSource(const QString &statement) { m_recordSource = statement; }

    // Stores a pending edit, opens the file if it changed, runs the statement
    // and makes its first entry current. With an empty file name the data
    // source has no database. On failure the previous result stays.
    bool refresh(DatabaseError &error);
    // Hands over an already opened connection (the caller checked the file).
    bool refreshWith(std::unique_ptr<CatalogueDatabase> database, DatabaseError &error);

    bool hasDatabase() const { return m_database != nullptr; }
    CatalogueDatabase *database() const { return m_database.get(); }

    int recordCount() const;
    int absolutePosition() const { return m_position; }
    // Makes the entry at position current; false (and nothing changes) when
    // the position lies outside the result.
    bool setAbsolutePosition(int position);

    QStringList fieldNames() const { return m_columns; }
    int fieldIndex(const QString &field) const;

    // Values of any entry of the result (pending edits of the current entry included).
    QVariant value(int position, int column);
    QString text(int position, int column);

    // Visits every entry of the result once, in no particular order, with the
    // UTF-8 texts of the given result columns (NULL and pictures are empty;
    // pending edits of the current entry are seen). One pass over the table
    // instead of a lookup per position; the visitor returns false to stop.
    // The texts are valid only during the call (they point into the engine).
    using ColumnVisitor = std::function<bool(int position, const QByteArray *texts)>;
    void scanColumns(const std::vector<int> &columns, const ColumnVisitor &visit);
    // Which entries hold anything in the column (a picture, a text), by
    // position; one pass that reads only the values' sizes.
    std::vector<bool> positionsWithValue(int column);

    // The current entry's fields, read and written by the bound controls.
    QString fieldValue(const QString &field);
    void setFieldValue(const QString &field, const QVariant &value);
    bool hasPendingEdits() const { return !m_edits.isEmpty(); }
    // Whether edits of this result can be written back: its rows are rows of
    // one table (a grouped or joined result has none).
    bool editable() const { return m_lazy; }
    bool storePendingEdits(DatabaseError &error);

    // Runs an UPDATE over the catalogue; rows changed, -1 on failure.
    int execute(const QString &jetStatement, DatabaseError &error);

Q_SIGNALS:
    void reloaded();
    void currentChanged(int position);
    // A field of the current entry took a new, not yet stored value.
    void fieldEdited(int position, int column);
    void editNotStored(const klangtruhe::DatabaseError &error);

private:
    bool load(DatabaseError &error);
    bool loadLazily(const QString &table, const QStringList &columns, const QString &rest, DatabaseError &error);
    bool loadEagerly(DatabaseError &error);
    const std::vector<QVariant> *row(int position);
    void clearResult();
    void finalizeFetch();
    void indexRowids();

    QString m_databaseName;
    QString m_recordSource;
    std::unique_ptr<CatalogueDatabase> m_database;

    QStringList m_columns;
    bool m_lazy = true;
    bool m_readOnlyReported = false; // told once per result, not per keystroke
    std::vector<long long> m_rowids;                 // lazy: the order of the result
    std::vector<std::vector<QVariant>> m_eagerRows;  // eager: the whole result
    sqlite3_stmt *m_fetch = nullptr;                 // lazy: one row by rowid
    QHash<int, std::vector<QVariant>> m_cache;
    std::unordered_map<long long, int> m_positionOfRowid; // lazy: built by the first scan
    QString m_table;

    int m_position = -1;
    // Edits not yet in the file, by rowid and field name. An edit that could
    // not be stored (the file locked or write-protected) stays here, shows in
    // the grid and the fields, and is tried again with the next store.
    using FieldEdits = QHash<QString, QVariant>;
    QHash<long long, FieldEdits> m_edits;
    long long rowidAt(int position) const;
};

} // namespace klangtruhe
