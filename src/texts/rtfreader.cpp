#include "texts/rtfreader.h"

#include "texts/rtfparser.h"

#include <QTextDocument>

namespace klangtruhe {
namespace rtf {

bool Reader::run()
{
    while (p_ < end_ && (p_->unicode() == u' ' || p_->unicode() == u'\t' || p_->unicode() == u'\r'
                         || p_->unicode() == u'\n' || p_->unicode() == 0xFEFF))
        ++p_;
    const QStringView rest(p_, end_ - p_);
    if (!rest.startsWith(u"{\\rtf") || (rest.size() > 5 && rest.at(5).isLetter()))
        return false;

    cursor_.beginEditBlock();
    while (p_ < end_ && !failed_ && !rootClosed_) {
        const char16_t c = p_->unicode();
        if (c == u'\\') {
            ++p_;
            controlWord();
            continue;
        }
        ++p_;
        if (c == u'{') {
            flushBytes();
            if (!openGroup())
                failed_ = true;
        } else if (c == u'}') {
            flushBytes();
            closeGroup();
        } else if (c == u'\r' || c == u'\n' || c == 0) {
            // line ends only format the source
        } else if (!groups_.empty()) {
            flushBytes();
            character(c);
        }
    }
    flushBytes();
    if (!failed_) {
        // Whatever follows the outermost group would be hidden; better show it all raw.
        for (; p_ < end_; ++p_) {
            const char16_t c = p_->unicode();
            if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n' && c != 0) {
                failed_ = true;
                break;
            }
        }
    }
    if (!failed_) {
        flushText();
        if (!blockPending_)
            finishBlock();
    }
    cursor_.endEditBlock();
    return !failed_;
}

bool Reader::openGroup()
{
    skipCount_ = 0;
    if (groups_.empty()) {
        // Without \deff RichEdit takes font 0 as the default.
        groups_.emplace_back();
        top().chars.font = defaultFont_;
        return true;
    }
    if (static_cast<int>(groups_.size()) >= kMaxDepth)
        return false;
    if (top().destination == Destination::Skip) {
        skipGroup();
        return true;
    }
    groups_.push_back(top());
    return true;
}

void Reader::closeGroup()
{
    skipCount_ = 0;
    if (groups_.size() == 1) {
        // The outermost group stays: its state formats the last paragraph.
        rootClosed_ = true;
        return;
    }
    const Group closed = std::move(groups_.back());
    groups_.pop_back();
    Group &parent = top();
    switch (closed.destination) {
    case Destination::Pn:
        if (parent.destination != Destination::Pn)
            parent.para.list = closed.para.list;
        break;
    case Destination::PnTextBefore:
        if (parent.destination == Destination::Pn)
            parent.para.list.prefix = destinationText_;
        break;
    case Destination::PnTextAfter:
        if (parent.destination == Destination::Pn)
            parent.para.list.suffix = destinationText_;
        break;
    case Destination::FontTable:
        if (!fontName_.isEmpty())
            finishFont();
        break;
    default:
        break;
    }
}

// Skips the rest of a group whose content we don't read, only counting
// braces: nesting costs no memory there, and \bin data is jumped over.
void Reader::skipGroup()
{
    // The '{' that brought us here opened a group inside the skipped one.
    std::int64_t depth = 1;
    while (p_ < end_) {
        const char16_t c = p_->unicode();
        ++p_;
        if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            if (--depth == 0)
                return;
        } else if (c == u'\\' && p_ < end_) {
            const QStringView rest(p_, end_ - p_);
            if (rest.startsWith(u"bin") && rest.size() > 3 && rest.at(3).isDigit()) {
                p_ += 3;
                std::int64_t count = 0;
                while (p_ < end_ && p_->isDigit()) {
                    count = std::min<std::int64_t>(count * 10 + (p_->unicode() - u'0'), end_ - p_);
                    ++p_;
                }
                if (p_ < end_ && p_->unicode() == u' ')
                    ++p_;
                p_ += std::min<std::int64_t>(count, end_ - p_);
            } else {
                ++p_;
            }
        }
    }
}

void Reader::controlWord()
{
    if (p_ >= end_)
        return;
    if (!p_->isLetter() || p_->unicode() > 0x7F) {
        const char16_t symbol = p_->unicode();
        ++p_;
        controlSymbol(symbol);
        return;
    }
    char name[33];
    int length = 0;
    while (p_ < end_ && p_->unicode() < 0x80 && p_->isLetter()) {
        if (length < 32)
            name[length] = static_cast<char>(p_->unicode());
        ++length;
        ++p_;
    }
    bool negative = false;
    bool hasParameter = false;
    std::int64_t parameter = 0;
    if (p_ < end_ && p_->unicode() == u'-' && p_ + 1 < end_ && p_[1].isDigit()) {
        negative = true;
        ++p_;
    }
    while (p_ < end_ && p_->unicode() >= u'0' && p_->unicode() <= u'9') {
        hasParameter = true;
        if (parameter < 100000000000LL)
            parameter = parameter * 10 + (p_->unicode() - u'0');
        ++p_;
    }
    if (negative)
        parameter = -parameter;
    if (p_ < end_ && p_->unicode() == u' ')
        ++p_;

    const bool ignorable = pendingIgnorable_;
    pendingIgnorable_ = false;
    if (length > 32) {
        if (ignorable)
            top().destination = Destination::Skip;
        return;
    }
    const rtf::KeywordEntry entry = rtf::findKeyword(std::string_view(name, length));
    if (skipCount_ > 0 && entry.keyword != Keyword::Binary) {
        // A control word stands for one fallback character after \uN.
        --skipCount_;
        return;
    }
    flushBytes();
    keyword(entry, hasParameter, parameter, ignorable);
}

void Reader::controlSymbol(char16_t symbol)
{
    if (symbol == u'\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && p_ < end_) {
            const char16_t c = p_->unicode();
            int nibble = -1;
            if (c >= u'0' && c <= u'9')
                nibble = c - u'0';
            else if (c >= u'a' && c <= u'f')
                nibble = c - u'a' + 10;
            else if (c >= u'A' && c <= u'F')
                nibble = c - u'A' + 10;
            if (nibble < 0)
                break;
            value = value * 16 + nibble;
            ++digits;
            ++p_;
        }
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        if (digits > 0)
            byte(static_cast<unsigned char>(value));
        return;
    }
    if (symbol == u'*') {
        pendingIgnorable_ = true;
        return;
    }
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    flushBytes();
    switch (symbol) {
    case u'\\':
    case u'{':
    case u'}':
        character(symbol);
        break;
    case u'~':
        character(0x00A0);
        break;
    case u'-':
        character(0x00AD);
        break;
    case u'_':
        character(0x2011);
        break;
    case u'\r':
    case u'\n':
        if (top().destination == Destination::Text)
            endParagraph();
        break;
    case u'\t':
        character(u'\t');
        break;
    default:
        break; // \| \: and the rest carry nothing for us
    }
}

void Reader::character(char16_t c)
{
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    switch (top().destination) {
    case Destination::Text:
        if (!top().chars.hidden)
            appendText(c);
        break;
    case Destination::FontTable:
        if (c == u';')
            finishFont();
        else if (fontName_.size() < 256)
            fontName_.append(QChar(c));
        break;
    case Destination::ColorTable:
        if (c == u';')
            finishColor();
        break;
    case Destination::FieldInstruction:
        if (fieldInstruction_.size() < 4096)
            fieldInstruction_.append(QChar(c));
        break;
    case Destination::PnTextBefore:
    case Destination::PnTextAfter:
        if (destinationText_.size() < 64)
            destinationText_.append(QChar(c));
        break;
    default:
        break;
    }
}

int Reader::codePage()
{
    const auto font = fonts_.constFind(top().chars.font);
    if (font != fonts_.constEnd()) {
        const int page = rtf::codePageOfCharset(font->charset);
        if (page != 0)
            return page;
    }
    return documentCodePage_;
}

void Reader::byte(unsigned char b)
{
    const int page = codePage();
    if (page == rtf::Windows1252 && bytes_.isEmpty()) {
        character(rtf::fromWindows1252(b));
        return;
    }
    if (!bytes_.isEmpty() && page != bytesCodePage_)
        flushBytes();
    bytesCodePage_ = page;
    bytes_.append(static_cast<char>(b));
}

// Multi-byte code pages spread one character over several \'xx, so the
// bytes are gathered and decoded together.
void Reader::flushBytes()
{
    if (bytes_.isEmpty())
        return;
    const QString decoded = decoder_.decode(bytesCodePage_, bytes_);
    bytes_.clear();
    for (const QChar c : decoded)
        character(c.unicode());
}

} // namespace rtf

bool readRtf(const QString &rtf, QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    const bool read = rtf::Reader(rtf, document).run();
    if (!read)
        document.clear();
    document.setUndoRedoEnabled(undo);
    return read;
}

} // namespace klangtruhe
