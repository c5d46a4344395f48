#include "texts/rtfreader.h"

#include "texts/rtfcodec.h"
#include "texts/rtfcodepage.h"
#include "texts/rtfkeywords.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace klangtruhe {
namespace {

using rtf::Keyword;

// RichEdit writes a handful of levels; anything near this is an attack or damage.
constexpr int kMaxDepth = 1000;
constexpr int kMaxTwips = 31680; // 22 inches, RichEdit's widest page
constexpr int kMaxHalfPoints = 3276; // 1638 pt, the largest size RichEdit accepts
constexpr int kDefaultHalfPoints = 24;

enum class Destination {
    Text,
    Skip,
    FontTable,
    ColorTable,
    Pn,
    PnTextBefore,
    PnTextAfter,
    FieldInstruction,
    ListTable,
    ListOverrideTable,
};

enum class ListKind { None, Pn, Ls };

struct CharState
{
    int font = -1;
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int foreground = 0; // colour table index, 0 = automatic
    int background = 0;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int offset = 0; // \up / \dn in half points
    int link = -1; // index into the hyperlinks read so far

    bool operator==(const CharState &o) const
    {
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold && italic == o.italic
            && underline == o.underline && strike == o.strike && hidden == o.hidden
            && foreground == o.foreground && background == o.background && vertical == o.vertical
            && offset == o.offset && link == o.link;
    }
    bool operator!=(const CharState &o) const { return !(*this == o); }
};

struct ListState
{
    ListKind kind = ListKind::None;
    QTextListFormat::Style style = QTextListFormat::ListDisc;
    int level = 0;
    int start = 1;
    int override = 0; // \ls
    QString prefix;
    QString suffix;
};

struct ParaState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    QList<QTextOption::Tab> tabs;
    ListState list;
};

struct Group
{
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct Font
{
    QString name;
    int charset = 0;
};

int clampInt(std::int64_t value, int low, int high)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

QTextListFormat::Style styleOfNumberFormat(int nfc)
{
    switch (nfc) {
    case 0: return QTextListFormat::ListDecimal;
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    default: return QTextListFormat::ListDisc;
    }
}

class Reader
{
public:
    Reader(const QString &rtf, QTextDocument &document)
        : text_(rtf), p_(rtf.constData()), end_(rtf.constData() + rtf.size()), cursor_(&document)
    {
    }

    bool run();

private:
    Group &top() { return groups_.back(); }

    bool openGroup();
    void closeGroup();
    void skipGroup();
    void controlWord();
    void controlSymbol(char16_t symbol);
    void keyword(const rtf::KeywordEntry &entry, bool hasParameter, std::int64_t parameter, bool ignorable);
    bool enterDestination(Keyword keyword);
    void unicodeCharacter(std::int64_t value);

    void character(char16_t c);
    void byte(unsigned char b);
    void flushBytes();
    void appendText(char16_t c);
    void flushText();
    void openBlockIfPending();
    void endParagraph();
    void finishBlock();
    void addToList(const ListState &list);

    int codePage();
    QTextCharFormat charFormat(const CharState &state);
    QTextBlockFormat blockFormat(const ParaState &para) const;
    void finishFont();
    void finishColor();

    const QString &text_;
    const QChar *p_;
    const QChar *end_;
    QTextCursor cursor_;
    std::vector<Group> groups_;
    bool failed_ = false;
    bool rootClosed_ = false;
    bool pendingIgnorable_ = false; // \* seen, its control word follows
    int skipCount_ = 0; // fallback characters still to drop after \uN

    int documentCodePage_ = rtf::Windows1252;
    int defaultFont_ = 0;
    QHash<int, Font> fonts_;
    int fontNumber_ = 0;
    int fontCharset_ = 0;
    QString fontName_;
    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
    QStringList links_;
    QString fieldInstruction_;
    QString destinationText_;

    // \listtable and \listoverridetable, enough to tell bullets from numbers.
    std::map<int, std::vector<int>> listLevels_; // \listid -> \levelnfc per level
    std::vector<int> currentLevels_;
    int overrideListId_ = 0;
    std::map<int, int> overrides_; // \ls -> \listid

    QByteArray bytes_;
    int bytesCodePage_ = rtf::Windows1252;
    rtf::ByteDecoder decoder_;

    QString buffer_;
    CharState bufferState_;
    bool formatCached_ = false;
    CharState cachedState_;
    QTextCharFormat cachedFormat_;

    bool blockPending_ = false; // the last paragraph has ended; the next opens on demand
    bool previousWasListItem_ = false;
    std::map<std::pair<int, int>, QTextList *> openLists_;
};

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

void Reader::keyword(const rtf::KeywordEntry &entry, bool hasParameter, std::int64_t parameter, bool ignorable)
{
    Group &group = top();
    CharState &chars = group.chars;
    ParaState &para = group.para;
    const bool on = !hasParameter || parameter != 0;
    const auto twips = [&](int low = -kMaxTwips) { return clampInt(parameter, low, kMaxTwips); };

    if (enterDestination(entry.keyword))
        return;
    switch (entry.keyword) {
    case Keyword::Unknown:
        if (ignorable)
            group.destination = Destination::Skip;
        break;
    case Keyword::Rtf:
    case Keyword::Ansi:
        break;
    case Keyword::Mac:
        documentCodePage_ = 10000;
        break;
    case Keyword::Pc:
        documentCodePage_ = 437;
        break;
    case Keyword::Pca:
        documentCodePage_ = 850;
        break;
    case Keyword::AnsiCodePage:
        if (parameter > 0 && parameter < 100000)
            documentCodePage_ = static_cast<int>(parameter);
        break;
    case Keyword::DefaultFont:
        defaultFont_ = clampInt(parameter, -1, INT32_MAX);
        chars.font = defaultFont_;
        break;
    case Keyword::UnicodeSkip:
        group.unicodeSkip = clampInt(parameter, 0, 100);
        break;
    case Keyword::Unicode:
        unicodeCharacter(parameter);
        break;
    case Keyword::Binary:
        // Binary data belongs to pictures and objects, which we don't show.
        p_ += std::min<std::int64_t>(std::max<std::int64_t>(parameter, 0), end_ - p_);
        if (skipCount_ > 0)
            --skipCount_;
        break;
    case Keyword::Font:
        if (group.destination == Destination::FontTable) {
            if (!fontName_.isEmpty())
                finishFont();
            fontNumber_ = clampInt(parameter, INT32_MIN, INT32_MAX);
            fontCharset_ = 0;
        } else {
            chars.font = clampInt(parameter, INT32_MIN, INT32_MAX);
        }
        break;
    case Keyword::FontCharset:
        fontCharset_ = clampInt(parameter, 0, 255);
        break;
    case Keyword::Red:
        red_ = clampInt(parameter, 0, 255);
        colorGiven_ = true;
        break;
    case Keyword::Green:
        green_ = clampInt(parameter, 0, 255);
        colorGiven_ = true;
        break;
    case Keyword::Blue:
        blue_ = clampInt(parameter, 0, 255);
        colorGiven_ = true;
        break;
    case Keyword::Plain: {
        const int link = chars.link;
        chars = CharState();
        chars.font = defaultFont_;
        chars.link = link;
        break;
    }
    case Keyword::Bold:
        chars.bold = on;
        break;
    case Keyword::Italic:
        chars.italic = on;
        break;
    case Keyword::Underline:
        chars.underline = on;
        break;
    case Keyword::UnderlineNone:
        chars.underline = false;
        break;
    case Keyword::Strike:
        chars.strike = on;
        break;
    case Keyword::Hidden:
        chars.hidden = on;
        break;
    case Keyword::FontSize:
        chars.halfPoints = parameter > 0 ? clampInt(parameter, 1, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
    case Keyword::Foreground:
        chars.foreground = clampInt(parameter, 0, INT32_MAX);
        break;
    case Keyword::Background:
        chars.background = clampInt(parameter, 0, INT32_MAX);
        break;
    case Keyword::Super:
        chars.vertical = QTextCharFormat::AlignSuperScript;
        chars.offset = 0;
        break;
    case Keyword::Sub:
        chars.vertical = QTextCharFormat::AlignSubScript;
        chars.offset = 0;
        break;
    case Keyword::NoSuperSub:
        chars.vertical = QTextCharFormat::AlignNormal;
        chars.offset = 0;
        break;
    case Keyword::Up:
    case Keyword::Down: {
        const int amount = hasParameter ? clampInt(parameter, -1000, 1000) : 6;
        chars.offset = entry.keyword == Keyword::Up ? amount : -amount;
        chars.vertical = chars.offset > 0   ? QTextCharFormat::AlignSuperScript
                         : chars.offset < 0 ? QTextCharFormat::AlignSubScript
                                            : QTextCharFormat::AlignNormal;
        break;
    }
    case Keyword::Pard:
        para = ParaState();
        break;
    case Keyword::AlignLeft:
        para.alignment = Qt::AlignLeft;
        break;
    case Keyword::AlignCenter:
        para.alignment = Qt::AlignHCenter;
        break;
    case Keyword::AlignRight:
        para.alignment = Qt::AlignRight;
        break;
    case Keyword::AlignJustify:
        para.alignment = Qt::AlignJustify;
        break;
    case Keyword::LeftIndent:
        para.left = twips();
        break;
    case Keyword::RightIndent:
        para.right = twips();
        break;
    case Keyword::FirstIndent:
        para.first = twips();
        break;
    case Keyword::SpaceBefore:
        para.before = twips(0);
        break;
    case Keyword::SpaceAfter:
        para.after = twips(0);
        break;
    case Keyword::LineSpacing:
        para.lineSpacing = twips();
        break;
    case Keyword::LineSpacingMultiple:
        para.lineMultiple = on;
        break;
    case Keyword::TabRight:
        para.nextTabType = QTextOption::RightTab;
        break;
    case Keyword::TabCenter:
        para.nextTabType = QTextOption::CenterTab;
        break;
    case Keyword::TabDecimal:
        para.nextTabType = QTextOption::DelimiterTab;
        break;
    case Keyword::TabStop:
        if (para.tabs.size() < 64) {
            QTextOption::Tab tab(twips(0) / TwipsPerDocumentPixel, para.nextTabType,
                                 para.nextTabType == QTextOption::DelimiterTab ? QLatin1Char('.') : QChar());
            para.tabs.append(tab);
        }
        para.nextTabType = QTextOption::LeftTab;
        break;
    case Keyword::ListOverrideIndex:
        if (group.destination == Destination::ListOverrideTable) {
            overrides_[clampInt(parameter, INT32_MIN, INT32_MAX)] = overrideListId_;
            break;
        }
        para.list.kind = ListKind::Ls;
        para.list.override = clampInt(parameter, INT32_MIN, INT32_MAX);
        break;
    case Keyword::ListLevelIndex:
        para.list.level = clampInt(parameter, 0, 8);
        break;
    case Keyword::PnBullet:
        para.list.kind = ListKind::Pn;
        para.list.style = QTextListFormat::ListDisc;
        break;
    case Keyword::PnBody:
    case Keyword::PnLevel:
        para.list.kind = ListKind::Pn;
        if (para.list.style == QTextListFormat::ListDisc)
            para.list.style = QTextListFormat::ListDecimal;
        if (entry.keyword == Keyword::PnLevel)
            para.list.level = clampInt(parameter - 1, 0, 8);
        break;
    case Keyword::PnContinue:
        para.list.kind = ListKind::None;
        break;
    case Keyword::PnDecimal:
        para.list.style = QTextListFormat::ListDecimal;
        break;
    case Keyword::PnUpperLetter:
        para.list.style = QTextListFormat::ListUpperAlpha;
        break;
    case Keyword::PnLowerLetter:
        para.list.style = QTextListFormat::ListLowerAlpha;
        break;
    case Keyword::PnUpperRoman:
        para.list.style = QTextListFormat::ListUpperRoman;
        break;
    case Keyword::PnLowerRoman:
        para.list.style = QTextListFormat::ListLowerRoman;
        break;
    case Keyword::PnStart:
        para.list.start = clampInt(parameter, 0, 32767);
        break;
    case Keyword::LevelNumberFormat:
        if (!currentLevels_.empty())
            currentLevels_.back() = clampInt(parameter, 0, 255);
        break;
    case Keyword::ListId:
        // \listid closes a list's definition and opens an override's.
        if (group.destination == Destination::ListTable && listLevels_.size() < 1000)
            listLevels_[clampInt(parameter, INT32_MIN, INT32_MAX)] = currentLevels_;
        else if (group.destination == Destination::ListOverrideTable)
            overrideListId_ = clampInt(parameter, INT32_MIN, INT32_MAX);
        break;
    case Keyword::Paragraph:
        if (group.destination == Destination::Text)
            endParagraph();
        break;
    case Keyword::LineBreak:
        character(QChar::LineSeparator);
        break;
    case Keyword::Tab:
    case Keyword::Cell:
        character(u'\t');
        break;
    case Keyword::Character:
        character(entry.character);
        break;
    default:
        break;
    }
}

// Returns true when the keyword changed the destination of the group.
bool Reader::enterDestination(Keyword keyword)
{
    Group &group = top();
    switch (keyword) {
    case Keyword::SkipDestination:
        group.destination = Destination::Skip;
        return true;
    case Keyword::FontTable:
        group.destination = Destination::FontTable;
        fontName_.clear();
        return true;
    case Keyword::ColorTable:
        group.destination = Destination::ColorTable;
        colors_.clear();
        colorGiven_ = false;
        return true;
    case Keyword::Pn:
        group.destination = Destination::Pn;
        group.para.list = ListState();
        group.para.list.kind = ListKind::Pn;
        return true;
    case Keyword::PnTextBefore:
    case Keyword::PnTextAfter:
        if (group.destination != Destination::Pn) {
            group.destination = Destination::Skip;
            return true;
        }
        group.destination = keyword == Keyword::PnTextBefore ? Destination::PnTextBefore : Destination::PnTextAfter;
        destinationText_.clear();
        return true;
    case Keyword::FieldInstruction:
        group.destination = Destination::FieldInstruction;
        fieldInstruction_.clear();
        return true;
    case Keyword::FieldResult: {
        group.destination = Destination::Text;
        const QString instruction = fieldInstruction_.trimmed();
        if (instruction.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive)) {
            QString target = instruction.mid(9).trimmed();
            if (target.startsWith(QLatin1Char('"'))) {
                const qsizetype close = target.indexOf(QLatin1Char('"'), 1);
                target = target.mid(1, close < 0 ? -1 : close - 1);
            }
            if (!target.isEmpty()) {
                links_.append(target);
                group.chars.link = static_cast<int>(links_.size() - 1);
            }
        }
        fieldInstruction_.clear();
        return true;
    }
    case Keyword::ListTable:
        group.destination = Destination::ListTable;
        return true;
    case Keyword::ListOverrideTable:
        group.destination = Destination::ListOverrideTable;
        return true;
    case Keyword::List:
        if (group.destination == Destination::ListTable)
            currentLevels_.clear();
        return true;
    case Keyword::ListLevel:
        if (group.destination == Destination::ListTable && currentLevels_.size() < 9)
            currentLevels_.push_back(23);
        return true;
    case Keyword::ListOverride:
        overrideListId_ = 0;
        return true;
    default:
        return false;
    }
}

void Reader::unicodeCharacter(std::int64_t value)
{
    // N is a signed 16-bit number; RichEdit writes characters above 32767 negative.
    if (value < 0 && value >= -32768)
        value += 65536;
    character(value >= 0 && value <= 0xFFFF ? static_cast<char16_t>(value) : char16_t(0xFFFD));
    skipCount_ = top().unicodeSkip;
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

void Reader::appendText(char16_t c)
{
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

    const std::pair<int, int> key(list.level, static_cast<int>(format.style()));
    const auto open = openLists_.find(key);
    if (previousWasListItem_ && open != openLists_.end() && open->second->format() == format) {
        open->second->add(cursor_.block());
    } else {
        // A list at one level ends the deeper ones below it.
        openLists_.erase(openLists_.lower_bound({list.level, INT32_MIN}), openLists_.end());
        openLists_[key] = cursor_.createList(format);
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

} // namespace

bool readRtf(const QString &rtf, QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    const bool read = Reader(rtf, document).run();
    if (!read)
        document.clear();
    document.setUndoRedoEnabled(undo);
    return read;
}

} // namespace klangtruhe
