#pragma once

// The real main window over a benchmark's program folder, shown and settled,
// as both window benchmarks start from.
#include "app/ausgabebox.h"
#include "app/program.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <memory>

namespace klangtruhe::bench {

inline std::unique_ptr<Ausgabebox> shownWindow(const QString &programFolder)
{
    auto program = std::make_unique<Program>(createSystemPlatform());
    program->programFolder = programFolder + QStringLiteral("/");
    auto window = std::make_unique<Ausgabebox>(std::move(program));
    window->RegistryLesen();
    window->show();
    QCoreApplication::processEvents();
    return window;
}

} // namespace klangtruhe::bench
