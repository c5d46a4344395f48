#pragma once

#include "app/ausgabebox.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/catalogueschema.h"
#include "player/mediacomponent.h"
#include "player/playercomponent.h"
#include "support/audiofixtures.h"
#include "support/catalogues.h"
#include "support/dialogdriver.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QListWidget>
#include <QCoreApplication>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

namespace klangtruhe::test {

// Readable failure messages for texts.
inline std::string str(const QString &text)
{
    return text.toStdString();
}

// The texts of a list's items in order (the track list's file names).
inline QStringList items(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

inline bool reaches(const MediaComponent &media, int state, int timeoutMs = 3000)
{
    return QTest::qWaitFor([&] { return media.playState() == state; }, timeoutMs);
}

// The real program started on a catalogue of our own in the test folder.
struct ProgramOnCatalogue {
    TestEnvironment env;
    std::unique_ptr<StartedProgram> started;

    void start(const std::vector<Row> &rows, const QMap<QString, QString> &settings = {},
               const QStringList &arguments = {}, const QString &sqlAfter = QString())
    {
        QDir().mkpath(env.programFolder());
        createEmptyCatalogue(env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
        const QString catalogue = env.path(QStringLiteral("sammlung.mdb"));
        makeCatalogue(catalogue, rows);
        if (!sqlAfter.isEmpty())
            execSql(catalogue, sqlAfter);
        QSettings store(env.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("Options/ArchivPfad"), catalogue);
        for (auto it = settings.begin(); it != settings.end(); ++it)
            store.setValue(QStringLiteral("Options/") + it.key(), it.value());
        store.sync();
        // Closing an earlier test's main window asked the application to quit;
        // with no event loop running that request stays pending and would end
        // the next modal dialog at once. A short run of the loop clears it.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        started = std::make_unique<StartedProgram>(arguments);
    }

    Ausgabebox *window() const { return started->window(); }
    Data1 &data() const { return window()->catalogue().data(); }
    PlayerComponent &player() const { return window()->player(); }
    Program &program() const { return window()->program(); }
    QString status() const { return window()->status().panel(2); }
    RecordingPlatform &platform() const { return started->platform(); }
};

// Entry 0 ("Can") plays the folder "musik/" with the given files, entry 1
// ("Neu!") has its own folder with two tracks. The player's hooks record
// what they are given.
struct PlayerProgram : ProgramOnCatalogue {
    QString music;
    QString caption;

    explicit PlayerProgram(const QMap<QString, QByteArray> &files, const QMap<QString, QString> &settings = {},
                           const QStringList &arguments = {})
    {
        music = env.path(QStringLiteral("musik/"));
        const QString second = env.path(QStringLiteral("zweite/"));
        QDir().mkpath(music);
        for (auto it = files.begin(); it != files.end(); ++it)
            writeFile(music + it.key(), it.value());
        writeFile(second + QStringLiteral("x1.wav"), wavSine(0.3));
        writeFile(second + QStringLiteral("x2.wav"), wavSine(0.3));
        start({Row{{"Band", "Can"}, {"LPTitel", "Tago Mago"}, {"Musikpfad", music}},
               Row{{"Band", "Neu!"}, {"LPTitel", "Neu! 75"}, {"Musikpfad", second}}},
              settings, arguments);
        // Start-up drew a random entry; these tests play the first one.
        data().setAbsolutePosition(0);
        PlayerComponent &p = player();
        p.hooks.setTrackCaption = [this](const QString &text) { caption = text; };
        p.fillTrackList();
    }
};

} // namespace klangtruhe::test
