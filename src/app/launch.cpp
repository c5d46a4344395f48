#include "app/launch.h"

#include "app/ausgabebox.h"
#include "app/program.h"
#include "app/programfolder.h"
#include "app/qttranslation.h"
#include "app/startup.h"
#include "platform/endsession.h"
#include "platform/settingsbackend.h"
#include "platform/singleinstance.h"

#include "catalogue/jetimport.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <QIcon>

namespace klangtruhe {

QMainWindow *launch(const QStringList &arguments)
{
    return launch(arguments, createSystemPlatform());
}

QMainWindow *launch(const QStringList &arguments, std::unique_ptr<Platform> platform)
{
    QApplication::setApplicationName(QStringLiteral("Klangtruhe"));
    QApplication::setOrganizationName(QStringLiteral("Klangtruhe"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationVersion(QStringLiteral(KLANGTRUHE_VERSION));
    // The desktop finds the program's entry and icon under this name (Wayland, sound menu).
    QGuiApplication::setDesktopFileName(QStringLiteral("de.fernwerk.Klangtruhe"));
    // The mini player is a tool window that Qt does not count: closing the movie
    // window beside it would end the program. It ends through Beenden or its main window only.
    QApplication::setQuitOnLastWindowClosed(false);
    if (QCoreApplication::instance())
        installQtTranslations(*QCoreApplication::instance());

    auto program = std::make_unique<Program>(std::move(platform));
    program->programFolder = resolveProgramFolder();
    seedProgramFolder(program->programFolder);

    auto *window = new Ausgabebox(std::move(program));
    auto *instance = new SingleInstance(settingsLocation(), window);
    if (!runLoadSequence(*window, *instance, arguments)) {
        delete window;
        return nullptr;
    }
    auto *endSession = new EndSessionWatcher(window);
    QObject::connect(endSession, &EndSessionWatcher::endRequested, window, &Ausgabebox::Beenden);
    // Started for automatic play, the mini player has taken the window's place.
    if (!window->program().autoPlayAtStart)
        window->show();
    return window;
}

namespace {

// "--import SOURCE TARGET": converts an Access catalogue without a window.
int runImport(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("Aufruf: klangtruhe --import QUELLE.mdb ZIEL.mdb\n", stderr);
        return 2;
    }
    JetImportReport report;
    QString error;
    if (!importJetCatalogue(arguments[2], arguments[3], report, error)) {
        std::fprintf(stderr, "Fehler: %s\n", error.toUtf8().constData());
        return 1;
    }
    std::printf("%s\n", report.text().toUtf8().constData());
    return 0;
}

} // namespace

int run(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--import") == 0)
        return runImport(argc, argv);
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    QMainWindow *window = launch(arguments);
    if (!window)
        return 0;
    const int result = QApplication::exec();
    delete window;
    return result;
}

} // namespace klangtruhe
