#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// The catalogue's statements are written in the Jet / Access dialect. SQLite
// runs them once these functions sit on the connection: a `like` with Jet's
// wildcards that ignores letter case beyond ASCII, and the collation GERMAN
// that jetToSqlite() puts on every ORDER BY term.
namespace klangtruhe {

inline constexpr const char *germanCollationName = "GERMAN";
// klartext(field): a rich-text field's visible text on one line, as the grid
// shows it, for filtering and sorting by what the user sees; other text as it is.
inline constexpr const char *plainTextFunctionName = "klartext";

// Replaces SQLite's LIKE (both the plain and the ESCAPE form) and adds the
// collation GERMAN and the function klartext. Call on every connection right
// after opening it.
bool registerJetFunctions(sqlite3 *db);

// A Jet LIKE pattern, prepared once and matched against many texts:
//   *       any run of characters (also none)
//   ?       exactly one character
//   #       one digit 0-9
//   [abc] [a-z] [!abc]   one character from / not from the list
// Everything else is literal, the backslash included (rich text stores "ü" as
// \'fc, and the search dialog looks for it with \?fc). Letters compare without
// regard to case, umlauts included. Both sides are UTF-8.
class JetLikePattern {
public:
    // `escape`, when not 0, makes the character after it literal (SQL's
    // LIKE ... ESCAPE; Jet itself has none).
    explicit JetLikePattern(std::string_view patternUtf8, char32_t escape = 0);

    bool matches(std::string_view textUtf8) const;

    std::string_view source() const { return m_source; }
    char32_t escape() const { return m_escape; }

private:
    enum class Kind : std::uint8_t { Literal, AnyChar, Digit, Set };
    struct Element {
        Kind kind;
        bool negated;
        char32_t ch;         // Literal: lower-case character
        std::uint32_t first; // Set: first range in m_ranges
        std::uint32_t count; // Set: number of ranges
    };
    struct Range {
        char32_t low, high;
    };
    // The pattern between two stars: a fixed number of characters.
    struct Segment {
        std::uint32_t first = 0; // into m_elements
        std::uint32_t count = 0;
        std::string asciiPrefix; // leading ASCII literals, lower-case
    };

    bool elementMatches(const Element &element, char32_t cp) const;
    const unsigned char *matchAt(const Segment &segment, const unsigned char *p, const unsigned char *end) const;
    const unsigned char *find(const Segment &segment, const unsigned char *from, const unsigned char *end,
                              const unsigned char *&matchEnd) const;
    bool parseSet(std::string_view pattern, std::size_t &i, Element &element);

    std::string m_source;
    char32_t m_escape;
    std::vector<Element> m_elements;
    std::vector<Range> m_ranges;
    std::vector<Segment> m_segments; // number of stars + 1
};

bool jetLikeMatch(std::string_view patternUtf8, std::string_view textUtf8);

// German dictionary order (DIN 5007-1): letter case is ignored, ä/ö/ü sort as
// a/o/u, ß as ss, accented Latin letters as their base letter. Texts equal so
// far are ordered by accents, then lower before upper case, then by their
// bytes, so only identical texts compare equal. Returns <0, 0 or >0.
int compareGerman(std::string_view aUtf8, std::string_view bUtf8);

// The text as that order sees it at first glance: lower case, ä/ö/ü as
// a/o/u, ß as ss, accents dropped. Two texts have the same key exactly when
// compareGerman tells them apart only by accents or case ("Die Ärzte",
// "die arzte"). UTF-8 in and out.
std::string germanFoldedKey(std::string_view utf8);

} // namespace klangtruhe
