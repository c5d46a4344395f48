#include "texts/textformatting.h"

#include "texts/rtfcodec.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace klangtruhe {

namespace {

bool hasAttribute(const QTextCharFormat &format, CharToggle attribute)
{
    switch (attribute) {
    case CharToggle::Bold: return format.fontWeight() >= QFont::DemiBold;
    case CharToggle::Italic: return format.fontItalic();
    case CharToggle::Underline: return format.fontUnderline();
    case CharToggle::StrikeOut: return format.fontStrikeOut();
    }
    return false;
}

QTextCharFormat attributeFormat(CharToggle attribute, bool on)
{
    QTextCharFormat format;
    switch (attribute) {
    case CharToggle::Bold: format.setFontWeight(on ? QFont::Bold : QFont::Normal); break;
    case CharToggle::Italic: format.setFontItalic(on); break;
    case CharToggle::Underline: format.setFontUnderline(on); break;
    case CharToggle::StrikeOut: format.setFontStrikeOut(on); break;
    }
    return format;
}

Coverage fromCounts(int with, int without)
{
    if (with == 0)
        return Coverage::None;
    return without == 0 ? Coverage::All : Coverage::Partly;
}

// The blocks the selection touches (the cursor's block without a selection).
template <typename Visit>
void forEachSelectedBlock(const QTextCursor &cursor, Visit visit)
{
    const QTextDocument *document = cursor.document();
    QTextBlock block = document->findBlock(cursor.selectionStart());
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    while (block.isValid()) {
        visit(block);
        if (block == last)
            break;
        block = block.next();
    }
}

bool isBulletList(const QTextList *list)
{
    if (!list)
        return false;
    const QTextListFormat::Style style = list->format().style();
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
}

} // namespace

Coverage coverage(const QTextCursor &cursor, CharToggle attribute)
{
    if (!cursor.hasSelection())
        return hasAttribute(cursor.charFormat(), attribute) ? Coverage::All : Coverage::None;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    int with = 0;
    int without = 0;
    forEachSelectedBlock(cursor, [&](const QTextBlock &block) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from >= to)
                continue;
            (hasAttribute(fragment.charFormat(), attribute) ? with : without) += to - from;
        }
    });
    return fromCounts(with, without);
}

void toggleCharAttribute(QTextCursor &cursor, CharToggle attribute)
{
    const bool on = coverage(cursor, attribute) != Coverage::All;
    cursor.mergeCharFormat(attributeFormat(attribute, on));
}

void setStandardFont(QTextCursor &cursor)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{QStringLiteral("Segoe UI")});
    format.setFontPointSize(10);
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setFontStrikeOut(false);
    format.setForeground(QColor(Qt::black));
    format.setVerticalAlignment(QTextCharFormat::AlignNormal);
    format.setProperty(RtfCharOffsetProperty, 0);
    cursor.mergeCharFormat(format);
}

void setChosenFont(QTextCursor &cursor, const QFont &font)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{font.family()});
    if (font.pointSizeF() > 0)
        format.setFontPointSize(font.pointSizeF());
    format.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic());
    format.setFontStrikeOut(font.strikeOut());
    format.setFontUnderline(font.underline());
    cursor.mergeCharFormat(format);
}

void setTextColour(QTextCursor &cursor, const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.mergeCharFormat(format);
}

void setCharOffset(QTextCursor &cursor, int twips)
{
    QTextCharFormat format;
    format.setVerticalAlignment(twips > 0   ? QTextCharFormat::AlignSuperScript
                                : twips < 0 ? QTextCharFormat::AlignSubScript
                                            : QTextCharFormat::AlignNormal);
    // The RTF amount counts half points: 10 twips each.
    format.setProperty(RtfCharOffsetProperty, twips / 10);
    cursor.mergeCharFormat(format);
}

Coverage bulletCoverage(const QTextCursor &cursor)
{
    int with = 0;
    int without = 0;
    forEachSelectedBlock(cursor, [&](const QTextBlock &block) { ++(isBulletList(block.textList()) ? with : without); });
    return fromCounts(with, without);
}

void setBullets(QTextCursor &cursor, bool on)
{
    if (on) {
        cursor.createList(QTextListFormat::ListDisc);
        return;
    }
    cursor.beginEditBlock();
    forEachSelectedBlock(cursor, [](const QTextBlock &block) {
        if (QTextList *list = block.textList())
            list->remove(block);
    });
    cursor.endEditBlock();
}

void setParagraphAlignment(QTextCursor &cursor, Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    cursor.mergeBlockFormat(format);
}

void setParagraphIndent(QTextCursor &cursor, IndentSide side, double twips)
{
    QTextBlockFormat format;
    const double pixels = twips / TwipsPerDocumentPixel;
    if (side == IndentSide::Left)
        format.setLeftMargin(pixels);
    else
        format.setRightMargin(pixels);
    cursor.mergeBlockFormat(format);
}

} // namespace klangtruhe
