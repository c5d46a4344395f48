#pragma once

#include "app/ausgabebox.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "support/catalogues.h"
#include "support/recordingplatform.h"
#include "support/tempfolders.h"

#include <QCoreApplication>
#include <memory>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace klangtruhe::test {

// The real main window offscreen with a catalogue of the given rows opened.
struct MainWindowHarness {
    TestEnvironment env;
    QString path;
    std::unique_ptr<Ausgabebox> window;

    explicit MainWindowHarness(const std::vector<Row> &rows, bool open = true)
    {
        path = makeCatalogue(env.path(QStringLiteral("Archiv.mdb")), rows);
        auto program = std::make_unique<Program>(std::make_unique<RecordingPlatform>());
        program->programFolder = env.programFolder();
        window = std::make_unique<Ausgabebox>(std::move(program));
        window->RegistryLesen();
        window->show();
        if (open)
            window->catalogue().OpenDatabase(path);
        QCoreApplication::processEvents();
    }

    Program &program() { return window->program(); }
    CatalogueComponent &catalogue() { return window->catalogue(); }
    Data1 &data() { return window->catalogue().data(); }
    template <typename T> T *find(const QString &name) { return window->findChild<T *>(name); }
};

} // namespace klangtruhe::test
