#include "support/videofixtures.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

namespace klangtruhe::test {

namespace {

void le32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void le16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

QByteArray chunk(const char *fourcc, const QByteArray &data)
{
    QByteArray out(fourcc, 4);
    le32(out, static_cast<quint32>(data.size()));
    out += data;
    if (data.size() % 2)
        out += '\0';
    return out;
}

QByteArray list(const char *type, const QByteArray &data) { return chunk("LIST", QByteArray(type, 4) + data); }

QByteArray jpegFrame(int index, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((index * 15) % 360, 200, 220));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 80);
    return bytes;
}

} // namespace

QByteArray mjpegAviWithoutSound(double seconds, int width, int height)
{
    const int frames = qMax(1, static_cast<int>(seconds * 25));
    QByteArray movi, index;
    int largest = 0;
    for (int f = 0; f < frames; ++f) {
        const QByteArray jpeg = jpegFrame(f, width, height);
        largest = qMax(largest, static_cast<int>(jpeg.size()));
        le32(index, 0x63643030); // "00dc"
        le32(index, 0x10);       // key frame
        le32(index, static_cast<quint32>(4 + movi.size()));
        le32(index, static_cast<quint32>(jpeg.size()));
        movi += chunk("00dc", jpeg);
    }

    QByteArray avih;
    for (const quint32 value : {40000u, 25u * static_cast<quint32>(largest), 0u, 0x10u, static_cast<quint32>(frames), 0u, 1u,
                                static_cast<quint32>(largest), static_cast<quint32>(width), static_cast<quint32>(height),
                                0u, 0u, 0u, 0u})
        le32(avih, value);
    QByteArray strh("vidsMJPG", 8);
    for (const quint32 value : {0u, 0u, 0u, 1u, 25u, 0u, static_cast<quint32>(frames), static_cast<quint32>(largest),
                                0xFFFFFFFFu, 0u})
        le32(strh, value);
    for (const int value : {0, 0, width, height})
        le16(strh, static_cast<quint16>(value));
    QByteArray strf;
    le32(strf, 40);
    le32(strf, static_cast<quint32>(width));
    le32(strf, static_cast<quint32>(height));
    le16(strf, 1);
    le16(strf, 24);
    strf += QByteArray("MJPG", 4);
    for (const quint32 value : {static_cast<quint32>(width * height * 3), 0u, 0u, 0u, 0u})
        le32(strf, value);

    const QByteArray hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));
    const QByteArray body = QByteArray("AVI ", 4) + hdrl + list("movi", movi) + chunk("idx1", index);
    return chunk("RIFF", body);
}

} // namespace klangtruhe::test
