#include "app/program.h"

namespace klangtruhe {

Program::Program(std::unique_ptr<Platform> platform)
    : m_platform(std::move(platform))
{
    fakeMedia = qEnvironmentVariable("KLANGTRUHE_MEDIA") == QLatin1String("fake");
}

} // namespace klangtruhe
