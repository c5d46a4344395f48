#include "catalogue/catalogueschema.h"

#include <QFile>
#include <sqlite3.h>

namespace klangtruhe {

QStringList catalogueFieldNames()
{
    return {QStringLiteral("Band"),      QStringLiteral("LPTitel"),     QStringLiteral("Medium"),
            QStringLiteral("Stil"),      QStringLiteral("Info"),        QStringLiteral("Plattenfirma"),
            QStringLiteral("BestellNr"), QStringLiteral("Preis"),       QStringLiteral("Datum"),
            QStringLiteral("Songs"),     QStringLiteral("BildPfad"),    QStringLiteral("Musikpfad"),
            QStringLiteral("SongText"),  QStringLiteral("eBook"),       QStringLiteral("Bewertung"),
            QStringLiteral("InternetTab"), QStringLiteral("InfoTab"),   QStringLiteral("SonstigesTab")};
}

QString pictureFieldName() { return QStringLiteral("Bilder"); }

bool isRichTextField(const QString &field)
{
    static const char *const richText[] = {"Songs", "SongText", "InternetTab", "InfoTab", "SonstigesTab"};
    for (const char *name : richText) {
        if (field.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString standardStatement() { return QStringLiteral("select * from Schallplatten order by Band, LPTitel"); }

bool createEmptyCatalogue(const QString &path, QString *error)
{
    if (QFile::exists(path)) {
        if (error)
            *error = QStringLiteral("Die Datei besteht bereits.");
        return false;
    }
    sqlite3 *db = nullptr;
    const QByteArray nativePath = path.toUtf8();
    int rc = sqlite3_open_v2(nativePath.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        QString sql = QStringLiteral("PRAGMA journal_mode=DELETE; BEGIN; CREATE TABLE Schallplatten (");
        for (const QString &field : catalogueFieldNames())
            sql += field + QStringLiteral(" TEXT, ");
        sql += QStringLiteral("Bilder BLOB); PRAGMA user_version=%1; COMMIT;").arg(kSchemaVersion);
        char *message = nullptr;
        rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
        if (rc != SQLITE_OK && error)
            *error = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
    } else if (error) {
        *error = QString::fromUtf8(sqlite3_errstr(rc));
    }
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        QFile::remove(path);
    return rc == SQLITE_OK;
}

} // namespace klangtruhe
