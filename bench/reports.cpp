// The collection reports in the real main window, offscreen: "Sammlung
// prüfen" over a catalogue of realistic size whose music folders exist on
// disk (warm file caches: one run first, then the timed ones), and the
// opening of the statistics window to its first painted chart.
// Usage: reports [--entries N]   (default 100000)
#include "benchcatalogue.h"
#include "benchwindow.h"

#include "app/ausgabebox.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/catalogueschema.h"
#include "reports/frmsammlungpruefen.h"
#include "reports/frmstatistik.h"
#include "reports/reportscomponent.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <vector>

using namespace klangtruhe;

namespace {

// Builds the catalogue and, for nine entries in ten, the music folder it
// names with one track; the tenth is missing.
bool fill(const QString &path, const QString &musicRoot, int entries)
{
    if (!createEmptyCatalogue(path))
        return false;
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK && bench::insertEntries(db, entries);
    sqlite3_stmt *folders = nullptr;
    if (ok && sqlite3_prepare_v2(db, "select Musikpfad from Schallplatten", -1, &folders, nullptr) == SQLITE_OK) {
        int row = 0;
        while (sqlite3_step(folders) == SQLITE_ROW) {
            if (row++ % 10 == 9)
                continue;
            QString folder = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(folders, 0)));
            folder.replace(QStringLiteral("D:\\Musik\\"), musicRoot).replace(QLatin1Char('\\'), QLatin1Char('/'));
            QDir().mkpath(folder);
            QFile track(folder + QStringLiteral("/01 Intro - 4.mp3"));
            ok = ok && track.open(QIODevice::WriteOnly);
        }
    }
    sqlite3_finalize(folders);
    sqlite3_close(db);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    const int entries = bench::entriesArgument(argc, argv, 100000);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    qputenv("KLANGTRUHE_SETTINGS", (folder.path() + QStringLiteral("/settings")).toUtf8());
    QApplication app(argc, argv);

    const QString path = folder.path() + QStringLiteral("/Archiv.mdb");
    const QString musicRoot = folder.path() + QStringLiteral("/Musik/");
    QElapsedTimer building;
    building.start();
    if (!fill(path, musicRoot, entries)) {
        std::fprintf(stderr, "could not build the catalogue and its folders\n");
        return 1;
    }
    std::fprintf(stderr, "catalogue and folders built in %.1f s\n", building.nsecsElapsed() / 1e9);

    const auto shown = bench::shownWindow(folder.path());
    Ausgabebox &window = *shown;
    window.program().pathMap = {{QStringLiteral("D:\\Musik\\"), musicRoot}};
    window.catalogue().OpenDatabase(path);
    QCoreApplication::processEvents();
    ReportsComponent &reports = window.reports();

    std::vector<double> health;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        reports.mnuSammlungPruefen_Click();
        QCoreApplication::processEvents();
        if (run > 0) // the first run warms the file caches
            health.push_back(clock.nsecsElapsed() / 1e9);
    }
    std::printf("health_100k: %.1f s\n", bench::median(health));
    if (frmSammlungPruefen *report = reports.healthWindow())
        report->close();

    // Open: the window painted with its charts (the first round of events
    // during the folder count); complete: the digitised share is known too.
    std::vector<double> open, complete;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        double opened = -1;
        QTimer::singleShot(0, &app, [&] {
            if (frmStatistik *statistics = reports.statisticsWindow()) {
                statistics->repaint();
                opened = clock.nsecsElapsed() / 1e6;
            }
        });
        reports.mnuStatistik_Click();
        QCoreApplication::processEvents();
        if (frmStatistik *statistics = reports.statisticsWindow()) {
            statistics->repaint();
            const double done = clock.nsecsElapsed() / 1e6;
            open.push_back(opened < 0 ? done : opened);
            complete.push_back(done);
            statistics->close();
        }
        QCoreApplication::processEvents();
    }
    std::printf("statistics_open: %.0f ms\n", bench::median(open));
    std::printf("statistics_complete: %.0f ms\n", bench::median(complete));
    return 0;
}
