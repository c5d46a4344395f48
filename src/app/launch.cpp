#include "app/launch.h"

#include "app/ausgabebox.h"
#include "app/program.h"
#include "app/programfolder.h"
#include "app/startup.h"
#include "platform/endsession.h"
#include "platform/settingsbackend.h"
#include "platform/singleinstance.h"

#include <QApplication>
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
    // The mini player is a tool window that Qt does not count: closing the movie
    // window beside it would end the program. It ends through Beenden or its main window only.
    QApplication::setQuitOnLastWindowClosed(false);

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

int run(int argc, char **argv)
{
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
