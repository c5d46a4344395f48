#include "player/tracklength.h"

#include "player/mpegaudio.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QMimeType>

#include <cstring>

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>

namespace klangtruhe {

namespace {

quint32 littleEndian32(const uchar *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

quint16 littleEndian16(const uchar *p)
{
    return quint16(p[0] | (p[1] << 8));
}

bool isMpegAudioEnding(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("mp3") || suffix == QLatin1String("mp2") || suffix == QLatin1String("mp1")
           || suffix == QLatin1String("mpga");
}

double tagLibLength(const QString &path)
{
#ifdef Q_OS_WIN
    const TagLib::FileRef file(reinterpret_cast<const wchar_t *>(path.utf16()), true,
                               TagLib::AudioProperties::Average);
#else
    const QByteArray name = QFile::encodeName(path);
    const TagLib::FileRef file(name.constData(), true, TagLib::AudioProperties::Average);
#endif
    if (file.isNull() || !file.audioProperties())
        return -1;
    const int milliseconds = file.audioProperties()->lengthInMilliseconds();
    return milliseconds > 0 ? milliseconds / 1000.0 : -1;
}

// Runs measure over the whole file, mapped into memory where possible.
template <typename Measure>
double measureBytes(QFile &file, Measure measure)
{
    const qint64 size = file.size();
    if (uchar *mapped = file.map(0, size)) {
        const double seconds = measure(mapped, size);
        file.unmap(mapped);
        return seconds;
    }
    const QByteArray bytes = file.readAll();
    return measure(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
}

} // namespace

double wavLength(const uchar *data, qint64 size)
{
    if (size < 12 || memcmp(data, "RIFF", 4) != 0 || memcmp(data + 8, "WAVE", 4) != 0)
        return -1;
    quint16 formatTag = 0, blockAlign = 0;
    quint32 sampleRate = 0, byteRate = 0;
    qint64 factSamples = -1;
    bool haveFormat = false;
    qint64 pos = 12;
    while (pos + 8 <= size) {
        const uchar *chunk = data + pos;
        const qint64 chunkSize = littleEndian32(chunk + 4);
        const qint64 body = pos + 8;
        if (memcmp(chunk, "fmt ", 4) == 0 && chunkSize >= 16 && body + 16 <= size) {
            formatTag = littleEndian16(data + body);
            sampleRate = littleEndian32(data + body + 4);
            byteRate = littleEndian32(data + body + 8);
            blockAlign = littleEndian16(data + body + 12);
            haveFormat = sampleRate > 0 && byteRate > 0 && blockAlign > 0;
        } else if (memcmp(chunk, "fact", 4) == 0 && chunkSize >= 4 && body + 4 <= size) {
            factSamples = littleEndian32(data + body);
        } else if (memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return -1;
            const qint64 bytes = qMin(chunkSize, size - body);
            const bool pcm = formatTag == 1 || formatTag == 3 || formatTag == 0xFFFE;
            if (pcm)
                return double(bytes / blockAlign) / sampleRate;
            if (factSamples >= 0)
                return double(factSamples) / sampleRate;
            return double(bytes) / byteRate;
        }
        pos = body + chunkSize + (chunkSize & 1);
    }
    return -1;
}

double trackLength(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return -1;
    const QByteArray head = file.peek(12);
    if (head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE")
        return measureBytes(file, wavLength);
    if (isMpegAudioEnding(path))
        return measureBytes(file, mpegAudioLength);
    file.close();
    return tagLibLength(path);
}

bool surelyNoMedia(const QString &path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent);
    const bool unknown = type.name() == QLatin1String("application/octet-stream")
                         || type.inherits(QStringLiteral("text/plain")) || type.name() == QLatin1String("application/x-zerosize");
    // Sound formats trackLength reads itself: one it cannot measure is damaged.
    static const char *const measured[] = {"audio/mpeg", "audio/flac", "audio/x-flac+ogg", "audio/ogg", "audio/x-vorbis+ogg",
                                           "audio/x-opus+ogg", "audio/x-wav", "audio/vnd.wave", "audio/mp4", "audio/x-m4a"};
    bool known = false;
    for (const char *name : measured)
        known = known || type.inherits(QString::fromLatin1(name));
    return (unknown || known) && trackLength(path) < 0;
}

} // namespace klangtruhe
