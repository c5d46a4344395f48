#pragma once

#include "app/program.h"
#include "support/recordingplatform.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace klangtruhe::test {

// A program whose platform records sounds, opened pages and started tools,
// with its program folder in a fresh folder and a shown window to place
// dialogs over.
class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture()
    {
        auto platform = std::make_unique<RecordingPlatform>();
        recorder = platform.get();
        program = std::make_unique<Program>(std::move(platform));
        program->programFolder = env.programFolder();
        QDir().mkpath(env.programFolder());
        reference.setGeometry(50, 50, 700, 500);
        reference.show();
    }

    QString inProgramFolder(const QString &name) const { return env.programFolder() + name; }

    TestEnvironment env;
    RecordingPlatform *recorder = nullptr;
    std::unique_ptr<Program> program;
    QWidget reference;
};

} // namespace klangtruhe::test
