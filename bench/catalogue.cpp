// The catalogue in the real main window, offscreen: opening to the first
// painted table, letter filter, header sort, entry change, width
// optimisation and memory, over a catalogue of realistic size.
// Usage: catalogue [--entries N]   (default 100000)
#include "benchcatalogue.h"
#include "benchwindow.h"

#include "app/ausgabebox.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/columnlayout.h"
#include "catalogue/data1.h"
#include "catalogue/detailview.h"
#include "catalogue/recordgrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <vector>

using namespace klangtruhe;

namespace {

bool fill(const QString &path, int entries)
{
    if (!createEmptyCatalogue(path))
        return false;
    sqlite3 *db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK && bench::insertEntries(db, entries);
    sqlite3_close(db);
    return ok;
}

// Runs the action and paints the grid at once, as the user would see it.
double timed(QTableView *grid, const std::function<void()> &action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    QCoreApplication::processEvents();
    grid->viewport()->repaint();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

long peakRssMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    }
    return -1;
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
    if (!fill(path, entries)) {
        std::fprintf(stderr, "could not build the catalogue\n");
        return 1;
    }

    const auto shown = bench::shownWindow(folder.path());
    Ausgabebox &window = *shown;
    CatalogueComponent &catalogue = window.catalogue();
    QTableView *grid = catalogue.grid();
    RecordGrid &table = catalogue.recordGrid();

    // The first open of a catalogue builds its sort indexes once.
    std::printf("first_open_building_indexes: %.0f ms\n", timed(grid, [&] { catalogue.OpenDatabase(path); }));
    std::vector<double> firstPaint;
    for (int run = 0; run < 5; ++run)
        firstPaint.push_back(timed(grid, [&] { catalogue.OpenDatabase(path); }));
    std::printf("first_paint: %.0f ms\n", bench::median(firstPaint));

    table.tableOption()->setChecked(true);
    table.chkTabelle_Click();
    std::vector<double> letter;
    for (int k : {12, 1, 18, 0, 7, 19, 2})
        letter.push_back(timed(grid, [&] { table.ButtonAlpabeth_Click(k); }));
    std::printf("letter_filter: %.0f ms\n", bench::median(letter));
    std::vector<double> query, painted;
    for (int k : {12, 1, 18, 0, 7, 19, 2}) {
        QElapsedTimer clock;
        clock.start();
        catalogue.data().setRecordSource(letterFilterStatement(k, QStringLiteral("Band")));
        DatabaseError error;
        catalogue.data().refresh(error);
        query.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        QCoreApplication::processEvents();
        grid->viewport()->repaint();
        painted.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::fprintf(stderr, "letter filter: query and reload %.1f ms, events and paint %.1f ms\n", bench::median(query), bench::median(painted));

    std::vector<double> sort;
    for (int run = 0; run < 5; ++run)
        sort.push_back(timed(grid, [&] { table.headerSort(run % 2 ? 1 : 0); }));
    std::printf("sort: %.0f ms\n", bench::median(sort));

    std::vector<double> change;
    Data1 &data = catalogue.data();
    const int before = window.program().settings.diskWrites();
    for (int run = 0; run < 30; ++run)
        change.push_back(timed(grid, [&] { data.setAbsolutePosition((data.absolutePosition() + 1) % data.recordCount()); }));
    std::printf("entry_change: %.1f ms\n", bench::median(change));
    std::fprintf(stderr, "settings disk writes during %zu entry changes: %d\n", change.size(),
                 window.program().settings.diskWrites() - before);

    std::vector<double> bare, paint, detail;
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer clock;
        clock.start();
        data.setAbsolutePosition((data.absolutePosition() + 1) % data.recordCount());
        bare.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        grid->viewport()->repaint();
        paint.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        catalogue.detailView().showCurrentEntry();
        detail.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::fprintf(stderr, "without painting: %.1f ms, grid paint %.1f ms, detail view %.1f ms\n", bench::median(bare),
                 bench::median(paint), bench::median(detail));
    std::vector<double> arrange;
    for (int run = 0; run < 30; ++run)
        arrange.push_back(timed(grid, [&] { table.TabelleAnordnen(); }));
    std::fprintf(stderr, "of which TabelleAnordnen: %.1f ms\n", bench::median(arrange));

    catalogue.refresh();
    std::vector<double> widths;
    for (int run = 0; run < 3; ++run)
        widths.push_back(timed(grid, [&] { table.optimiseColumnWidths(); }) / 1000.0);
    std::printf("width_optimisation: %.2f s\n", bench::median(widths));
    std::printf("rss: %ld MB\n", peakRssMegabytes());
    return 0;
}
