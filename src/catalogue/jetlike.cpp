#include "catalogue/jetfunctions.h"
#include "catalogue/jetutf8.h"

#include <cstring>

namespace klangtruhe {

using namespace jetutf8;

namespace {
const unsigned char *bytesOf(std::string_view text) { return reinterpret_cast<const unsigned char *>(text.data()); }

unsigned char asciiUpper(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c; }

// Next occurrence of `c` at or after `from`, or `end`.
const unsigned char *nextByte(const unsigned char *from, const unsigned char *end, unsigned char c)
{
    const void *hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return hit ? static_cast<const unsigned char *>(hit) : end;
}
} // namespace

JetLikePattern::JetLikePattern(std::string_view patternUtf8, char32_t escape)
    : m_source(patternUtf8)
    , m_escape(escape)
{
    std::vector<std::uint32_t> segmentStarts{0};
    const unsigned char *begin = bytesOf(patternUtf8);
    const unsigned char *end = begin + patternUtf8.size();
    std::size_t i = 0;
    while (i < patternUtf8.size()) {
        const unsigned char *p = begin + i;
        char32_t cp = decode(p, end);
        Element element{Kind::Literal, false, 0, 0, 0};
        if (escape != 0 && cp == escape && p < end) {
            element.ch = foldCase(decode(p, end));
        } else if (cp == '*') {
            segmentStarts.push_back(static_cast<std::uint32_t>(m_elements.size()));
            i = static_cast<std::size_t>(p - begin);
            continue;
        } else if (cp == '?') {
            element.kind = Kind::AnyChar;
        } else if (cp == '#') {
            element.kind = Kind::Digit;
        } else if (cp == '[' && parseSet(patternUtf8, i, element)) {
            // "[]" stands for no character at all.
            if (element.count != 0)
                m_elements.push_back(element);
            continue;
        } else {
            element.ch = foldCase(cp);
        }
        m_elements.push_back(element);
        i = static_cast<std::size_t>(p - begin);
    }

    for (std::size_t s = 0; s < segmentStarts.size(); ++s) {
        Segment segment;
        segment.first = segmentStarts[s];
        const std::uint32_t last =
            s + 1 < segmentStarts.size() ? segmentStarts[s + 1] : static_cast<std::uint32_t>(m_elements.size());
        segment.count = last - segment.first;
        for (std::uint32_t e = segment.first; e < last; ++e) {
            const Element &element = m_elements[e];
            if (element.kind != Kind::Literal || element.ch >= 0x80)
                break;
            segment.asciiPrefix.push_back(static_cast<char>(element.ch));
        }
        m_segments.push_back(std::move(segment));
    }
}

// Reads "[...]" starting at pattern[i] == '['. Returns false when no "]"
// closes it; the "[" is then an ordinary character.
bool JetLikePattern::parseSet(std::string_view pattern, std::size_t &i, Element &element)
{
    const std::size_t close = pattern.find(']', i + 1);
    if (close == std::string_view::npos)
        return false;
    const unsigned char *p = bytesOf(pattern) + i + 1;
    const unsigned char *end = bytesOf(pattern) + close;
    if (end - p > 1 && *p == '!') {
        element.negated = true;
        ++p;
    }
    element.kind = Kind::Set;
    element.first = static_cast<std::uint32_t>(m_ranges.size());
    while (p < end) {
        const char32_t low = decode(p, end);
        char32_t high = low;
        // A "-" between two characters makes a range; first or last it is literal.
        if (p + 1 < end && *p == '-') {
            ++p;
            high = decode(p, end);
        }
        m_ranges.push_back({low, high});
        const char32_t foldedLow = foldCase(low), foldedHigh = foldCase(high);
        if (foldedLow != low || foldedHigh != high)
            m_ranges.push_back({foldedLow, foldedHigh});
    }
    element.count = static_cast<std::uint32_t>(m_ranges.size()) - element.first;
    i = close + 1;
    return true;
}

bool JetLikePattern::elementMatches(const Element &element, char32_t cp) const
{
    switch (element.kind) {
    case Kind::Literal:
        return foldCase(cp) == element.ch;
    case Kind::AnyChar:
        return true;
    case Kind::Digit:
        return cp >= '0' && cp <= '9';
    case Kind::Set: {
        const char32_t folded = foldCase(cp);
        bool found = false;
        for (std::uint32_t r = element.first; r < element.first + element.count && !found; ++r) {
            const Range &range = m_ranges[r];
            found = (cp >= range.low && cp <= range.high) || (folded >= range.low && folded <= range.high);
        }
        return found != element.negated;
    }
    }
    return false;
}

// Matches `segment` at p; returns the end of the match or nullptr.
const unsigned char *JetLikePattern::matchAt(const Segment &segment, const unsigned char *p,
                                             const unsigned char *end) const
{
    const std::size_t prefix = segment.asciiPrefix.size();
    if (static_cast<std::size_t>(end - p) < prefix)
        return nullptr;
    // Pure byte compare: folding never turns a non-ASCII character into ASCII.
    for (std::size_t k = 0; k < prefix; ++k) {
        if (asciiLower(p[k]) != static_cast<unsigned char>(segment.asciiPrefix[k]))
            return nullptr;
    }
    p += prefix;
    for (std::uint32_t e = segment.first + static_cast<std::uint32_t>(prefix); e < segment.first + segment.count;
         ++e) {
        if (p >= end)
            return nullptr;
        if (!elementMatches(m_elements[e], decode(p, end)))
            return nullptr;
    }
    return p;
}

// Leftmost match of `segment` at or after `from`. Each segment spans a fixed
// number of characters, so the leftmost match leaves the most room for the
// rest of the pattern and no backtracking is needed.
const unsigned char *JetLikePattern::find(const Segment &segment, const unsigned char *from,
                                          const unsigned char *end, const unsigned char *&matchEnd) const
{
    if (segment.count == 0) {
        matchEnd = from;
        return from;
    }
    if (!segment.asciiPrefix.empty()) {
        // An ASCII byte is always a character of its own, so candidates can be
        // found with memchr on both letter cases.
        const unsigned char lower = static_cast<unsigned char>(segment.asciiPrefix[0]);
        const unsigned char upper = asciiUpper(lower);
        const unsigned char *nextLower = nextByte(from, end, lower);
        const unsigned char *nextUpper = upper == lower ? end : nextByte(from, end, upper);
        for (;;) {
            const unsigned char *candidate = nextLower < nextUpper ? nextLower : nextUpper;
            if (candidate == end)
                return nullptr;
            if (const unsigned char *hitEnd = matchAt(segment, candidate, end)) {
                matchEnd = hitEnd;
                return candidate;
            }
            if (candidate == nextLower)
                nextLower = nextByte(candidate + 1, end, lower);
            else
                nextUpper = nextByte(candidate + 1, end, upper);
        }
    }
    for (const unsigned char *p = from; p < end; decode(p, end)) {
        if (const unsigned char *hitEnd = matchAt(segment, p, end)) {
            matchEnd = hitEnd;
            return p;
        }
    }
    return nullptr;
}

bool JetLikePattern::matches(std::string_view textUtf8) const
{
    const unsigned char *begin = bytesOf(textUtf8);
    const unsigned char *end = begin + textUtf8.size();
    const unsigned char *p = matchAt(m_segments.front(), begin, end);
    if (!p)
        return false;
    if (m_segments.size() == 1)
        return p == end;
    for (std::size_t s = 1; s + 1 < m_segments.size(); ++s) {
        const unsigned char *matchEnd = nullptr;
        if (!find(m_segments[s], p, end, matchEnd))
            return false;
        p = matchEnd;
    }
    // The last segment must end the text: step back over its characters.
    const Segment &last = m_segments.back();
    const unsigned char *start = end;
    for (std::uint32_t k = 0; k < last.count; ++k) {
        if (start <= p)
            return false;
        start = previousStart(p, start);
    }
    return matchAt(last, start, end) == end;
}

bool jetLikeMatch(std::string_view patternUtf8, std::string_view textUtf8)
{
    return JetLikePattern(patternUtf8).matches(textUtf8);
}

} // namespace klangtruhe
