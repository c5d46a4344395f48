#include "texts/rtfcodec.h"

namespace klangtruhe {

bool looksLikeRtf(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t c = text.at(i).unicode();
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n' && c != 0xFEFF)
            break;
        ++i;
    }
    return QStringView(text).mid(i).startsWith(u"{\\rtf");
}

} // namespace klangtruhe
