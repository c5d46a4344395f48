#include "texts/linkrules.h"
#include "texts/rtfwriter.h"
#include "texts/textformatting.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

using namespace klangtruhe;

namespace {

QTextCursor select(QTextDocument &document, int from, int to)
{
    QTextCursor cursor(&document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

TEST(TextFormatting, ToggleMakesPartlyBoldAllBoldThenPlain)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("Intro Refrain\nCoda"));
    QTextCursor first = select(document, 0, 5);
    toggleCharAttribute(first, CharToggle::Bold);
    QTextCursor all = select(document, 0, document.characterCount() - 1);
    EXPECT_EQ(coverage(all, CharToggle::Bold), Coverage::Partly);

    toggleCharAttribute(all, CharToggle::Bold);
    EXPECT_EQ(coverage(all, CharToggle::Bold), Coverage::All);
    toggleCharAttribute(all, CharToggle::Bold);
    EXPECT_EQ(coverage(all, CharToggle::Bold), Coverage::None);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Intro Refrain\nCoda"));

    // Italic of the other attributes goes the same way, and strike-through is its own.
    QTextCursor word = select(document, 6, 13);
    toggleCharAttribute(word, CharToggle::StrikeOut);
    EXPECT_EQ(coverage(word, CharToggle::StrikeOut), Coverage::All);
    EXPECT_EQ(coverage(word, CharToggle::Italic), Coverage::None);

    // No selection: the insertion point takes the format, the text stays as it was.
    QTextCursor caret(&document);
    caret.setPosition(3);
    toggleCharAttribute(caret, CharToggle::Underline);
    EXPECT_TRUE(caret.charFormat().fontUnderline());
    caret.insertText(QStringLiteral("x"));
    EXPECT_EQ(coverage(select(document, 3, 4), CharToggle::Underline), Coverage::All);
    EXPECT_EQ(coverage(select(document, 0, 3), CharToggle::Underline), Coverage::None);
}

TEST(TextFormatting, StandardFontOffsetsAlignmentAndIndentReachTheRtf)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("H2O und x2\nzweiter Absatz"));
    QTextCursor all = select(document, 0, document.characterCount() - 1);
    QTextCharFormat loud;
    loud.setFontWeight(QFont::Bold);
    loud.setFontPointSize(20);
    loud.setForeground(QColor(Qt::red));
    all.mergeCharFormat(loud);

    setStandardFont(all);
    const QTextCharFormat plain = select(document, 0, 1).charFormat();
    EXPECT_EQ(plain.fontFamilies().toStringList(), QStringList{QStringLiteral("Segoe UI")});
    EXPECT_EQ(plain.fontPointSize(), 10);
    EXPECT_EQ(coverage(all, CharToggle::Bold), Coverage::None);
    EXPECT_EQ(plain.foreground().color(), QColor(Qt::black));

    QTextCursor two = select(document, 1, 2);
    setCharOffset(two, -kSubSuperOffsetTwips);
    QTextCursor square = select(document, 9, 10);
    setCharOffset(square, kSubSuperOffsetTwips);
    const QString rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains(QLatin1String("\\dn3"))) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains(QLatin1String("\\up3"))) << rtf.toStdString();

    // Indents and alignment act on the paragraphs the selection touches.
    QTextCursor second = select(document, document.characterCount() - 3, document.characterCount() - 2);
    setParagraphIndent(second, IndentSide::Left, 720);
    setParagraphIndent(second, IndentSide::Right, 100);
    setParagraphAlignment(second, Qt::AlignHCenter);
    EXPECT_EQ(document.firstBlock().blockFormat().leftMargin(), 0);
    EXPECT_EQ(document.lastBlock().blockFormat().leftMargin(), 48);
    EXPECT_EQ(document.lastBlock().blockFormat().rightMargin(), 100 / 15.0);
    EXPECT_EQ(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(TextFormatting, BulletsAreSetRemovedOrRefusedWhenMixed)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("eins\nzwei\ndrei"));
    QTextCursor all = select(document, 0, document.characterCount() - 1);
    EXPECT_EQ(bulletCoverage(all), Coverage::None);
    QTextCursor firstTwo = select(document, 2, 7);
    setBullets(firstTwo, true);
    EXPECT_EQ(bulletCoverage(firstTwo), Coverage::All);
    EXPECT_EQ(bulletCoverage(all), Coverage::Partly);
    EXPECT_EQ(document.lastBlock().textList(), nullptr);

    setBullets(firstTwo, false);
    EXPECT_EQ(bulletCoverage(all), Coverage::None);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("eins\nzwei\ndrei"));

    // Without a selection the cursor's paragraph counts.
    QTextCursor caret(&document);
    caret.setPosition(11);
    setBullets(caret, true);
    EXPECT_EQ(bulletCoverage(caret), Coverage::All);
    EXPECT_NE(document.lastBlock().textList(), nullptr);
}

TEST(LinkRules, MarkedTextsAreTakenForWebFileMailOrWord)
{
    // Case matters, and one character is no path.
    const std::pair<const char *, LinkKind> kinds[] = {
        {"www.abba.com", LinkKind::WebAddress}, {"https://example.org/a@b", LinkKind::WebAddress},
        {"C:\\Musik\\x.pdf", LinkKind::FilePath}, {"info@abba.se", LinkKind::MailAddress},
        {"Konzert", LinkKind::Word}, {"WWW.ABBA.COM", LinkKind::Word}, {"C", LinkKind::Word}, {"", LinkKind::Word}};
    for (const auto &[text, kind] : kinds)
        EXPECT_EQ(classifyLinkText(QString::fromLatin1(text)), kind) << text;

    // What is offered and opened: a mail gets its scheme, a word becomes a web address, a file is not asked.
    const auto mail = linkQuestion(LinkKind::MailAddress, QStringLiteral("info@abba.se"));
    ASSERT_TRUE(mail);
    EXPECT_EQ(mail->defaultText, QStringLiteral("info@abba.se"));
    EXPECT_EQ(mail->openPrefix, QStringLiteral("mailto:"));
    EXPECT_EQ(linkQuestion(LinkKind::Word, QStringLiteral("Konzert"))->defaultText, QStringLiteral("www.Konzert"));
    EXPECT_FALSE(linkQuestion(LinkKind::FilePath, QStringLiteral("C:\\x")));
}

TEST(LinkRules, ShopQueriesSpellOutLowerCaseUmlautsOnly)
{
    const QString band = QStringLiteral("Die Ärzte");
    const QString title = QStringLiteral("Geräusch");
    EXPECT_EQ(shopQueryText(*onlineSearchQuery(1, band, title, QStringLiteral("123"))),
              QStringLiteral("Die+Ärzte+Geraeusch"));
    EXPECT_EQ(shopQueryText(*onlineSearchQuery(0, band, title, QString())), QStringLiteral("Die+Ärzte"));
    EXPECT_EQ(*onlineSearchQuery(8, band, title, QStringLiteral("CDP 7 46")), QStringLiteral("CDP 7 46"));
    for (int other : {2, 3, 7, 12, -1})
        EXPECT_FALSE(onlineSearchQuery(other, band, title, QString())) << other;
    EXPECT_EQ(shopQueryText(QStringLiteral("Öl über Straße schön ÜÖ")), QStringLiteral("Öl+ueber+Strasse+schoen+ÜÖ"));

    EXPECT_EQ(shopSearchAddress(QStringLiteral("https://shop.example"), QStringLiteral("A+B")),
              QStringLiteral("https://shop.example/s/ref=nb_ss_w?__mk_de_DE=%C5M%C5Z%D5%D1&url=search-alias%3Daps"
                             "&field-keywords=A+B&x=0&y=0"));
}
