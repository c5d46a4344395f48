#pragma once

#include <QString>
#include <memory>

struct sqlite3;

namespace klangtruhe {

// A failure of the catalogue engine: a number and a German description, as
// the failure report shows them ("3343 Nicht erkennbares Datenbankformat ...").
struct DatabaseError {
    int number = 0;
    QString description;
    bool isError() const { return number != 0; }
};

// Error numbers the program reports (the Jet engine's numbers where it had one).
namespace dberr {
inline constexpr int FileNotFound = 3024;
inline constexpr int UnrecognisedFormat = 3343;
inline constexpr int TableMissing = 3078;
inline constexpr int Locked = 3051;
inline constexpr int ReadOnly = 3027;
inline constexpr int JetFile = 3437;
inline constexpr int SyntaxError = 3075;
inline constexpr int NewerVersion = 3041;
inline constexpr int DiskFull = 3026;
inline constexpr int DiskError = 3043;
} // namespace dberr

// One open connection to a catalogue file. Opening never creates a file and
// refuses everything that is not a catalogue with a clear message.
class CatalogueDatabase {
public:
    static std::unique_ptr<CatalogueDatabase> open(const QString &path, DatabaseError &error);
    ~CatalogueDatabase();
    CatalogueDatabase(const CatalogueDatabase &) = delete;
    CatalogueDatabase &operator=(const CatalogueDatabase &) = delete;

    sqlite3 *handle() const { return m_db; }
    const QString &path() const { return m_path; }
    bool isReadOnly() const;

    DatabaseError lastError() const;

    // Runs an UPDATE (or other changing statement) in the Jet dialect in its
    // own transaction; returns the number of rows changed or -1 on failure.
    int execute(const QString &jetStatement, DatabaseError &error);

private:
    CatalogueDatabase(sqlite3 *db, QString path);
    sqlite3 *m_db;
    QString m_path;
};

// What kind of file lies at a path, from its first bytes.
enum class CatalogueFileKind { Missing, Empty, SQLite, JetAccess, Other };
CatalogueFileKind catalogueFileKind(const QString &path);

} // namespace klangtruhe
