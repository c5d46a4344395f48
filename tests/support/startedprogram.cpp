#include "support/startedprogram.h"

#include "app/ausgabebox.h"
#include "app/launch.h"

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
}

} // namespace klangtruhe::test
