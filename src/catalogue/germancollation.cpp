#include "catalogue/jetfunctions.h"
#include "catalogue/jetutf8.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace klangtruhe {

using namespace jetutf8;

namespace {

// Sort weights of one character. Primary weights are the base letters
// (lower-case ASCII) or, for everything else, the code point; every weight is
// shifted by one so that 0 can mean "end of text". A letter such as ß or æ
// expands to two primary weights.
struct Weights {
    std::uint32_t primary = 0;
    std::uint32_t primary2 = 0;
    std::uint8_t accent = 0; // 0 for a plain letter
    std::uint8_t upper = 0;  // 1 for an upper-case letter
};

constexpr char32_t tableSize = 0x180;

// Base letters of U+00C0..U+00FF and U+0100..U+017F; two letters where the
// character expands, '\0' where it is no letter.
constexpr const char *latin1Base[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",   //
    "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "th", "ss", //
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",   //
    "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "th", "y"};
constexpr const char *latinExtABase[128] = {
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",    //
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",    //
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",    //
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",  //
    "l", "l", "l", "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",    //
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",  //
    "s", "s", "t", "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",    //
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s"};

constexpr Weights weightsOf(char32_t cp)
{
    Weights w;
    const char *base = nullptr;
    if (cp >= 0xC0 && cp < 0x100)
        base = latin1Base[cp - 0xC0];
    else if (cp >= 0x100 && cp < 0x180)
        base = latinExtABase[cp - 0x100];
    if (base && base[0] != '\0') {
        w.primary = static_cast<unsigned char>(base[0]) + 1u;
        w.primary2 = base[1] != '\0' ? static_cast<unsigned char>(base[1]) + 1u : 0u;
        // Any distinct value per accented letter will do; upper and lower case
        // share it so that case only counts after the accents.
        const char32_t lower = foldCase(cp);
        w.accent = static_cast<std::uint8_t>(lower < 0x100 ? lower - 0xDF + 1 : lower - 0x100 + 40);
        w.upper = lower != cp ? 1 : 0;
        return w;
    }
    const char32_t lower = cp < 0x80 ? asciiLower(static_cast<unsigned char>(cp)) : cp;
    w.primary = lower + 1;
    w.upper = lower != cp ? 1 : 0;
    return w;
}

constexpr std::array<Weights, tableSize> buildTable()
{
    std::array<Weights, tableSize> table{};
    for (char32_t cp = 0; cp < tableSize; ++cp)
        table[cp] = weightsOf(cp);
    return table;
}

constexpr std::array<Weights, tableSize> weightTable = buildTable();

Weights lookup(char32_t cp)
{
    if (cp < tableSize)
        return weightTable[cp];
    Weights w;
    w.primary = foldCase(cp) + 1;
    w.upper = foldCase(cp) != cp ? 1 : 0;
    return w;
}

class PrimaryCursor {
public:
    explicit PrimaryCursor(std::string_view text)
        : m_p(reinterpret_cast<const unsigned char *>(text.data()))
        , m_end(m_p + text.size())
    {
    }
    // Both cursors on an ASCII byte with nothing pending: the fast path.
    bool plainAscii() const { return m_pending == 0 && m_p < m_end && *m_p < 0x80; }
    std::uint32_t asciiWeight() const { return weightTable[*m_p].primary; }
    void skipAscii() { ++m_p; }

    std::uint32_t next()
    {
        if (m_pending != 0) {
            const std::uint32_t weight = m_pending;
            m_pending = 0;
            return weight;
        }
        if (m_p >= m_end)
            return 0;
        const Weights w = lookup(decode(m_p, m_end));
        m_pending = w.primary2;
        return w.primary;
    }

private:
    const unsigned char *m_p;
    const unsigned char *m_end;
    std::uint32_t m_pending = 0;
};

// Lower-case ASCII, for the loop that runs while both texts are plain ASCII.
constexpr std::array<unsigned char, 128> buildAsciiKeys()
{
    std::array<unsigned char, 128> keys{};
    for (unsigned c = 0; c < 128; ++c)
        keys[c] = asciiLower(static_cast<unsigned char>(c));
    return keys;
}

constexpr std::array<unsigned char, 128> asciiKeys = buildAsciiKeys();

int comparePrimary(std::string_view a, std::string_view b)
{
    // Most names differ within their first ASCII letters; decide those
    // without decoding anything.
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    for (; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (ca == cb) {
            if (ca < 0x80)
                continue;
            break;
        }
        if ((ca | cb) >= 0x80)
            break;
        if (asciiKeys[ca] != asciiKeys[cb])
            return asciiKeys[ca] < asciiKeys[cb] ? -1 : 1;
    }
    if (i == common && a.size() == b.size())
        return 0;
    // The first i bytes are ASCII and equal without regard to case.
    a.remove_prefix(i);
    b.remove_prefix(i);
    PrimaryCursor ca(a), cb(b);
    for (;;) {
        if (ca.plainAscii() && cb.plainAscii()) {
            const std::uint32_t wa = ca.asciiWeight(), wb = cb.asciiWeight();
            if (wa != wb)
                return wa < wb ? -1 : 1;
            ca.skipAscii();
            cb.skipAscii();
            continue;
        }
        const std::uint32_t wa = ca.next(), wb = cb.next();
        if (wa != wb)
            return wa < wb ? -1 : 1;
        if (wa == 0)
            return 0;
    }
}

// Compares the texts character by character on one of the later levels.
template <typename Level>
int compareLevel(std::string_view a, std::string_view b, Level level)
{
    const unsigned char *pa = reinterpret_cast<const unsigned char *>(a.data()), *ea = pa + a.size();
    const unsigned char *pb = reinterpret_cast<const unsigned char *>(b.data()), *eb = pb + b.size();
    while (pa < ea && pb < eb) {
        const int wa = level(lookup(decode(pa, ea)));
        const int wb = level(lookup(decode(pb, eb)));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    return (pa < ea) - (pb < eb);
}

} // namespace

int compareGerman(std::string_view aUtf8, std::string_view bUtf8)
{
    if (const int primary = comparePrimary(aUtf8, bUtf8))
        return primary;
    if (aUtf8 == bUtf8)
        return 0;
    if (const int accents = compareLevel(aUtf8, bUtf8, [](const Weights &w) { return int(w.accent); }))
        return accents;
    if (const int letterCase = compareLevel(aUtf8, bUtf8, [](const Weights &w) { return int(w.upper); }))
        return letterCase;
    return aUtf8.compare(bUtf8) < 0 ? -1 : 1;
}

std::string germanFoldedKey(std::string_view utf8)
{
    std::string key;
    key.reserve(utf8.size());
    PrimaryCursor cursor(utf8);
    for (std::uint32_t weight = cursor.next(); weight != 0; weight = cursor.next()) {
        const char32_t cp = weight - 1;
        if (cp < 0x80) {
            key += static_cast<char>(cp);
        } else if (cp < 0x800) {
            key += static_cast<char>(0xC0 | (cp >> 6));
            key += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            key += static_cast<char>(0xE0 | (cp >> 12));
            key += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            key += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < invalidByteBase) {
            key += static_cast<char>(0xF0 | (cp >> 18));
            key += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            key += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            key += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            key += static_cast<char>(cp - invalidByteBase); // a stray byte stays itself
        }
    }
    return key;
}

} // namespace klangtruhe
