#include "catalogue/democatalogue.h"

#include "catalogue/catalogueschema.h"
#include "common/ansitext.h"
#include "common/soundsynth.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSaveFile>
#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcDemo, "klangtruhe.catalogue.demo")

namespace klangtruhe {

namespace {

struct DemoEntry {
    const char *band;
    const char *title;
    const char *medium;
    const char *style;
    const char *label;
    const char *orderNumber;
    const char *price;
    const char *date;
    const char *rating;
    const char *info;
    std::initializer_list<const char *> tracks;
};

// Invented bands and records; any likeness to real ones is accidental.
const DemoEntry kEntries[] = {
    {"Abendrot Quartett", "Leise Stunden", "LP", "Jazz", "Nachtfalter Records", "NF 1021", "18,90", "12.03.1998", "5",
     "Erstpressung, Klappcover", {"Blaue Stunde", "Kerzenlicht - 5", "Heimweg"}},
    {"abendstern", "kleine stücke", "CD", "Ambient", "Stillwasser", "SW-007", "12,00", "02.11.2019", "4",
     "kleingeschrieben, wie die Band es will", {"Tau", "Nebel - 4", "Glut"}},
    {"Ärzteblues Kollektiv", "Nachtschicht", "CD", "Blues", "Hinterhof Musik", "HHM 44", "15,50", "21.06.2003", "4",
     "Live im Kesselhaus", {"Visite um Mitternacht", "Wartezimmerblues", "Rezeptfrei - 3", "Feierabend"}},
    {"Die Kupferkessel", "Dampf & Donner", "CD", "Rock", "Schmiede Tonträger", "ST-1905", "16,99", "09.09.2011", "3",
     "Remastered", {"Kesseldruck", "Funkenflug - 5", "Ventil"}},
    {"Elbsand", "Gezeiten", "CD", "Folk", "Deichgraf", "DG 12", "14,00", "30.04.2015", "5",
     "Signiert nach dem Konzert in Hamburg", {"Ebbe", "Flut", "Watt - 6"}},
    {"Frostglocke", "Winterreise elektrisch", "CD", "Elektronik", "Eiskristall", "EK-0001", "11,49", "24.12.2008", "3",
     "Limitierte Auflage", {"Schneefall", "Polarlicht", "Tauwetter"}},
    {"Hafenlichter", "Ahoi!", "MC", "Schlager", "Leuchtturm", "LT 77", "8,00", "01.08.1986", "2",
     "Kassette mit handgeschriebenem Einleger", {"Anker los", "Möwengruß - 2", "Landgang"}},
    {"Mondlicht Orchester", "Serenaden", "LP", "Klassik", "Sternwarte", "SWK 300", "22,00", "15.05.1979", "6",
     "180 g Vinyl", {"Nocturne", "Andante - 6", "Finale"}},
    {"Nordwind", "Über die Berge", "LP", "Folk", "Gipfelklang", "GK 5", "19,50", "03.10.1994", "4",
     "Mit Textbeilage", {"Aufstieg", "Gipfelkreuz", "Talwärts - 4"}},
    {"Ölfarben", "Pinselstriche", "CD", "Pop", "Atelier Records", "AR 9", "13,90", "17.02.2020", "3",
     "Bonus-Track", {"Ultramarin", "Zinnober", "Ocker - 3"}},
    {"Straßenmusikanten", "Unterwegs", "MC", "Weltmusik", "Pflasterstein", "PS 2", "6,50", "20.07.1991", "4",
     "Auf dem Flohmarkt gefunden", {"Marktplatz", "Bahnhofsecho - 5", "Abendzug"}},
    {"Zappelphilipp", "Hüpfkonzert", "CD", "Kinderlieder", "Purzelbaum", "PB-1", "9,99", "11.11.2012", "5",
     "Lieblings-CD der Kinder", {"Hüpfen", "Springen - 6", "Schlafen"}},
};

// RichEdit-style RTF for a plain text: letters above 127 as \'xx escapes.
QString simpleRtf(const QStringList &lines)
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Segoe UI;}}\r\n"
                                 "\\viewkind4\\uc1\\pard\\lang1031\\f0\\fs20 ");
    for (const QString &line : lines) {
        for (const QChar c : line) {
            QByteArray ansi;
            if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
                rtf += QLatin1Char('\\') + c;
            else if (c.unicode() < 128)
                rtf += c;
            else if (encodeAnsi(QString(c), ansi) && ansi.size() == 1)
                rtf += QStringLiteral("\\'%1").arg(static_cast<unsigned char>(ansi.at(0)), 2, 16, QLatin1Char('0'));
            else
                rtf += QStringLiteral("\\u%1?").arg(static_cast<short>(c.unicode()));
        }
        rtf += QStringLiteral("\\par\r\n");
    }
    rtf += QStringLiteral("}\r\n");
    return rtf;
}

QImage paintCover(const DemoEntry &entry, int index)
{
    QImage image(360, 360, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int hue = (index * 29 + 11) % 360;
    QLinearGradient background(0, 0, 360, 360);
    background.setColorAt(0, QColor::fromHsv(hue, 150, 210));
    background.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 200, 90));
    p.fillRect(image.rect(), background);
    // A few soft rings, different for every record.
    for (int ring = 0; ring < 5; ++ring) {
        QColor c = QColor::fromHsv((hue + ring * 25) % 360, 120, 255);
        c.setAlpha(55);
        p.setPen(QPen(c, 10 + ring * 3));
        const int r = 40 + ring * 28 + (index % 3) * 6;
        p.drawEllipse(QPoint(250 - index * 7 % 90, 150 + index * 13 % 80), r, r);
    }
    p.setPen(Qt::white);
    QFont titleFont(QStringLiteral("DejaVu Sans"), 24, QFont::Bold);
    p.setFont(titleFont);
    p.drawText(QRect(20, 210, 320, 70), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
               QString::fromUtf8(entry.title));
    QFont bandFont(QStringLiteral("DejaVu Sans"), 15);
    p.setFont(bandFont);
    p.drawText(QRect(20, 285, 320, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(entry.band));
    return image;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

QString createDemoCatalogue(const QString &programFolder)
{
    const QString path = programFolder + QStringLiteral("Beispielsammlung.mdb");
    if (QFile::exists(path) || !createEmptyCatalogue(path))
        return QFile::exists(path) ? path : QString();
    const QString musicRoot = programFolder + QStringLiteral("Beispielsammlung") + QDir::separator();
    const QString coverFolder = programFolder + QStringLiteral("Bilder") + QDir::separator();
    QDir().mkpath(coverFolder);

    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return QString();
    }
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into Schallplatten (Band, LPTitel, Medium, Stil, Info, Plattenfirma, BestellNr, Preis, "
                       "Datum, Songs, BildPfad, Musikpfad, SongText, eBook, Bewertung, InternetTab, InfoTab, "
                       "SonstigesTab, Bilder) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                       -1, &insert, nullptr);
    QStringList styles;
    QStringList firstTracks; // a demo playlist across the collection
    int index = 0;
    int seed = 1;
    for (const DemoEntry &entry : kEntries) {
        const QString band = QString::fromUtf8(entry.band);
        const QString title = QString::fromUtf8(entry.title);
        const QString folderName = band + QStringLiteral(" - ") + title;
        const QString musicFolder = musicRoot + folderName + QDir::separator();
        QDir().mkpath(musicFolder);
        QStringList songLines;
        int number = 1;
        for (const char *track : entry.tracks) {
            const QString name = QStringLiteral("%1 - %2.wav").arg(number, 2, 10, QLatin1Char('0')).arg(QString::fromUtf8(track));
            writeFileAtomically(musicFolder + name, demoTrack(seed++, 5.0 + (number % 3)));
            if (number == 1)
                firstTracks << musicFolder + name;
            QString songName = QString::fromUtf8(track);
            songName.remove(QRegularExpression(QStringLiteral(" - \\d$")));
            songLines << QStringLiteral("%1. %2").arg(number).arg(songName);
            ++number;
        }
        const QImage cover = paintCover(entry, index);
        const QString coverPath = coverFolder + folderName + QStringLiteral(".jpg");
        cover.save(coverPath, "JPG", 88);
        QByteArray embedded;
        QBuffer buffer(&embedded);
        buffer.open(QIODevice::WriteOnly);
        cover.scaled(180, 180, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(&buffer, "PNG");

        const QStringList values = {
            band, title, QString::fromUtf8(entry.medium), QString::fromUtf8(entry.style), QString::fromUtf8(entry.info),
            QString::fromUtf8(entry.label), QString::fromUtf8(entry.orderNumber), QString::fromUtf8(entry.price),
            QString::fromUtf8(entry.date), simpleRtf(songLines), coverPath + QChar(0x00B0), musicFolder,
            simpleRtf({title, QString(), QStringLiteral("(Ein erfundenes Lied zum Ausprobieren.)")}), QString(),
            QString::fromUtf8(entry.rating),
            simpleRtf({QStringLiteral("https://de.wikipedia.org/wiki/") + QString::fromUtf8(entry.style)}),
            simpleRtf({QStringLiteral("%1 von %2 gehört zur Beispielsammlung.").arg(title, band)}),
            simpleRtf({QString::fromUtf8(entry.info)})};
        QList<QByteArray> keep;
        for (int i = 0; i < values.size(); ++i) {
            keep << values.at(i).toUtf8();
            sqlite3_bind_text(insert, i + 1, keep.last().constData(), static_cast<int>(keep.last().size()), SQLITE_TRANSIENT);
        }
        sqlite3_bind_blob(insert, 19, embedded.constData(), static_cast<int>(embedded.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
        if (!styles.contains(QString::fromUtf8(entry.style)))
            styles << QString::fromUtf8(entry.style);
        ++index;
    }
    sqlite3_finalize(insert);
    const bool committed = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (!committed) {
        qCWarning(lcDemo) << "demo catalogue not written";
        QFile::remove(path);
        return QString();
    }
    styles.sort(Qt::CaseInsensitive);
    QByteArray styleFile;
    for (const QString &style : styles) {
        QByteArray line;
        encodeAnsi(style, line);
        styleFile += line + QByteArray("\r\n");
    }
    if (!QFile::exists(programFolder + QStringLiteral("Stilrichtung.ini")))
        writeFileAtomically(programFolder + QStringLiteral("Stilrichtung.ini"), styleFile);

    // Playlists are Windows-1252 lines of track paths.
    const QString playlistFolder = programFolder + QStringLiteral("Playlist") + QDir::separator();
    QDir().mkpath(playlistFolder);
    QByteArray playlist;
    for (const QString &track : firstTracks) {
        QByteArray line;
        encodeAnsi(track, line);
        playlist += line + QByteArray("\r\n");
    }
    if (!QFile::exists(playlistFolder + QStringLiteral("Querbeet.txt")))
        writeFileAtomically(playlistFolder + QStringLiteral("Querbeet.txt"), playlist);
    return path;
}

} // namespace klangtruhe
