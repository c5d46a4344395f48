#include "common/ansitext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace klangtruhe {

QString decodeListFile(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        return decoder.decode(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringDecoder::Utf16BE);
        return decoder.decode(bytes.mid(2));
    }
    QStringDecoder decoder("Windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QStringList splitListLines(const QString &text)
{
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normal.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool encodeAnsi(const QString &text, QByteArray &bytes)
{
    QStringEncoder encoder("Windows-1252", QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) {
        bytes = text.toLatin1();
        return true;
    }
    bytes = encoder.encode(text);
    return !encoder.hasError();
}

} // namespace klangtruhe
