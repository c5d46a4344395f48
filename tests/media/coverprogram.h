#pragma once

#include "media/covercomponent.h"
#include "player/playerprogram.h"

#include <QBuffer>
#include <QImage>

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

// The real program on a catalogue whose covers lie in "Bilder" beside it.
struct CoverProgram : ProgramOnCatalogue {
    CoverProgram(const std::vector<Row> &rows, const QMap<QString, QByteArray> &coverFiles,
                 const QMap<QString, QString> &settings = {}, const QString &sqlAfter = QString())
    {
        for (auto it = coverFiles.begin(); it != coverFiles.end(); ++it)
            writeFile(env.path(QStringLiteral("Bilder/")) + it.key(), it.value());
        start(rows, settings, {}, sqlAfter);
    }

    CoverComponent &covers() const { return window()->covers(); }
    template <typename T>
    T *control(const QString &name) const
    {
        return window()->findChild<T *>(name);
    }
};

} // namespace klangtruhe::test
