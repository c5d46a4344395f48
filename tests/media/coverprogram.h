#pragma once

#include "app/ausgabebox.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/data1.h"
#include "media/covercomponent.h"
#include "support/catalogues.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QSettings>
#include <QTimer>
#include <memory>

namespace klangtruhe::test {

// A picture file's bytes: one colour, so a test can tell pictures apart.
inline QByteArray pictureBytes(const QColor &colour, const char *format = "JPG", int side = 40)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The real program on a catalogue of our own in the test folder, whose
// covers lie in "Bilder" beside it.
struct CoverProgram {
    TestEnvironment env;
    QString catalogue;
    std::unique_ptr<StartedProgram> started;

    CoverProgram(const std::vector<Row> &rows, const QMap<QString, QByteArray> &coverFiles,
                 const QMap<QString, QString> &settings = {}, const QString &sqlAfter = QString())
    {
        for (auto it = coverFiles.begin(); it != coverFiles.end(); ++it)
            writeFile(env.path(QStringLiteral("Bilder/")) + it.key(), it.value());
        QDir().mkpath(env.programFolder());
        createEmptyCatalogue(env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
        catalogue = env.path(QStringLiteral("sammlung.mdb"));
        makeCatalogue(catalogue, rows);
        if (!sqlAfter.isEmpty())
            execSql(catalogue, sqlAfter);
        QSettings store(env.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("Options/ArchivPfad"), catalogue);
        for (auto it = settings.begin(); it != settings.end(); ++it)
            store.setValue(QStringLiteral("Options/") + it.key(), it.value());
        store.sync();
        // An earlier test's closed window left a quit request pending.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        started = std::make_unique<StartedProgram>();
    }

    Ausgabebox *window() const { return started->window(); }
    CoverComponent &covers() const { return window()->covers(); }
    Data1 &data() const { return window()->catalogue().data(); }
    template <typename T>
    T *control(const QString &name) const
    {
        return window()->findChild<T *>(name);
    }
};

} // namespace klangtruhe::test
