#include "app/launch.h"

#include <QApplication>
#include <QMainWindow>

namespace klangtruhe {

QMainWindow *launch(const QStringList &)
{
    auto *window = new QMainWindow;
    window->setObjectName(QStringLiteral("Ausgabebox"));
    window->setWindowTitle(QStringLiteral("Klangtruhe-Player"));
    window->show();
    return window;
}

int run(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (!launch(arguments))
        return 0;
    return app.exec();
}

} // namespace klangtruhe
