#pragma once

// The made-up catalogue both catalogue benchmarks measure: reproducible
// entries of realistic size (bands with umlauts, RTF song lists, optional
// texts on some entries), written straight into an open SQLite file.
#include "catalogue/catalogueschema.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace klangtruhe::bench {

// "--entries N" from the command line, or the fallback.
inline int entriesArgument(int argc, char **argv, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--entries")
            return std::max(1, std::atoi(argv[i + 1]));
    }
    return fallback;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

inline const std::vector<std::string> &syllables()
{
    static const std::vector<std::string> list = {
        "ab", "ba", "ro", "ck", "mü", "ller", "ster", "zap", "pa", "ärz", "te", "öl", "ber", "stra",
        "ße", "ein", "stü", "ton", "kla", "ng", "dee", "pur", "ple", "hei", "no", "ma", "don", "na",
        "qu", "ve", "wi", "xa", "ye", "jo", "fi", "li", "gu", "ha", "ie", "ur"};
    return list;
}

inline const std::vector<std::string> &rtfWords()
{
    static const std::vector<std::string> list = {"Liebe", "Nacht", "M\\'fcller", "Stra\\'dfe", "Sommer", "Wind",
                                                  "Gr\\'fc\\'dfe", "Regen", "Feuer", "K\\'f6nig", "Live", "Blues"};
    return list;
}

// Upper-cases the first letter, umlauts included (UTF-8 ä ö ü -> Ä Ö Ü).
inline std::string capitalised(std::string word)
{
    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z')
        word[0] = static_cast<char>(word[0] - 32);
    else if (word.size() > 1 && static_cast<unsigned char>(word[0]) == 0xC3
             && (word[1] == '\xA4' || word[1] == '\xB6' || word[1] == '\xBC'))
        word[1] = static_cast<char>(word[1] - 0x20);
    return word;
}

class Generator {
public:
    std::string pick(const std::vector<std::string> &list)
    {
        return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(m_random)];
    }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    std::string name(int parts)
    {
        std::string result;
        for (int i = 0; i < parts; ++i)
            result += pick(syllables());
        return result;
    }
    // RichEdit-style RTF of about `size` bytes: a numbered song list.
    std::string rtf(std::size_t size)
    {
        std::string text = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Segoe UI;}}"
                           "\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";
        for (int track = 1; text.size() < size; ++track) {
            text += std::to_string(track) + ". " + pick(rtfWords()) + " " + capitalised(name(2)) + " "
                + pick(rtfWords()) + " - " + std::to_string(number(2, 7)) + ":" + std::to_string(number(10, 59))
                + "\\par\r\n";
        }
        return text + "}\r\n";
    }

private:
    std::mt19937 m_random{4711};
};

// Inserts `entries` rows into the table Schallplatten of an open database
// whose columns carry the catalogue's field names, in one transaction.
inline bool insertEntries(sqlite3 *db, int entries)
{
    const QStringList fields = catalogueFieldNames();
    std::string insert = "insert into Schallplatten (";
    std::string marks;
    for (int i = 0; i < fields.size(); ++i) {
        insert += (i ? "," : "") + fields.at(i).toStdString();
        marks += i ? ",?" : "?";
    }
    insert += ") values (" + marks + ")";
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_exec(db, "begin", nullptr, nullptr, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(db, insert.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return false;
    Generator generate;
    const std::vector<std::string> media = {"LP", "CD", "MC", "DVD", "Single"};
    const std::vector<std::string> styles = {"Rock", "Pop", "Hard Rock", "Schlager", "Jazz", "Klassik", "Blues"};
    std::vector<std::string> bands;
    for (int i = 0; i < std::max(1, entries / 10); ++i)
        bands.push_back(capitalised(generate.name(generate.number(1, 3)))
                        + (i % 3 ? "" : " " + capitalised(generate.name(2))));
    bool ok = true;
    for (int row = 0; row < entries && ok; ++row) {
        const std::string band = generate.pick(bands);
        const std::string values[18] = {
            band,
            capitalised(generate.name(3)) + " " + generate.name(2),
            generate.pick(media),
            generate.pick(styles),
            "Erstpressung " + generate.name(1),
            capitalised(generate.name(2)) + " Records",
            "CD-" + std::to_string(generate.number(1000, 99999)),
            std::to_string(generate.number(5, 40)) + ",99",
            std::to_string(generate.number(1, 28)) + "." + std::to_string(generate.number(1, 12)) + ".19"
                + std::to_string(generate.number(60, 99)),
            generate.rtf(1000),
            "C:\\Bilder\\" + band + ".jpg",
            "D:\\Musik\\" + band + "\\" + std::to_string(row),
            row % 5 == 0 ? generate.rtf(600) : "",
            row % 7 == 0 ? "Booklet.pdf°" : "",
            std::to_string(generate.number(1, 6)),
            row % 3 == 0 ? generate.rtf(200) : "",
            row % 4 == 0 ? generate.rtf(300) : "",
            ""};
        for (int i = 0; i < 18 && i < fields.size(); ++i)
            sqlite3_bind_text(statement, i + 1, values[i].data(), static_cast<int>(values[i].size()), SQLITE_TRANSIENT);
        ok = sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    return sqlite3_exec(db, ok ? "commit" : "rollback", nullptr, nullptr, nullptr) == SQLITE_OK && ok;
}

} // namespace klangtruhe::bench
