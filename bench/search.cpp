// The search dialog in the real main window, offscreen: an "Alle" search
// applied to the catalogue until the table is painted, and a song-rating
// collection over entries with ten tracks each, from "&OK" to the name question.
// Usage: search [--entries N] [--rated-entries M]   (defaults 100000 and 1000)
#include "benchcatalogue.h"
#include "benchwindow.h"

#include "app/ausgabebox.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/data1.h"
#include "search/searchrules.h"
#include "search/suchbox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <vector>

using namespace klangtruhe;

namespace {

int option(int argc, char **argv, const char *name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == name)
            return std::max(1, std::atoi(argv[i + 1]));
    }
    return fallback;
}

// The catalogue; with `musicFolder` every entry gets a folder of ten tracks
// there, every other one rated 3.
bool fill(const QString &path, int entries, const QString &musicFolder = QString())
{
    if (!createEmptyCatalogue(path))
        return false;
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK && bench::insertEntries(db, entries);
    if (ok && !musicFolder.isEmpty()) {
        const QByteArray update =
            "update Schallplatten set Musikpfad = '" + musicFolder.toUtf8() + "' || rowid || '/'";
        ok = sqlite3_exec(db, update.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
        for (int row = 1; ok && row <= entries; ++row) {
            const QString folder = musicFolder + QString::number(row) + QLatin1Char('/');
            ok = QDir().mkpath(folder);
            for (int track = 1; ok && track <= 10; ++track) {
                QFile file(folder + QStringLiteral("%1 Lied%2.mp3")
                                        .arg(track, 2, 10, QLatin1Char('0'))
                                        .arg(track % 2 ? QStringLiteral(" - 3") : QString()));
                ok = file.open(QIODevice::WriteOnly);
            }
        }
    }
    sqlite3_close(db);
    return ok;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Answers each modal dialog as it comes up: the search dialog with a song
// rating of three stars, the name question with "Bench". Returns the
// milliseconds from "&OK" to the name question.
double collectSongRating(Ausgabebox &window)
{
    QElapsedTimer clock;
    double elapsed = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<Suchbox *>(modal)) {
            dialog->findChild<QCheckBox *>(QStringLiteral("chkBewertungSong"))->click();
            dialog->imgStern_Click(3);
            clock.start();
            QTimer::singleShot(0, dialog->findChild<QPushButton *>(QStringLiteral("ButtonOk")), &QPushButton::click);
        } else if (auto *name = modal ? modal->findChild<QLineEdit *>(QStringLiteral("txtInputText")) : nullptr) {
            elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            name->setText(QStringLiteral("Bench"));
            modal->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
            poll.stop();
        }
    });
    poll.start(20);
    window.findChild<QAction *>(QStringLiteral("MenuSuchen"))->trigger();
    return elapsed;
}

} // namespace

int main(int argc, char **argv)
{
    const int entries = option(argc, argv, "--entries", 100000);
    const int ratedEntries = option(argc, argv, "--rated-entries", 1000);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("KLANGTRUHE_MEDIA", "fake");
    QTemporaryDir folder;
    qputenv("KLANGTRUHE_SETTINGS", (folder.path() + QStringLiteral("/settings")).toUtf8());
    QApplication app(argc, argv);

    const QString path = folder.path() + QStringLiteral("/Archiv.mdb");
    const QString rated = folder.path() + QStringLiteral("/Bewertet.mdb");
    if (!fill(path, entries) || !fill(rated, ratedEntries, folder.path() + QStringLiteral("/Musik/"))) {
        std::fprintf(stderr, "could not build the catalogues\n");
        return 1;
    }

    const auto shown = bench::shownWindow(folder.path());
    Ausgabebox &window = *shown;
    CatalogueComponent &catalogue = window.catalogue();
    QTableView *grid = catalogue.grid();
    catalogue.OpenDatabase(path);

    // What the main window does with the dialog's statement, up to the painted table.
    QStringList fields;
    for (const SearchField &field : searchFields())
        fields << QString::fromLatin1(field.field);
    std::vector<double> apply;
    int found = 0;
    for (const char *text : {"Müller", "qzx", "Rock", "Müller", "qzx"}) {
        const QString statement = searchStatement(fields, QStringLiteral("Band"), QString::fromUtf8(text));
        QElapsedTimer clock;
        clock.start();
        DatabaseError error;
        if (!catalogue.applyRecordSource(statement, error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error.description));
            return 1;
        }
        if (catalogue.TabelleAnordnen)
            catalogue.TabelleAnordnen();
        QCoreApplication::processEvents();
        grid->viewport()->repaint();
        apply.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        found = std::max(found, catalogue.data().recordCount());
    }
    std::printf("search_apply: %.0f ms\n", median(apply));
    std::printf("search_apply_slowest: %.0f ms\n", *std::max_element(apply.begin(), apply.end()));
    std::fprintf(stderr, "most entries found by one search: %d of %d\n", found, entries);

    catalogue.OpenDatabase(rated);
    const double collection = collectSongRating(window);
    if (collection < 0) {
        std::fprintf(stderr, "the collection did not reach the name question\n");
        return 1;
    }
    std::printf("song_rating_collection: %.1f s\n", collection / 1000.0);
    QFile saved(window.program().programFolder + QStringLiteral("Playlist/Bench.txt"));
    if (saved.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "tracks collected: %lld\n", static_cast<long long>(saved.readAll().count("\r\n")));
    return 0;
}
