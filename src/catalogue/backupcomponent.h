#pragma once

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <functional>

class QMainWindow;
struct sqlite3;

namespace klangtruhe {

class CatalogueComponent;
class Program;

// Daily backups of the catalogue: before the first change of a session, at
// most once a day, a copy goes to "Sicherungen" beside the catalogue and the
// oldest beyond the setting's number are removed. "Sicherung
// wiederherstellen…" lists them and puts one back after a confirmation,
// keeping the current state as one more backup.
class BackupComponent : public QObject {
    Q_OBJECT
public:
    BackupComponent(Program &program, QMainWindow &window, CatalogueComponent &catalogue);

    void mnuSicherungWiederherstellen_Click();
    // The data source is about to change the file.
    void backupBeforeChange(sqlite3 *db);

    // The clock the backups are named by; tests hand in their own.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

private:
    bool restore(const QString &backupPath);

    Program &m_program;
    QMainWindow &m_window;
    CatalogueComponent &m_catalogue;
    QSet<QString> m_lookedAt; // catalogues whose backup was settled this session
};

} // namespace klangtruhe
