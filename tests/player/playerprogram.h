#pragma once

#include "app/ausgabebox.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/catalogueschema.h"
#include "player/playercomponent.h"
#include "support/audiofixtures.h"
#include "support/catalogues.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QListWidget>
#include <QCoreApplication>
#include <QSettings>
#include <QTimer>
#include <memory>

namespace klangtruhe::test {

// The texts of a list's items in order (the track list's file names).
inline QStringList items(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

// The real program started on a catalogue of our own: entry 0 ("Can") plays
// the folder "musik/" with the given files, entry 1 ("Neu!") has its own
// folder with two tracks. The player's hooks record what they are given.
struct PlayerProgram {
    TestEnvironment env;
    QString music;
    QString second;
    std::unique_ptr<StartedProgram> started;
    QString caption;
    QList<int> coverHeights;
    int ratings = 0;

    explicit PlayerProgram(const QMap<QString, QByteArray> &files, const QMap<QString, QString> &settings = {},
                           const QString &firstFolder = QString(), const QStringList &arguments = {})
    {
        music = env.path("musik/");
        second = env.path("zweite/");
        QDir().mkpath(music);
        for (auto it = files.begin(); it != files.end(); ++it)
            writeFile(music + it.key(), it.value());
        writeFile(second + QStringLiteral("x1.wav"), wavSine(0.3));
        writeFile(second + QStringLiteral("x2.wav"), wavSine(0.3));
        QDir().mkpath(env.programFolder());
        createEmptyCatalogue(env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
        const QString catalogue = env.path("sammlung.mdb");
        makeCatalogue(catalogue, {Row{{"Band", "Can"}, {"LPTitel", "Tago Mago"},
                                      {"Musikpfad", firstFolder.isNull() ? music : firstFolder}},
                                  Row{{"Band", "Neu!"}, {"LPTitel", "Neu! 75"}, {"Musikpfad", second}}});
        QSettings store(env.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("Options/ArchivPfad"), catalogue);
        for (auto it = settings.begin(); it != settings.end(); ++it)
            store.setValue(QStringLiteral("Options/") + it.key(), it.value());
        store.sync();
        clearPendingQuit();
        started = std::make_unique<StartedProgram>(arguments);
        // Start-up drew a random entry; these tests play the first one.
        window()->catalogue().data().setAbsolutePosition(0);
        PlayerComponent &p = player();
        p.hooks.setTrackCaption = [this](const QString &text) { caption = text; };
        p.hooks.setCoverHeight = [this](int height) { coverHeights << height; };
        p.hooks.showEntryStars = [this](int) { ++ratings; };
        p.fillTrackList();
    }

    // Closing an earlier test's main window asked the application to quit; with
    // no event loop running that request stays pending and would end the next
    // modal dialog at once. A short run of the application loop clears it.
    static void clearPendingQuit()
    {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    Ausgabebox *window() const { return started->window(); }
    PlayerComponent &player() const { return window()->player(); }
    Program &program() const { return window()->program(); }
    QString status() const { return window()->status().panel(2); }
    RecordingPlatform &platform() const { return started->platform(); }
};

} // namespace klangtruhe::test
