#pragma once

#include "app/ausgabebox.h"
#include "catalogue/catalogueschema.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QAction>
#include <QDir>
#include <QMap>
#include <QSettings>
#include <memory>

namespace klangtruhe::test {

// A program folder holding only the empty template, settings an earlier run
// left behind, and the real program started on them.
struct ProgramFolder {
    TestEnvironment env;
    std::unique_ptr<StartedProgram> program;

    ProgramFolder()
    {
        QDir().mkpath(env.programFolder());
        createEmptyCatalogue(env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
    }
    void store(const QMap<QString, QString> &values) const
    {
        QSettings settings(env.settingsFile(), QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            settings.setValue(QStringLiteral("Options/") + it.key(), it.value());
    }
    QString stored(const QString &key) const
    {
        return QSettings(env.settingsFile(), QSettings::IniFormat).value(QStringLiteral("Options/") + key).toString();
    }
    bool start()
    {
        program = std::make_unique<StartedProgram>();
        return program->running();
    }
    Ausgabebox &window() const { return *program->window(); }
    template <typename T = QAction> T *find(const QString &name) const { return window().findChild<T *>(name); }
};

} // namespace klangtruhe::test
