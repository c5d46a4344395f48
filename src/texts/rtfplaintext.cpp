#include "texts/rtfplaintext.h"

#include "texts/rtfcodec.h"
#include "texts/rtfcodepage.h"

#include <array>
#include <string_view>
#include <vector>

namespace klangtruhe {

namespace {

// Groups whose content is never shown: tables, document properties,
// pictures, embedded objects and the bullet texts RichEdit writes before
// each list item.
bool isHiddenDestination(std::string_view word)
{
    static constexpr std::array<std::string_view, 25> hidden = {
        "fonttbl", "colortbl", "stylesheet", "info",       "pict",    "object",
        "listtable", "listoverridetable", "pntext", "pn",  "fldinst", "header",
        "footer",  "headerl",  "headerr",    "footerl",    "footerr", "footnote",
        "xe",      "tc",       "bkmkstart",  "bkmkend",    "filetbl", "revtbl",
        "listtext"};
    for (std::string_view name : hidden) {
        if (word == name)
            return true;
    }
    return false;
}

char16_t namedCharacter(std::string_view word)
{
    if (word == "emdash") return u'\u2014';
    if (word == "endash") return u'\u2013';
    if (word == "bullet") return u'\u2022';
    if (word == "lquote") return u'\u2018';
    if (word == "rquote") return u'\u2019';
    if (word == "ldblquote") return u'\u201C';
    if (word == "rdblquote") return u'\u201D';
    if (word == "tab" || word == "cell") return u' ';
    return 0;
}

bool isParagraphEnd(std::string_view word)
{
    return word == "par" || word == "line" || word == "sect" || word == "page" || word == "row";
}

bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Collects characters into paragraphs and paragraphs into the one line.
class LineBuilder {
public:
    explicit LineBuilder(int maxChars) : m_max(maxChars) {}

    void character(char16_t c)
    {
        if (c == u'\t' || c == 0xA0)
            c = u' ';
        if (c == u' ' && (m_paragraph.isEmpty() || m_paragraph.back() == u' '))
            return; // blanks at the start and runs of blanks show as nothing or one
        m_paragraph.append(QChar(c));
        if (m_line.size() + m_paragraph.size() > m_max)
            endParagraph();
    }
    void endParagraph()
    {
        while (!m_paragraph.isEmpty() && m_paragraph.back() == u' ')
            m_paragraph.chop(1);
        if (m_paragraph.isEmpty())
            return;
        if (!m_line.isEmpty())
            m_line += kParagraphSeparator;
        m_line += m_paragraph;
        m_paragraph.clear();
    }
    bool full() const { return m_line.size() >= m_max; }
    QString take()
    {
        endParagraph();
        m_line.truncate(m_max);
        return m_line;
    }

private:
    int m_max;
    QString m_line;
    QString m_paragraph;
};

struct Group {
    bool hidden = false;
    int unicodeSkip = 1; // \ucN: fallback characters after each \uN
};

} // namespace

QString richTextLine(QStringView fieldText, int maxChars)
{
    if (!looksLikeRtf(fieldText))
        return fieldText.toString();

    LineBuilder out(maxChars);
    std::vector<Group> groups{Group{}};
    bool groupJustOpened = false;
    int fallbackToSkip = 0;
    const char16_t *p = fieldText.utf16();
    const char16_t *const end = p + fieldText.size();

    auto put = [&](char16_t c) {
        if (fallbackToSkip > 0) {
            --fallbackToSkip;
            return;
        }
        if (!groups.back().hidden)
            out.character(c);
    };

    while (p < end && !out.full()) {
        const char16_t c = *p++;
        if (c == u'{') {
            groups.push_back(groups.back());
            groupJustOpened = true;
            fallbackToSkip = 0;
            continue;
        }
        if (c == u'}') {
            if (groups.size() > 1)
                groups.pop_back();
            groupJustOpened = false;
            fallbackToSkip = 0;
            continue;
        }
        const bool firstInGroup = groupJustOpened;
        groupJustOpened = false;
        if (c == u'\r' || c == u'\n')
            continue;
        if (c != u'\\') {
            put(c);
            continue;
        }
        if (p == end)
            break;
        const char16_t symbol = *p;
        if (!isAsciiLetter(symbol)) {
            ++p;
            switch (symbol) {
            case u'\'': {
                const int high = p < end ? hexValue(*p) : -1;
                const int low = p + 1 < end ? hexValue(p[1]) : -1;
                if (high >= 0 && low >= 0) {
                    p += 2;
                    put(rtf::fromWindows1252(static_cast<unsigned char>(high * 16 + low)));
                }
                break;
            }
            case u'*':
                if (firstInGroup)
                    groups.back().hidden = true; // an optional destination this reader does not know
                break;
            case u'~': put(u' '); break;
            case u'_': put(u'\u2011'); break; // non-breaking hyphen
            case u'-': put(u'\u00AD'); break; // optional hyphen
            case u'\r':
            case u'\n':
                if (!groups.back().hidden)
                    out.endParagraph();
                break;
            case u'\\':
            case u'{':
            case u'}': put(symbol); break;
            default: break;
            }
            continue;
        }
        // A control word: letters, an optional signed number, one optional blank.
        char word[33];
        int length = 0;
        while (p < end && isAsciiLetter(*p)) {
            if (length < 32)
                word[length++] = static_cast<char>(*p);
            ++p;
        }
        const std::string_view name(word, static_cast<size_t>(length));
        bool negative = false;
        if (p < end && *p == u'-') {
            negative = true;
            ++p;
        }
        long long parameter = 0;
        bool hasParameter = false;
        while (p < end && *p >= u'0' && *p <= u'9') {
            if (parameter < 10'000'000)
                parameter = parameter * 10 + (*p - u'0');
            hasParameter = true;
            ++p;
        }
        if (negative)
            parameter = -parameter;
        if (p < end && *p == u' ')
            ++p;

        Group &group = groups.back();
        if (firstInGroup && isHiddenDestination(name)) {
            group.hidden = true;
        } else if (name == "u" && hasParameter) {
            const int savedSkip = fallbackToSkip;
            fallbackToSkip = 0;
            put(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter));
            fallbackToSkip = savedSkip + group.unicodeSkip;
        } else if (name == "uc" && hasParameter) {
            group.unicodeSkip = static_cast<int>(std::max(0LL, std::min(parameter, 10LL)));
        } else if (name == "bin" && hasParameter) {
            p += std::min<long long>(std::max(0LL, parameter), end - p); // raw bytes, never text
        } else if (isParagraphEnd(name)) {
            if (!group.hidden)
                out.endParagraph();
        } else if (const char16_t shown = namedCharacter(name)) {
            put(shown);
        }
    }
    return out.take();
}

} // namespace klangtruhe
