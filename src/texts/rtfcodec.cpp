#include "texts/rtfcodec.h"

namespace klangtruhe {

bool looksLikeRtf(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t c = text.at(i).unicode();
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n' && c != 0xFEFF)
            break;
        ++i;
    }
    return text.mid(i).startsWith(u"{\\rtf");
}

bool looksLikeRtfUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    if (text.substr(i, 3) == "\xEF\xBB\xBF") // byte-order mark
        i += 3;
    return text.substr(i, 5) == "{\\rtf";
}

} // namespace klangtruhe
