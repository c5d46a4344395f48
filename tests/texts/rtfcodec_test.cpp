#include "texts/rtfcodec.h"
#include "texts/rtfplaintext.h"
#include "texts/rtfreader.h"
#include "texts/rtfwriter.h"
#include "rtfsamples.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

using namespace klangtruhe;

namespace {

// Everything the codec carries, one line per block and per run, so that two
// documents compare as text and a difference shows where it is.
QStringList describe(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat f = block.blockFormat();
        QString list;
        if (const QTextList *l = block.textList())
            list = QStringLiteral(" list=%1/%2").arg(l->format().style()).arg(l->itemNumber(block));
        lines << QStringLiteral("P align=%1 li=%2 ri=%3 fi=%4 sb=%5 sa=%6 lh=%7/%8 tabs=%9%10")
                     .arg(int(f.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(f.leftMargin()).arg(f.rightMargin()).arg(f.textIndent())
                     .arg(f.topMargin()).arg(f.bottomMargin())
                     .arg(f.lineHeight()).arg(f.lineHeightType())
                     .arg(f.tabPositions().size()).arg(list);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat c = it.fragment().charFormat();
            lines << QStringLiteral("  [%1] %2 %3pt w%4 i%5 u%6 s%7 fg=%8 bg=%9 v=%10/%11 a=%12")
                         .arg(it.fragment().text(), c.fontFamilies().toStringList().join(QLatin1Char(',')))
                         .arg(c.fontPointSize()).arg(c.fontWeight()).arg(c.fontItalic()).arg(c.fontUnderline())
                         .arg(c.fontStrikeOut())
                         .arg(c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground().color().name() : QString())
                         .arg(c.hasProperty(QTextFormat::BackgroundBrush) ? c.background().color().name() : QString())
                         .arg(c.verticalAlignment()).arg(c.property(RtfCharOffsetProperty).toInt())
                         .arg(c.anchorHref());
        }
    }
    return lines;
}

// Block texts as stored: toPlainText() would turn \line and \~ into \n and blanks.
QStringList blockTexts(const QTextDocument &document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QTextCharFormat formatAt(const QTextDocument &document, const QString &word)
{
    QTextCursor cursor = document.find(word);
    EXPECT_FALSE(cursor.isNull()) << word.toStdString();
    cursor.setPosition(cursor.selectionEnd());
    return cursor.charFormat();
}

// read -> write -> read again must give the same document.
QString expectStableRoundTrip(const QTextDocument &first)
{
    const QString written = writeRtf(first);
    QTextDocument second;
    EXPECT_TRUE(readRtf(written, second)) << written.toStdString();
    EXPECT_EQ(describe(second).join(QLatin1Char('\n')).toStdString(),
              describe(first).join(QLatin1Char('\n')).toStdString())
        << written.toStdString();
    EXPECT_EQ(writeRtf(second).toStdString(), written.toStdString());
    return written;
}

} // namespace

TEST(RtfCodec, ReadsRichEditSongListWithAllItsFormats)
{
    QTextDocument document;
    ASSERT_TRUE(readRtf(test::songListRtf(), document));
    const QStringList blocks = blockTexts(document);
    // \u8364? and \uc2\u8364?? both give one euro sign; negative N lies above 32767;
    // a surrogate pair arrives as two \u; \line is a line break inside the paragraph.
    EXPECT_EQ(blocks, (QStringList{QStringLiteral("Die Ärzte - Geräusch"), QStringLiteral("Müller Straße"),
                                   QStringLiteral("Unkaputtbar alt"), QStringLiteral("H2O und E=mc2"),
                                   QStringLiteral("Preis 10€ und € und \uFF21 und \U0001D11E\tEnde\u2028neue Zeile"),
                                   QStringLiteral("hoch tief {x} a\\b\u00A0c\u00ADd\u2011e")}));

    const QTextCharFormat aerzte = formatAt(document, QStringLiteral("rzte"));
    EXPECT_EQ(aerzte.fontFamilies().toStringList(), QStringList{QStringLiteral("Segoe UI")});
    EXPECT_EQ(aerzte.fontPointSize(), 14.0);
    EXPECT_EQ(aerzte.fontWeight(), QFont::Bold);
    EXPECT_EQ(aerzte.foreground().color(), QColor(0, 0, 128));
    const QTextCharFormat geraeusch = formatAt(document, QStringLiteral("usch"));
    EXPECT_EQ(geraeusch.fontWeight(), QFont::Normal);
    EXPECT_FALSE(geraeusch.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_TRUE(formatAt(document, QStringLiteral("Stra")).fontItalic());
    EXPECT_TRUE(formatAt(document, QStringLiteral("Unkaputt")).fontUnderline());
    EXPECT_FALSE(formatAt(document, QStringLiteral("bar ")).fontUnderline());
    EXPECT_TRUE(formatAt(document, QStringLiteral("alt")).fontStrikeOut());
    EXPECT_EQ(formatAt(document, QStringLiteral("H2")).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(formatAt(document, QStringLiteral("mc2")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatAt(document, QStringLiteral("O und")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("Arial")});
    EXPECT_EQ(formatAt(document, QStringLiteral("\uFF21")).background().color(), QColor(255, 255, 0));
    EXPECT_EQ(formatAt(document, QStringLiteral("hoch")).property(RtfCharOffsetProperty).toInt(), 6);
    EXPECT_EQ(formatAt(document, QStringLiteral("tief")).property(RtfCharOffsetProperty).toInt(), -4);
    EXPECT_EQ(formatAt(document, QStringLiteral("tief")).foreground().color(), QColor(255, 0, 0));

    const QTextBlock title = document.begin();
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(title.blockFormat().bottomMargin(), 8.0); // \sa120
    const QTextBlock first = title.next();
    const QTextBlock second = first.next();
    ASSERT_TRUE(first.textList());
    EXPECT_EQ(first.textList(), second.textList()) << "paragraphs without \\pard stay in the list";
    EXPECT_EQ(first.textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(first.blockFormat().leftMargin(), 48.0); // \li720
    EXPECT_EQ(first.blockFormat().textIndent(), -24.0);
    const QTextBlock formula = second.next();
    EXPECT_FALSE(formula.textList());
    EXPECT_EQ(formula.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(formula.blockFormat().leftMargin(), 20.0);
    EXPECT_EQ(formula.blockFormat().rightMargin(), 200 / 15.0);
    EXPECT_EQ(formula.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    const QTextBlockFormat spaced = document.lastBlock().blockFormat();
    EXPECT_EQ(spaced.topMargin(), 16.0);
    EXPECT_EQ(spaced.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_EQ(spaced.lineHeight(), 115.0);
}

TEST(RtfCodec, WritesRichEditConventionsAndReadsItsOwnOutputBack)
{
    QTextDocument document;
    ASSERT_TRUE(readRtf(test::songListRtf(), document));
    const QString written = expectStableRoundTrip(document);

    EXPECT_TRUE(written.startsWith(QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Segoe UI;}")))
        << written.toStdString();
    for (const char *piece : {R"(\fcharset2 Symbol;})", R"({\colortbl ;\red0\green0\blue128;)", R"(M\'fcller)",
                              R"(Stra\'dfe)", R"(\'c4rzte)", R"(10\'80)", R"(\u-223?)", R"(\u-10188?\u-8930?)",
                              R"(\pard{\pntext\f2\'B7\tab}{\*\pn\pnlvlblt\pnf2\pnindent0{\pntxtb\'B7}}\fi-360\li720)",
                              "\\par\r\n{\\pntext\\f2\\'B7\\tab}", R"(\up6 hoch\up0)"})
        EXPECT_TRUE(written.contains(QLatin1String(piece))) << piece;
    EXPECT_FALSE(written.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))));
    EXPECT_TRUE(written.endsWith(QStringLiteral("\\par\r\n}\r\n")));
    for (const QChar c : written)
        ASSERT_LT(c.unicode(), 0x80) << "RTF source is 7-bit";

    // A document typed in the box, not read from RTF, round-trips too.
    QTextDocument typed;
    typed.setDefaultFont(QFont(QStringLiteral("Segoe UI"), 10));
    QTextCursor cursor(&typed);
    cursor.insertText(QStringLiteral("Müller "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("ß"), bold);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(QStringLiteral("€ \\ {}"), QTextCharFormat());
    const QString typedRtf = writeRtf(typed);
    EXPECT_TRUE(typedRtf.contains(QStringLiteral("\\pard\\f0\\fs20 M\\'fcller \\b\\'df\\par\r\n\\b0")))
        << typedRtf.toStdString();
    EXPECT_TRUE(typedRtf.contains(QStringLiteral("\\'80 \\\\ \\{\\}\\par\r\n}")));
    QTextDocument reread;
    ASSERT_TRUE(readRtf(typedRtf, reread));
    EXPECT_EQ(reread.toPlainText(), typed.toPlainText());
    EXPECT_EQ(formatAt(reread, QStringLiteral("ß")).fontWeight(), QFont::Bold);
}

TEST(RtfCodec, ReadsListsHyperlinksAndForeignCodePages)
{
    QTextDocument lists;
    ASSERT_TRUE(readRtf(test::numberedListRtf(), lists));
    EXPECT_EQ(lists.toPlainText(), QStringLiteral("eins\nunter\nPunkt\nrömisch\nnormal"));
    QTextBlock block = lists.begin();
    for (auto style : {QTextListFormat::ListDecimal, QTextListFormat::ListLowerAlpha, QTextListFormat::ListDisc,
                       QTextListFormat::ListUpperRoman}) {
        ASSERT_TRUE(block.textList()) << block.text().toStdString();
        EXPECT_EQ(block.textList()->format().style(), style) << block.text().toStdString();
        block = block.next();
    }
    EXPECT_EQ(lists.lastBlock().previous().textList()->format().numberSuffix(), QStringLiteral(")"));
    EXPECT_FALSE(block.textList());
    expectStableRoundTrip(lists);

    QTextDocument link;
    ASSERT_TRUE(readRtf(QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial;}}"
                                       "Seite {\\field{\\*\\fldinst{HYPERLINK \"https://example.org/a?b=1\"}}"
                                       "{\\fldrslt{\\ul Beispiel}}} und \\f1\\'cf\\'f0\\'e8\\par}"),
                        link));
    EXPECT_EQ(link.toPlainText(), QStringLiteral("Seite Beispiel und При"));
    EXPECT_EQ(formatAt(link, QStringLiteral("Beispiel")).anchorHref(), QStringLiteral("https://example.org/a?b=1"));
    EXPECT_FALSE(formatAt(link, QStringLiteral(" und")).isAnchor());
    const QString written = expectStableRoundTrip(link);
    EXPECT_TRUE(written.contains(QStringLiteral("\\u1055?\\u1088?\\u1080?"))) << written.toStdString();

    // Pictures, the info group, style sheets and unknown ignorable groups are skipped whole.
    QTextDocument skipped;
    ASSERT_TRUE(readRtf(QStringLiteral("{\\rtf1{\\info{\\title Titel}{\\author A}}{\\stylesheet{\\s1 Heading;}}"
                                       "A{\\pict\\wmetafile8\\picw10 0123{\\x}abcdef\\bin3 }}}}B{\\*\\unknown C}"
                                       "{\\*\\pnseclvl1 D}{\\unknownword E}\\unknownword2 F}"),
                        skipped));
    EXPECT_EQ(skipped.toPlainText(), QStringLiteral("ABEF"));
}

TEST(RtfCodec, NonRtfAndBrokenRtfFallBackToPlainText)
{
    QTextDocument document;
    for (const QString &text : {QString(), QStringLiteral("Müller"), QStringLiteral("rtf1 {\\rtf1 x}"),
                                QStringLiteral("{\\rtfx hallo}"), QStringLiteral("{\\rt"),
                                QStringLiteral("{\\rtf1 Text}und mehr danach")}) {
        document.setPlainText(QStringLiteral("alt"));
        EXPECT_FALSE(readRtf(text, document)) << text.left(40).toStdString();
        EXPECT_TRUE(document.isEmpty());
    }

    // Like RichEdit, a missing end is no failure: what was there is read.
    EXPECT_TRUE(looksLikeRtf(QStringLiteral("\r\n {\\rtf1 x}")));
    ASSERT_TRUE(readRtf(QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 abgeschnit\\'e4"), document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("abgeschnitä"));
    ASSERT_TRUE(readRtf(QStringLiteral("{\\rtf1 Text}\r\n") + QChar(0), document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Text"));
}

// A table cell shows a rich-text field as one line of what the editor would
// show: the same text as the full reader's document, paragraphs joined.
TEST(RtfCodec, OneLineTextAgreesWithTheReaderAndStopsAtItsLimit)
{
    const QString hyperlink = QStringLiteral(
        "{\\rtf1{\\field{\\*\\fldinst{HYPERLINK \"https://example.org\"}}{\\fldrslt{Seite}}} "
        "{\\pict\\pngblip 89504e47}\\bin3 {}x Ende\\par\\par\\par  zweite \\tab  Zeile}");
    for (const QString &rtf : {test::songListRtf(), test::numberedListRtf(), hyperlink}) {
        QTextDocument document;
        ASSERT_TRUE(readRtf(rtf, document));
        QStringList paragraphs;
        for (QString line : document.toPlainText().split(QLatin1Char('\n'))) {
            line = line.simplified();
            if (!line.isEmpty())
                paragraphs << line;
        }
        EXPECT_EQ(richTextLine(rtf, 1000).toStdString(), paragraphs.join(kParagraphSeparator).toStdString());
    }
    EXPECT_EQ(richTextLine(hyperlink, 1000), QStringLiteral("Seite Ende · zweite Zeile"));

    EXPECT_EQ(richTextLine(QStringLiteral("Kein {\\rtf1 hier}"), 5), QStringLiteral("Kein {\\rtf1 hier}"));
    EXPECT_EQ(richTextLine(test::songListRtf(), 10), QStringLiteral("Die Ärzte "));
    // A field far longer than a cell is read no further than the cell needs.
    const QString huge = QStringLiteral("{\\rtf1 ") + QString(4'000'000, QLatin1Char('a')) + u'}';
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(richTextLine(huge, 160).size(), 160);
    EXPECT_LT(timer.elapsed(), 50);
}
