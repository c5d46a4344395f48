#include "catalogue/textwidthmeter.h"

namespace klangtruhe {

TextWidthMeter::TextWidthMeter(const QFont &font, int maxChars)
    : m_metrics(font)
    , m_maxChars(maxChars)
{
    const double blank = m_metrics.horizontalAdvance(QLatin1Char(' '));
    for (int c = 0; c < 128; ++c)
        m_ascii[static_cast<size_t>(c)] = c < 32 ? blank : m_metrics.horizontalAdvance(QLatin1Char(static_cast<char>(c)));
}

double TextWidthMeter::advance(char32_t codePoint) const
{
    if (codePoint < 128)
        return m_ascii[codePoint];
    auto found = m_other.constFind(codePoint);
    if (found != m_other.constEnd())
        return *found;
    const double value = m_metrics.horizontalAdvance(QString::fromUcs4(&codePoint, 1));
    m_other.insert(codePoint, value);
    return value;
}

double TextWidthMeter::width(const QByteArray &utf8, double limit) const
{
    double total = 0;
    const auto *bytes = reinterpret_cast<const unsigned char *>(utf8.constData());
    const qsizetype size = utf8.size();
    qsizetype i = 0;
    for (int chars = 0; i < size && chars < m_maxChars && total < limit; ++chars) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            total += m_ascii[lead];
            ++i;
            continue;
        }
        // A broken sequence counts as one replacement character per byte.
        char32_t codePoint = 0xFFFD;
        int length = 1;
        if ((lead & 0xE0) == 0xC0)
            length = 2, codePoint = lead & 0x1F;
        else if ((lead & 0xF0) == 0xE0)
            length = 3, codePoint = lead & 0x0F;
        else if ((lead & 0xF8) == 0xF0)
            length = 4, codePoint = lead & 0x07;
        if (length > 1 && i + length <= size) {
            for (int k = 1; k < length; ++k) {
                if ((bytes[i + k] & 0xC0) != 0x80) {
                    codePoint = 0xFFFD;
                    length = 1;
                    break;
                }
                codePoint = (codePoint << 6) | (bytes[i + k] & 0x3F);
            }
        } else {
            codePoint = 0xFFFD;
            length = 1;
        }
        total += advance(codePoint);
        i += length;
    }
    return total;
}

double TextWidthMeter::width(const QString &text, double limit) const
{
    return width(text.left(m_maxChars).toUtf8(), limit);
}

} // namespace klangtruhe
