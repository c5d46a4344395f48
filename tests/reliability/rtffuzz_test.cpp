#include "texts/rtfreader.h"
#include "texts/rtfwriter.h"
#include "reliability/fuzzbudget.h"
#include "texts/rtfsamples.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace klangtruhe;

namespace {

constexpr qint64 kSlowestReadMs = 200;

QString mutate(QString text, std::mt19937 &random)
{
    const auto pick = [&random](qsizetype size) {
        return size <= 0 ? qsizetype(0) : static_cast<qsizetype>(random() % static_cast<unsigned>(size));
    };
    static const char *const pieces[] = {
        "{", "}", "\\", "{\\*", "\\'", "\\'e", "\\u", "\\u-99999", "\\uc99999999 ", "\\fs99999999999",
        "\\li-99999999999", "\\bin99999", "\\bin3 ", "\\f99999 ", "\\cf999 ", "\\highlight-1 ", "\\pard",
        "\\par", "{\\pntext x}", "{\\*\\pn\\pnlvlbody\\pnstart-5\\pnucrm}", "\\ls99\\ilvl99 ", "\\tx99999999",
        "{\\field{\\*\\fldinst HYPERLINK \"", "{\\fldrslt ", "\\ansicpg932 ", "\\'82\\'a0", "\\up99999 ",
        "{\\fonttbl{\\f0\\fcharset128 x;}", "{\\colortbl;\\red999;", "\\sl-99999\\slmult1 ", "\\*\\*",
    };
    const int steps = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < steps; ++i) {
        switch (random() % 6) {
        case 0: // flip a character
            if (!text.isEmpty())
                text[pick(text.size())] = QChar(static_cast<char16_t>(random() % 0x180));
            break;
        case 1: // cut
            text.truncate(pick(text.size() + 1));
            break;
        case 2: { // duplicate a slice
            const qsizetype from = pick(text.size());
            text.insert(pick(text.size()), text.mid(from, pick(200)));
            break;
        }
        case 3: // remove a slice
            text.remove(pick(text.size()), pick(50));
            break;
        default:
            text.insert(pick(text.size()), QString::fromLatin1(pieces[random() % std::size(pieces)]));
            break;
        }
    }
    return text;
}

QString randomRtf(std::mt19937 &random)
{
    static const char alphabet[] = "{}\\\\\\'*abcfuiplnrs0123456789- ;?\r\n";
    QString text = QStringLiteral("{\\rtf1");
    const int length = static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i)
        text += QLatin1Char(alphabet[random() % (sizeof(alphabet) - 1)]);
    return text;
}

// What one input did: how long its read took and whether what the writer
// made of it reads back to the very same RTF.
struct Outcome {
    qint64 readMs = 0;
    bool stable = true;
    QString written, again;
};

Outcome roundTrip(const QString &input)
{
    Outcome outcome;
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    const bool read = readRtf(input, document);
    outcome.readMs = timer.elapsed();
    if (!read)
        return outcome;
    outcome.written = writeRtf(document);
    QTextDocument second;
    if (!readRtf(outcome.written, second)) {
        outcome.stable = false;
        return outcome;
    }
    outcome.again = writeRtf(second);
    outcome.stable = outcome.again == outcome.written;
    return outcome;
}

} // namespace

// Every input returns in time; whatever was read, the writer writes RTF that
// reads back unchanged, so storing a page twice never drifts.
TEST(RtfFuzz, MutatedAndRandomInputsReturnQuicklyAndRoundTripStably)
{
    std::mt19937 random(test::fuzzSeed(20240611));
    const QString samples[] = {test::songListRtf(), test::numberedListRtf()};
    const int inputs = test::fuzzCount(3000);
    qint64 slowest = 0;
    int unstable = 0;
    for (int i = 0; i < inputs; ++i) {
        const QString input = i % 3 == 0 ? randomRtf(random) : mutate(samples[i % 2], random);
        const Outcome outcome = roundTrip(input);
        slowest = std::max(slowest, outcome.readMs);
        EXPECT_LT(outcome.readMs, kSlowestReadMs) << input.left(300).toStdString();
        if (!outcome.stable && ++unstable <= 3) {
            qsizetype at = 0;
            while (at < outcome.written.size() && at < outcome.again.size() && outcome.written[at] == outcome.again[at])
                ++at;
            ADD_FAILURE() << "not stable: " << input.toStdString() << "\nwritten: "
                          << outcome.written.mid(at - 300, 500).toStdString() << "\nagain:   "
                          << outcome.again.mid(at - 300, 500).toStdString();
        }
    }
    test::reportFigure("rtf_inputs", inputs, "inputs");
    test::reportFigure("rtf_slowest_read", slowest, "ms");
    test::reportFigure("rtf_unstable_round_trips", unstable, "inputs");
    EXPECT_EQ(unstable, 0);
}

TEST(RtfFuzz, HostileInputsStayBounded)
{
    const QString deep = QStringLiteral("{\\rtf1 ") + QString(100000, QLatin1Char('{')) + QStringLiteral("x");
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(readRtf(deep, document)) << "deeper than any RichEdit text";
    // Inside a skipped group the nesting costs nothing and is read through.
    EXPECT_TRUE(readRtf(QStringLiteral("{\\rtf1 a{\\*\\x") + QString(100000, QLatin1Char('{'))
                            + QString(100000, QLatin1Char('}')) + QStringLiteral("}b}"),
                        document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("ab"));

    ASSERT_TRUE(readRtf(QStringLiteral("{\\rtf1\\fs99999999999999999999 a\\li-99999999999\\fi99999999999 "
                                       "\\u-99999 ?b\\u99999 ?c\\uc3\\u65 xyz\\cf99999999999 d{\\uc2147483648\\u66 ignored}e\\par}"),
                        document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a\uFFFDb\uFFFDcAdBe"));
    EXPECT_LE(document.begin().charFormat().fontPointSize(), 1638.0);
    EXPECT_GE(document.begin().blockFormat().leftMargin(), -31680 / 15.0);

    // Long inputs are read in linear time: a song list of 1 MB.
    QString big = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}");
    for (int i = 0; i < 20000; ++i)
        big += QStringLiteral("\\b Track %1\\b0  M\\'fcller {\\i x}\\par\r\n").arg(i);
    big += QLatin1Char('}');
    QElapsedTimer bigTimer;
    bigTimer.start();
    ASSERT_TRUE(readRtf(big, document));
    EXPECT_EQ(document.blockCount(), 20000);
    const QString written = writeRtf(document);
    EXPECT_LT(bigTimer.elapsed(), 3000);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(written.right(80).contains(QStringLiteral("\\b\\i0 Track 19999\\b0  M\\'fcller \\i x\\par\r\n}"))) << written.right(80).toStdString();
}

// Inputs that are large in one dimension only: each reads and writes in time
// linear in its size.
TEST(RtfFuzz, LongListsAndManyFontsStayLinear)
{
    QString list = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}");
    for (int i = 0; i < 20000; ++i)
        list += QStringLiteral("{\\*\\pn\\pnlvlbody\\pndec}Lied %1\\par\r\n").arg(i);
    QString fonts = QStringLiteral("{\\rtf1\\ansi{\\fonttbl");
    for (int f = 0; f < 3000; ++f)
        fonts += QStringLiteral("{\\f%1 Schrift %1;}").arg(f);
    fonts += QLatin1Char('}');
    for (int f = 0; f < 3000; ++f)
        fonts += QStringLiteral("\\f%1 x{\\cf%1 y}").arg(f);
    for (const QString &input : {list, fonts + QLatin1Char('}')}) {
        QTextDocument document;
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(readRtf(input, document));
        const qint64 readMs = timer.elapsed();
        const QString written = writeRtf(document);
        const qint64 writeMs = timer.elapsed() - readMs;
        test::reportFigure("rtf_large_read", readMs, "ms");
        test::reportFigure("rtf_large_write", writeMs, "ms");
        EXPECT_LT(readMs, 1500);
        EXPECT_LT(writeMs, 1500);
        QTextDocument again;
        ASSERT_TRUE(readRtf(written, again));
        EXPECT_EQ(writeRtf(again), written);
    }
}

