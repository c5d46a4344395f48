#include "texts/rtfreader.h"
#include "texts/rtfwriter.h"
#include "reliability/fuzzbudget.h"
#include "texts/rtfsamples.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QList<QString> rtfPieces()
{
    QList<QString> pieces;
    for (const char *piece :
         {"{", "}", "\\", "{\\*", "\\'", "\\'e", "\\u", "\\u-99999", "\\uc99999999 ", "\\fs99999999999",
          "\\li-99999999999", "\\bin99999", "\\bin3 ", "\\f99999 ", "\\cf999 ", "\\highlight-1 ", "\\pard",
          "\\par", "{\\pntext x}", "{\\*\\pn\\pnlvlbody\\pnstart-5\\pnucrm}", "\\ls99\\ilvl99 ", "\\tx99999999",
          "{\\field{\\*\\fldinst HYPERLINK \"", "{\\fldrslt ", "\\ansicpg932 ", "\\'82\\'a0", "\\up99999 ",
          "{\\fonttbl{\\f0\\fcharset128 x;}", "{\\colortbl;\\red999;", "\\sl-99999\\slmult1 ", "\\*\\*"})
        pieces << QString::fromLatin1(piece);
    return pieces;
}

QString randomRtf(std::mt19937 &random)
{
    static const char alphabet[] = "{}\\\\\\'*abcfuiplnrs0123456789- ;?\r\n";
    QString text = QStringLiteral("{\\rtf1");
    for (qsizetype i = below(random, 400); i > 0; --i)
        text += QLatin1Char(alphabet[below(random, sizeof(alphabet) - 1)]);
    return text;
}

// Reads the RTF, writes it and reads that again: what the writer made must
// read back to the very same RTF, or storing a page twice would drift.
// Returns how long the first read took and the two written texts.
qint64 readAndRewrite(const QString &input, QString &written, QString &again)
{
    QTextDocument document, second;
    QElapsedTimer timer;
    timer.start();
    const bool read = readRtf(input, document);
    const qint64 readMs = timer.elapsed();
    if (read) {
        written = writeRtf(document);
        again = readRtf(written, second) ? writeRtf(second) : QStringLiteral("(unlesbar)");
    }
    return readMs;
}

} // namespace

TEST(RtfFuzz, MutatedAndRandomInputsReturnQuicklyAndRoundTripStably)
{
    std::mt19937 random(fuzzSeed(20240611));
    const QString samples[] = {songListRtf(), numberedListRtf()};
    const QList<QString> pieces = rtfPieces();
    const int inputs = fuzzCount(3000);
    qint64 slowest = 0;
    int unstable = 0;
    for (int i = 0; i < inputs; ++i) {
        const QString input = i % 3 == 0 ? randomRtf(random) : mutated(samples[i % 2], random, pieces, 4);
        QString written, again;
        const qint64 readMs = readAndRewrite(input, written, again);
        slowest = std::max(slowest, readMs);
        EXPECT_LT(readMs, 200) << input.left(300).toStdString();
        if (written != again && ++unstable <= 3) {
            qsizetype at = 0;
            while (at < written.size() && at < again.size() && written[at] == again[at])
                ++at;
            ADD_FAILURE() << "not stable: " << input.toStdString() << "\nwritten: "
                          << written.mid(at - 300, 500).toStdString() << "\nagain:   "
                          << again.mid(at - 300, 500).toStdString();
        }
    }
    reportFigure("rtf_inputs", inputs, "inputs");
    reportFigure("rtf_slowest_read", slowest, "ms");
    reportFigure("rtf_unstable_round_trips", unstable, "inputs");
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
    EXPECT_LT(timer.elapsed(), 2000);

    ASSERT_TRUE(readRtf(QStringLiteral("{\\rtf1\\fs99999999999999999999 a\\li-99999999999\\fi99999999999 "
                                       "\\u-99999 ?b\\u99999 ?c\\uc3\\u65 xyz\\cf99999999999 d{\\uc2147483648\\u66 ignored}e\\par}"),
                        document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a\uFFFDb\uFFFDcAdBe"));
    EXPECT_LE(document.begin().charFormat().fontPointSize(), 1638.0);
    EXPECT_GE(document.begin().blockFormat().leftMargin(), -31680 / 15.0);
}

// Inputs that are large in one dimension only (a 1-MB song list, a long
// bullet list, thousands of fonts): each reads and writes in linear time.
TEST(RtfFuzz, LongListsAndManyFontsStayLinear)
{
    QString songs = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}");
    QString bullets = songs;
    for (int i = 0; i < 20000; ++i) {
        songs += QStringLiteral("\\b Track %1\\b0  M\\'fcller {\\i x}\\par\r\n").arg(i);
        bullets += QStringLiteral("{\\*\\pn\\pnlvlbody\\pndec}Lied %1\\par\r\n").arg(i);
    }
    QString fonts = QStringLiteral("{\\rtf1\\ansi{\\fonttbl");
    for (int f = 0; f < 3000; ++f)
        fonts += QStringLiteral("{\\f%1 Schrift %1;}").arg(f);
    fonts += QLatin1Char('}');
    for (int f = 0; f < 3000; ++f)
        fonts += QStringLiteral("\\f%1 x{\\cf%1 y}").arg(f);
    for (const QString &input : {songs + u'}', bullets, fonts + u'}'}) {
        QTextDocument document;
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(readRtf(input, document));
        const qint64 readMs = timer.elapsed();
        const QString written = writeRtf(document);
        const qint64 writeMs = timer.elapsed() - readMs;
        reportFigure("rtf_large_read", readMs, "ms");
        reportFigure("rtf_large_write", writeMs, "ms");
        EXPECT_LT(readMs, 1500);
        EXPECT_LT(writeMs, 1500);
        QTextDocument again;
        ASSERT_TRUE(readRtf(written, again));
        EXPECT_EQ(writeRtf(again), written);
    }
}
