#pragma once

#include <cstddef>
#include <cstdint>

// Byte-level UTF-8 helpers for the catalogue's SQL functions. They run once
// per character of every searched or sorted field, so they stay inline and
// never allocate. Text from the database is not trusted to be valid UTF-8: a
// byte that does not start a well-formed sequence counts as one character of
// its own (a code point above U+10FFFF that no real character can equal).
namespace klangtruhe::jetutf8 {

constexpr char32_t invalidByteBase = 0x110000;

inline bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the character at p (p < end) and advances p past it.
inline char32_t decode(const unsigned char *&p, const unsigned char *end)
{
    const unsigned char lead = *p;
    if (lead < 0x80) {
        ++p;
        return lead;
    }
    const std::ptrdiff_t left = end - p;
    if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && isContinuation(p[1])) {
        const char32_t cp = (char32_t(lead & 0x1F) << 6) | (p[1] & 0x3F);
        p += 2;
        return cp;
    }
    if (lead >= 0xE0 && lead <= 0xEF && left >= 3 && isContinuation(p[1]) && isContinuation(p[2])) {
        // Reject overlong forms and UTF-16 surrogates.
        if (!(lead == 0xE0 && p[1] < 0xA0) && !(lead == 0xED && p[1] >= 0xA0)) {
            const char32_t cp = (char32_t(lead & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
            p += 3;
            return cp;
        }
    }
    if (lead >= 0xF0 && lead <= 0xF4 && left >= 4 && isContinuation(p[1]) && isContinuation(p[2])
        && isContinuation(p[3])) {
        if (!(lead == 0xF0 && p[1] < 0x90) && !(lead == 0xF4 && p[1] >= 0x90)) {
            const char32_t cp = (char32_t(lead & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12)
                | (char32_t(p[2] & 0x3F) << 6) | (p[3] & 0x3F);
            p += 4;
            return cp;
        }
    }
    ++p;
    return invalidByteBase + lead;
}

// The start of the character that ends at `end` (begin < end), consistent
// with decode(): a sequence counts only if decode() would read it whole.
inline const unsigned char *previousStart(const unsigned char *begin, const unsigned char *end)
{
    const unsigned char *q = end - 1;
    while (q > begin && isContinuation(*q) && end - q < 4)
        --q;
    const unsigned char *probe = q;
    decode(probe, end);
    return probe == end ? q : end - 1;
}

constexpr unsigned char asciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

// Simple lower-case mapping for the scripts a music catalogue meets: Latin-1,
// Latin Extended-A, Greek and Cyrillic. It never maps a non-ASCII character
// to ASCII, so an ASCII pattern can be matched on raw bytes.
constexpr char32_t foldCase(char32_t cp)
{
    if (cp < 0x80)
        return asciiLower(static_cast<unsigned char>(cp));
    if (cp < 0xC0)
        return cp;
    if (cp <= 0xDE)
        return cp == 0xD7 ? cp : cp + 0x20;
    if (cp < 0x100)
        return cp;
    if (cp < 0x180) {
        if (cp == 0x130 || cp == 0x131 || cp == 0x138 || cp == 0x149 || cp == 0x17F)
            return cp; // İ, ı, ĸ, ŉ, ſ have no partner inside the block
        if (cp == 0x178)
            return 0xFF; // Ÿ
        const bool oddUpper = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
        if (oddUpper)
            return (cp & 1) ? cp + 1 : cp;
        return (cp & 1) ? cp : cp + 1;
    }
    if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2)
        return cp + 0x20;
    if (cp >= 0x410 && cp <= 0x42F)
        return cp + 0x20;
    if (cp >= 0x400 && cp <= 0x40F)
        return cp + 0x50;
    return cp;
}

} // namespace klangtruhe::jetutf8
