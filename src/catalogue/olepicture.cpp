#include "catalogue/olepicture.h"

#include <QtEndian>

namespace klangtruhe {
namespace {

// Reads a little-endian 32-bit number at pos and moves on; false past the end.
bool readUInt32(const QByteArray &bytes, qsizetype &pos, quint32 &value)
{
    if (pos < 0 || pos + 4 > bytes.size())
        return false;
    value = qFromLittleEndian<quint32>(bytes.constData() + pos);
    pos += 4;
    return true;
}

// Skips a length-prefixed string of the OLE1 header.
bool skipString(const QByteArray &bytes, qsizetype &pos)
{
    quint32 length = 0;
    if (!readUInt32(bytes, pos, length) || length > quint32(bytes.size() - pos))
        return false;
    pos += qsizetype(length);
    return true;
}

} // namespace

bool looksLikeImage(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xD8\xFF") || bytes.startsWith("\x89PNG") || bytes.startsWith("BM")
        || bytes.startsWith("GIF8");
}

QByteArray unwrapOlePicture(const QByteArray &field, bool *unwrapped)
{
    if (unwrapped)
        *unwrapped = false;
    if (field.size() < 4 || quint8(field[0]) != 0x15 || quint8(field[1]) != 0x1C)
        return field;
    qsizetype pos = qFromLittleEndian<quint16>(field.constData() + 2);
    quint32 version = 0;
    quint32 format = 0;
    quint32 size = 0;
    if (!readUInt32(field, pos, version) || (version & 0xffff) != 0x0501 || !readUInt32(field, pos, format)
        || !skipString(field, pos) || !skipString(field, pos) || !skipString(field, pos)
        || !readUInt32(field, pos, size) || size > quint32(field.size() - pos))
        return field;
    const QByteArray native = field.mid(pos, qsizetype(size));
    if (!looksLikeImage(native))
        return field;
    if (unwrapped)
        *unwrapped = true;
    return native;
}

} // namespace klangtruhe
