#include "catalogue/jetfunctions.h"
#include "catalogue/jetutf8.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>
#include <gtest/gtest.h>

using namespace klangtruhe;

namespace {

struct LikeCase {
    const char *pattern;
    const char *text;
    bool matches;
};

// Plain backtracking on code points: slow but obviously right, to check the
// segment matcher against (no character lists).
bool referenceMatch(const std::vector<char32_t> &pattern, std::size_t pi, const std::vector<char32_t> &text,
                    std::size_t ti)
{
    if (pi == pattern.size())
        return ti == text.size();
    if (pattern[pi] == '*') {
        for (std::size_t t = ti; t <= text.size(); ++t) {
            if (referenceMatch(pattern, pi + 1, text, t))
                return true;
        }
        return false;
    }
    if (ti == text.size())
        return false;
    const char32_t p = pattern[pi], c = text[ti];
    const bool one = p == '?' || (p == '#' ? (c >= '0' && c <= '9') : jetutf8::foldCase(p) == jetutf8::foldCase(c));
    return one && referenceMatch(pattern, pi + 1, text, ti + 1);
}

std::vector<char32_t> codePoints(const std::string &utf8)
{
    std::vector<char32_t> result;
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.data());
    const auto *end = p + utf8.size();
    while (p < end)
        result.push_back(jetutf8::decode(p, end));
    return result;
}

std::string randomString(std::mt19937 &random, const std::vector<std::string> &alphabet, int maxLength)
{
    std::string s;
    const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
    for (int i = 0; i < length; ++i)
        s += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
    return s;
}

} // namespace

// The random test below covers wildcards and letter case over a small
// alphabet; these are the character lists, the other letters and the rich
// text escapes (a backslash is a plain character, so \'xx can be searched).
TEST(JetLike, CharacterListsOtherLettersAndRichTextEscapes)
{
    const std::string rtf = R"({\rtf1\ansi\deff0 {\fonttbl{\f0 Arial;}}\f0 1. Lied von M\'fcller\par 2. Gr\'fc\'dfe\par})";
    const LikeCase cases[] = {
        {"[a-c]*", "Beatles", true},   {"[!a-c]*", "abba", false},   {"[xyz]", "Y", true},
        {"[*]*", "*Sterne", true},     {"[*]*", "Sterne", false},    {"a[]b", "ab", true},
        {"[-]", "-", true},            {"[!]", "!", true},           {"x[", "x[", true},
        {"*%*", "100%", true},         {"_", "x", false},            {"[[]*", "[x", true},
        {"*MÜLLER*", "Herr müller", true}, {"é*", "École", true},    {"а*", "Аквариум", true},
        {"strasse", "Straße", false},  {"[!ä]*", "Ärzte", false},
        {R"(*M\?fcller*)", rtf.c_str(), true}, {R"(*M\?dcller*)", rtf.c_str(), false},
    };
    for (const LikeCase &c : cases)
        EXPECT_EQ(jetLikeMatch(c.pattern, c.text), c.matches) << "'" << c.text << "' like '" << c.pattern << "'";
}

TEST(JetLike, AgreesWithBacktrackingOnRandomInputAndNeverHangs)
{
    std::mt19937 random(20240601);
    const std::vector<std::string> patternAlphabet = {"*", "?", "#", "a", "A", "b", "ä", "Ä", "1", "\\", "\xC3", "\xA4"};
    const std::vector<std::string> textAlphabet = {"a", "A", "b", "ä", "Ä", "1", "\\", "\xC3", "\xA4", "\xFF", "ß"};
    for (int round = 0; round < 20000; ++round) {
        const std::string pattern = randomString(random, patternAlphabet, 8);
        const std::string text = randomString(random, textAlphabet, 10);
        ASSERT_EQ(jetLikeMatch(pattern, text), referenceMatch(codePoints(pattern), 0, codePoints(text), 0))
            << "'" << text << "' like '" << pattern << "'";
    }

    // Character lists and stray brackets: no crash, no hang.
    const std::vector<std::string> noisy = {"[", "]", "!", "-", "*", "?", "#", "a", "ä", "\xE2\x82", "\xF0", "\\"};
    for (int round = 0; round < 20000; ++round)
        jetLikeMatch(randomString(random, noisy, 12), randomString(random, noisy, 40));

    // Many stars over a long text must stay linear, not explode.
    const std::string longText(200000, 'a');
    EXPECT_FALSE(jetLikeMatch("*a*a*a*a*a*a*a*a*b", longText));
    EXPECT_TRUE(jetLikeMatch("*a*a*a*a*a*a*a*a*", longText));
}

TEST(GermanCollation, DictionaryOrderWithUmlautsAmongTheirBaseLetters)
{
    std::vector<std::string> names = {"Zappa", "Straße", "Öl", "Strasse", "abba", "Ober", "Ärzte", "",
                                      "ABBA",  "Abba",   "10cc", "Muller", "Müller", "Mullers", "Élan", "Eagles"};
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        return compareGerman(a, b) < 0;
    });
    const std::vector<std::string> expected = {"",       "10cc",   "abba",    "Abba",  "ABBA",   "Ärzte",
                                               "Eagles", "Élan",   "Muller",  "Müller", "Mullers", "Ober",
                                               "Öl",     "Strasse", "Straße", "Zappa"};
    EXPECT_EQ(names, expected);
    EXPECT_LT(compareGerman("Gruß", "Gruss Gott"), 0);
    EXPECT_LT(compareGerman("Æther", "Aetherisch"), 0);
}

TEST(GermanCollation, IsATotalOrder)
{
    std::mt19937 random(7);
    const std::vector<std::string> alphabet = {"a", "A", "ä", "Ä", "s", "S", "ß", "o", "ö", "é", " ", "\xFF", "Ω"};
    std::vector<std::string> words;
    for (int i = 0; i < 300; ++i)
        words.push_back(randomString(random, alphabet, 5));
    for (const std::string &a : words) {
        for (const std::string &b : words) {
            const int ab = compareGerman(a, b);
            ASSERT_EQ(ab, -compareGerman(b, a)) << a << " / " << b;
            ASSERT_EQ(ab == 0, a == b) << a << " / " << b;
        }
    }
    std::sort(words.begin(), words.end(), [](const std::string &a, const std::string &b) {
        return compareGerman(a, b) < 0;
    });
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        ASSERT_LE(compareGerman(words[i], words[i + 1]), 0) << words[i] << " / " << words[i + 1];
}
