#pragma once

#include "app/ausgabebox.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "search/quicksearchcomponent.h"
#include "support/audiofixtures.h"
#include "support/catalogues.h"
#include "support/dialogdriver.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTimer>
#include <memory>

namespace klangtruhe::test {

// The real program on a catalogue of our own, in the table's order (band):
//   row 1 "Abbey Beat" / "Live im Stadion", twenty tracks, track 4 "04 - Live.wav";
//   row 2 "Cluster" / "Zuckerzeit", "Caramel" in the song list;
//   row 3 "Die Ärzte" / "Geräusch", "love" twice in the song list, "Beat" on the page "Info";
//   row 4 "Heartbeat" / "Zwei (Teil 1) [*]".
struct SearchProgram {
    TestEnvironment env;
    QString music;
    std::unique_ptr<StartedProgram> started;

    SearchProgram()
    {
        music = env.path("musik/");
        QDir().mkpath(music);
        for (int i = 1; i <= 20; ++i) {
            const QString name = i == 4 ? QStringLiteral("04 - Live.wav")
                                        : QStringLiteral("%1 - Stück.wav").arg(i, 2, 10, QLatin1Char('0'));
            writeFile(music + name, QByteArray("RIFF"));
        }
        QDir().mkpath(env.programFolder());
        const QString catalogue = env.path("sammlung.mdb");
        const std::vector<Row> rows = {
            Row{{"Band", "Abbey Beat"}, {"LPTitel", "Live im Stadion"}, {"Musikpfad", music}},
            Row{{"Band", "Cluster"}, {"LPTitel", "Zuckerzeit"}, {"Songs", "{\\rtf1\\ansi\\deff0 Hollywood\\par Caramel\\par}"}},
            Row{{"Band", "Die \u00c4rzte"},
                {"LPTitel", "Ger\u00e4usch"},
                {"Songs", "{\\rtf1\\ansi\\deff0 Love me do\\par All you need is love\\par}"},
                {"InfoTab", "{\\rtf1\\ansi\\deff0 Deutscher Beat aus Berlin\\par}"}},
            Row{{"Band", "Heartbeat"}, {"LPTitel", "Zwei (Teil 1) [*]"}}};
        makeCatalogue(catalogue, rows);
        QSettings store(env.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("Options/ArchivPfad"), catalogue);
        store.sync();
        clearPendingQuit();
        started = std::make_unique<StartedProgram>();
        data().setAbsolutePosition(0);
    }

    // Closing an earlier test's window asked the application to quit; a short
    // run of the loop clears that request before the next modal dialog.
    static void clearPendingQuit()
    {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    Ausgabebox *window() const { return started->window(); }
    Program &program() const { return window()->program(); }
    Data1 &data() const { return window()->catalogue().data(); }
    QuickSearchComponent &search() const { return window()->quickSearch(); }
    RecordingPlatform &platform() const { return started->platform(); }
    QString band() const { return data().fieldValue(QStringLiteral("Band")); }
};

} // namespace klangtruhe::test
