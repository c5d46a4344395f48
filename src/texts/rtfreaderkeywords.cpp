#include "texts/rtfparser.h"

#include "texts/rtfcodec.h"

#include <QTextDocument>

namespace klangtruhe::rtf {

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

} // namespace klangtruhe::rtf
