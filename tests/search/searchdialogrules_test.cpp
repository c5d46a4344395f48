#include "search/searchrules.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(SearchDialogRules, StatementsForOneFieldSeveralFieldsAndStyles)
{
    struct Case {
        QStringList fields;
        QString sortField, text, expected;
    };
    const QString head = QStringLiteral("select * from Schallplatten where ");
    const Case cases[] = {
        {{"LPTitel"}, "LPTitel", "  Live im  ", head + "LPTitel like '*Live im*' order by LPTitel"},
        {{"Stil"}, "Band", "Rock, Pop", head + "Stil like '*Rock*' or Stil like '*Pop*' order by Band"},
        {{"Band", "Preis"}, "Preis", "10", head + "Band like '*10*' or Preis like '*10*' order by Band"},
        // Only the Songs condition looks for the rich-text escapes, also in the style parts.
        {{"Band", "Songs"}, "Band", "Müller, Öl",
         head + "Band like '*Müller*' or Stil like '*Öl*' or Songs like '*M\\?fcller*' or Stil like '*\\?d6l*' order by Band"},
        // An apostrophe that came in with a style stays inside its literal.
        {{"Stil"}, "Band", "Rock'n'Roll, Pop",
         head + "Stil like '*Rock''n''Roll*' or Stil like '*Pop*' order by Band"},
        {{}, "Band", "abba", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(searchStatement(c.fields, c.sortField, c.text), c.expected) << c.text.toStdString();

    // "Alle": the thirteen fields in box order, ordered by band.
    QStringList fields;
    for (const SearchField &field : searchFields())
        fields << QString::fromLatin1(field.field);
    const QString all = searchStatement(fields, QStringLiteral("Bewertung"), QStringLiteral("ß"));
    EXPECT_EQ(all, head
                       + "Band like '*ß*' or LPTitel like '*ß*' or Medium like '*ß*' or Preis like '*ß*' or "
                         "Stil like '*ß*' or Info like '*ß*' or Songs like '*\\?df*' or Datum like '*ß*' or "
                         "Plattenfirma like '*ß*' or BestellNr like '*ß*' or Musikpfad like '*ß*' or "
                         "eBook like '*ß*' or Bewertung like '*ß*' order by Band");
}

TEST(SearchDialogRules, UmlautRewritingAndTheStyleSplit)
{
    EXPECT_EQ(songsPattern(QStringLiteral("ÄÖÜäöüß é")), QStringLiteral("\\?c4\\?d6\\?dc\\?e4\\?f6\\?fc\\?df é"));

    const std::pair<QString, QString> splits[] = {
        {"Pop, Soul, Jazz", "Pop*' or Stil like '*Soul*' or Stil like '*Jazz"},
        {"Rock,Pop", "Rock,Pop"},
        {"", ""},
    };
    for (const auto &[text, expected] : splits)
        EXPECT_EQ(joinedStyleParts(text), expected) << text.toStdString();

    EXPECT_EQ(withStyle(QString(), QStringLiteral("Pop")), QStringLiteral("Pop"));
    EXPECT_EQ(withStyle(QStringLiteral("Pop"), QStringLiteral("Soul")), QStringLiteral("Pop, Soul"));
    EXPECT_EQ(offeredStyles({" Pop ", "", "  ", "Schlager", "Soul", "schlager"}, {" Schlager", ""}),
              QStringList({"Pop", "Soul", "schlager"}));
}

TEST(SearchDialogRules, FirstOccurrenceReplacementAndQuoteDoubling)
{
    struct Case {
        QString text, from, to, expected;
    };
    const Case cases[] = {
        {"Live Live", "Live", "Konzert", "Konzert Live"},
        {"live Live", "Live", "Konzert", "live Konzert"},
        {"Live", "", "x", "Live"},
        {"a*b?c", "*b?", "[x]", "a[x]c"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(replacedFirst(c.text, c.from, c.to), c.expected) << c.text.toStdString();

    EXPECT_EQ(quoteDoubled(QStringLiteral("O'Neil's")), QStringLiteral("O''Neil''s"));
    EXPECT_EQ(replaceStatement(QStringLiteral("LPTitel"), QStringLiteral("Rock'n Live"), QStringLiteral("Rock'n Konzert")),
              QStringLiteral("update Schallplatten set LPTitel = 'Rock''n Konzert' where LPTitel = 'Rock''n Live'"));
}

TEST(SearchDialogRules, TrackRatingMarkers)
{
    struct Case {
        const char *file, *marker;
        bool expected;
    };
    const Case cases[] = {
        {"Lied - 3.mp3", " - 3.", true},  {"Lied - 4.mp3", " - 3.", false}, {"Lied.mp3", " - 0.", true},
        {"Lied - 6.wav", " - 0.", false}, {"04 - Live.wav", " - 0.", true}, {"Lied - 7.mp3", " - 0.", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(trackHasRating(QString::fromUtf8(c.file), QString::fromLatin1(c.marker)), c.expected) << c.file;
}
