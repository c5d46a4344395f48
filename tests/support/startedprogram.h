#pragma once

#include "support/recordingplatform.h"

#include <QStringList>
#include <memory>

namespace klangtruhe {
class Ausgabebox;
}

namespace klangtruhe::test {

// The program started in this process through launch(), with a recording
// platform. The window is closed and destroyed with the object.
class StartedProgram {
public:
    explicit StartedProgram(const QStringList &arguments = {});
    ~StartedProgram();
    StartedProgram(const StartedProgram &) = delete;
    StartedProgram &operator=(const StartedProgram &) = delete;

    Ausgabebox *window() const { return m_window; }
    RecordingPlatform &platform() const { return *m_platform; }
    bool running() const { return m_window != nullptr; }

private:
    Ausgabebox *m_window = nullptr;
    RecordingPlatform *m_platform = nullptr;
};

} // namespace klangtruhe::test
