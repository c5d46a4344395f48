#include "support/startedprogram.h"

#include "app/ausgabebox.h"
#include "app/launch.h"

#include <QCoreApplication>
#include <QTimer>

namespace klangtruhe::test {

StartedProgram::StartedProgram(const QStringList &arguments)
{
    auto platform = std::make_unique<RecordingPlatform>();
    m_platform = platform.get();
    m_window = qobject_cast<Ausgabebox *>(launch(arguments, std::move(platform)));
    if (!m_window)
        m_platform = nullptr;
}

StartedProgram::~StartedProgram()
{
    if (m_window) {
        m_window->close();
        delete m_window;
    }
    // Closing the main window asks the event loop to end; with no loop running
    // that request would wait and end the next modal dialog of this process
    // at once. Let a short loop take it.
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace klangtruhe::test
