#include "texts/rtfcodepage.h"

#include <QStringDecoder>

namespace klangtruhe::rtf {
namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page is Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t fromWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

int toWindows1252(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return character;
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == character)
            return 0x80 + i;
    }
    return -1;
}

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0;
    }
}

ByteDecoder::ByteDecoder() = default;
ByteDecoder::~ByteDecoder() = default;

QString ByteDecoder::decode(int codePage, const QByteArray &bytes)
{
    if (codePage != Windows1252) {
        auto it = decoders_.find(codePage);
        if (it == decoders_.end()) {
            const QByteArray number = QByteArray::number(codePage);
            auto decoder = std::make_unique<QStringDecoder>(
                (codePage == 10000 ? QByteArray("macintosh") : "windows-" + number).constData());
            if (!decoder->isValid())
                decoder = std::make_unique<QStringDecoder>(("cp" + number).constData());
            if (!decoder->isValid())
                decoder.reset();
            it = decoders_.emplace(codePage, std::move(decoder)).first;
        }
        if (it->second) {
            QString text = it->second->decode(bytes);
            it->second->resetState();
            return text;
        }
    }
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(fromWindows1252(static_cast<unsigned char>(bytes.at(i))));
    return text;
}

} // namespace klangtruhe::rtf
