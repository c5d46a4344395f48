#include "texts/rtfparser.h"

#include "texts/rtfcodec.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace klangtruhe::rtf {

namespace {
constexpr int kListChunk = 500;
}

void Reader::appendText(char16_t c)
{
    // Characters the document takes as the end of a block (\'0d, \u8233 ...)
    // would open a paragraph that no \par made and that a second read would
    // not see again; paragraphs come from \par alone.
    if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1)
        return;
    openBlockIfPending();
    const CharState &state = top().chars;
    if (!buffer_.isEmpty() && state != bufferState_)
        flushText();
    if (buffer_.isEmpty())
        bufferState_ = state;
    buffer_.append(QChar(c));
}

void Reader::flushText()
{
    if (buffer_.isEmpty())
        return;
    cursor_.insertText(buffer_, charFormat(bufferState_));
    buffer_.clear();
}

void Reader::openBlockIfPending()
{
    if (!blockPending_)
        return;
    blockPending_ = false;
    cursor_.insertBlock(QTextBlockFormat(), charFormat(top().chars));
}

void Reader::endParagraph()
{
    flushText();
    openBlockIfPending();
    finishBlock();
    blockPending_ = true;
}

// Gives the current block the paragraph properties in force at its end.
void Reader::finishBlock()
{
    const Group &group = top();
    cursor_.setBlockFormat(blockFormat(group.para));
    if (cursor_.block().length() <= 1)
        cursor_.setBlockCharFormat(charFormat(group.chars));
    addToList(group.para.list);
}

void Reader::addToList(const ListState &list)
{
    if (list.kind == ListKind::None) {
        openLists_.clear();
        previousWasListItem_ = false;
        return;
    }
    QTextListFormat format;
    format.setStyle(list.style);
    if (list.kind == ListKind::Ls) {
        const auto override = overrides_.find(list.override);
        const auto levels = listLevels_.find(override == overrides_.end() ? list.override : override->second);
        if (levels != listLevels_.end() && list.level < static_cast<int>(levels->second.size()))
            format.setStyle(styleOfNumberFormat(levels->second[list.level]));
    } else if (list.style != QTextListFormat::ListDisc) {
        if (list.start != 1)
            format.setProperty(RtfListStartProperty, list.start);
        format.setNumberPrefix(list.prefix);
        format.setNumberSuffix(list.suffix);
    }
    // Indents come from \li and \fi of the paragraph, as in RichEdit.
    format.setIndent(0);
    if (list.level > 0)
        format.setProperty(RtfListLevelProperty, list.level);

    const std::pair<int, int> key(list.level, static_cast<int>(format.style()));
    const auto open = openLists_.find(key);
    if (previousWasListItem_ && open != openLists_.end() && open->second.format == format) {
        OpenList &current = open->second;
        if (current.items % kListChunk == 0) {
            // Every item added to a QTextList touches all the items before it;
            // a long list goes on as a new one that starts where it stopped.
            QTextListFormat next = format;
            next.setProperty(RtfListStartProperty, format.property(RtfListStartProperty).toInt() + current.items
                                                       + (format.hasProperty(RtfListStartProperty) ? 0 : 1));
            current.list = cursor_.createList(next);
        } else {
            current.list->add(cursor_.block());
        }
        ++current.items;
    } else {
        // A list at one level ends the deeper ones below it.
        openLists_.erase(openLists_.lower_bound({list.level, INT32_MIN}), openLists_.end());
        openLists_[key] = OpenList{cursor_.createList(format), format, 1};
    }
    previousWasListItem_ = true;
}

QTextCharFormat Reader::charFormat(const CharState &state)
{
    if (formatCached_ && state == cachedState_)
        return cachedFormat_;
    QTextCharFormat format;
    const auto font = fonts_.constFind(state.font);
    if (font != fonts_.constEnd() && !font->name.isEmpty())
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(state.halfPoints / 2.0);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strike);
    if (state.foreground > 0 && state.foreground < static_cast<int>(colors_.size())
        && colors_[state.foreground].isValid())
        format.setForeground(colors_[state.foreground]);
    if (state.background > 0 && state.background < static_cast<int>(colors_.size())
        && colors_[state.background].isValid())
        format.setBackground(colors_[state.background]);
    format.setVerticalAlignment(state.vertical);
    if (state.offset != 0)
        format.setProperty(RtfCharOffsetProperty, state.offset);
    if (state.link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(links_.at(state.link));
    }
    formatCached_ = true;
    cachedState_ = state;
    cachedFormat_ = format;
    return format;
}

QTextBlockFormat Reader::blockFormat(const ParaState &para) const
{
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    if (para.left != 0)
        format.setLeftMargin(para.left / TwipsPerDocumentPixel);
    if (para.right != 0)
        format.setRightMargin(para.right / TwipsPerDocumentPixel);
    if (para.first != 0)
        format.setTextIndent(para.first / TwipsPerDocumentPixel);
    if (para.before != 0)
        format.setTopMargin(para.before / TwipsPerDocumentPixel);
    if (para.after != 0)
        format.setBottomMargin(para.after / TwipsPerDocumentPixel);
    if (para.lineSpacing != 0) {
        if (para.lineMultiple && para.lineSpacing > 0)
            format.setLineHeight(para.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing > 0)
            format.setLineHeight(para.lineSpacing / TwipsPerDocumentPixel, QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(-para.lineSpacing / TwipsPerDocumentPixel, QTextBlockFormat::FixedHeight);
    }
    if (!para.tabs.isEmpty())
        format.setTabPositions(para.tabs);
    return format;
}

void Reader::finishFont()
{
    QString name = fontName_.trimmed();
    fontName_.clear();
    if (fonts_.size() < 10000)
        fonts_.insert(fontNumber_, Font{name, fontCharset_});
}

void Reader::finishColor()
{
    if (colors_.size() < 10000)
        colors_.push_back(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    colorGiven_ = false;
}

} // namespace klangtruhe::rtf
