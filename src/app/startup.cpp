#include "app/startup.h"

#include "app/ausgabebox.h"
#include "app/framecomponent.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "auxplayers/miniplayercomponent.h"
#include "catalogue/cataloguecomponent.h"
#include "lists/exclusioncomponent.h"
#include "media/covercomponent.h"
#include "player/playercomponent.h"
#include "player/sequencer.h"
#include "common/busypointer.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "common/numbers.h"
#include "platform/singleinstance.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace klangtruhe {

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    const QString text = arguments.join(QLatin1Char(' '));
    if (text.isEmpty())
        return result;
    if (arguments.size() == 1 && arguments.first().endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive)
        && QFileInfo(arguments.first()).isFile()) {
        result.catalogue = QDir::toNativeSeparators(QFileInfo(arguments.first()).absoluteFilePath());
        return result;
    }
    result.present = true;
    QString cleaned = text;
    cleaned.remove(QLatin1Char('"'));
    result.waitSeconds = std::max(0.0, leadingNumber(cleaned));
    return result;
}

namespace {

// Step 1 (CommandAbfrage): the wait blocks the whole program on purpose.
CommandLine CommandAbfrage(Program &program, const QStringList &arguments)
{
    const CommandLine command = parseCommandLine(arguments);
    if (!command.present)
        return command;
    program.startedWithArgument = true;
    const auto ms = static_cast<unsigned long>(std::min(command.waitSeconds, 86400.0) * 1000);
    QThread::msleep(ms);
    doEvents();
    program.autoPlayAtStart = true;
    return command;
}

} // namespace

bool runLoadSequence(Ausgabebox &window, SingleInstance &instance, const QStringList &arguments)
{
    Program &program = window.program();
    const CommandLine command = CommandAbfrage(program, arguments);

    // Step 2 (Mehrfachstart): the running instance comes forward, this one ends.
    if (instance.askRunningInstanceToActivate()) {
        doEvents();
        return false;
    }
    instance.listen();
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, &Ausgabebox::bringToFront);

    StatusBar &status = window.status();
    BusyPointer busy;
    try {
        status.setPanel(1, QStringLiteral(" Datenbank wird geladen..."));
        program.settings.write(keys::ProgrammName, QStringLiteral("K l a n g t r u h e   P l a y e r"));
        program.settings.write(keys::ErscheinungsJahr, QStringLiteral("2004"));
        window.RegistryLesen();
        window.catalogue().openAtStartup();
        if (!command.catalogue.isEmpty())
            window.catalogue().OpenDatabase(command.catalogue);
        QDir().mkpath(program.programFolder + QStringLiteral("Bilder"));
        QDir().mkpath(program.programFolder + QStringLiteral("Leer"));
        window.covers().readCoverFolder();
        window.exclusions().AbspielausschlusslisteLaden();
        window.exclusions().BandAbspielausschlusslisteLaden();
        // Step 12: a random entry to begin with, unless only excluded styles were found.
        PlayerComponent &player = window.player();
        if (program.StilAusgeschlossen) {
            player.sequencer().shuffle().styleNotice(QStringLiteral("Bedienungshinweis (Form_Load)"));
            player.Timer1().stop();
        } else {
            player.sequencer().shuffle().TontraegerZufaellig();
            // The drawn song is the current track: its stars show from the start.
            player.BewertungTracks();
        }
        window.catalogue().BezLaden();
        // Step 14: started with a waiting time, the program plays on its own in the mini player.
        if (program.autoPlayAtStart) {
            player.chkShuffle->click();
            player.imgStart_Click();
            window.miniPlayer().imgMiniPlayer_Click();
        }
        window.frame().startLoadDisplay();
    } catch (const DatabaseError &error) {
        // One handler for the whole sequence: report, skip the remaining steps.
        busy.release();
        status.setPanel(1, QStringLiteral(" Fehler beim Laden der Datenbank!"));
        window.show();
        failureReport(program, &window, QStringLiteral("Ausgabebox_Form_Load"), error.number, error.description);
    }
    return true;
}

} // namespace klangtruhe
