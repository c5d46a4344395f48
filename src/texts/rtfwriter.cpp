#include "texts/rtfwriter.h"

#include "texts/rtfcodec.h"
#include "texts/rtfcodepage.h"

#include <QColor>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace klangtruhe {
namespace {

constexpr int kMaxHalfPoints = 3276;
constexpr QLatin1String kBulletFont("Symbol");

struct RunState
{
    int font = -1;
    int halfPoints = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int foreground = 0;
    int background = 0;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int offset = 0;
};

QString familyOf(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return QString();
}

int twips(double pixels)
{
    return static_cast<int>(std::lround(pixels * TwipsPerDocumentPixel));
}

bool isBullet(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
}

// Text in RTF source: Windows-1252 letters above 127 as \'xx, everything
// else outside ASCII as \uN? (N signed 16-bit, '?' as the \uc1 fallback).
void appendEscaped(QString &out, QStringView text, bool &delimit)
{
    const auto control = [&out, &delimit](QLatin1String word) {
        out += word;
        delimit = true;
    };
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        switch (c) {
        case u'\\':
        case u'{':
        case u'}':
            out += QLatin1Char('\\');
            out += qc;
            delimit = false;
            continue;
        case u'\t':
            control(QLatin1String("\\tab"));
            continue;
        case 0x2028: // QChar::LineSeparator
            control(QLatin1String("\\line"));
            continue;
        case 0x00A0:
            out += QLatin1String("\\~");
            delimit = false;
            continue;
        case 0x00AD:
            out += QLatin1String("\\-");
            delimit = false;
            continue;
        case 0x2011:
            out += QLatin1String("\\_");
            delimit = false;
            continue;
        case 0xFFFC: // embedded objects and frame marks have no text to write
        case 0xFDD0:
        case 0xFDD1:
        case 0x2029:
            continue;
        default:
            break;
        }
        if (c >= 0x20 && c < 0x80) {
            if (delimit)
                out += QLatin1Char(' ');
            out += qc;
            delimit = false;
            continue;
        }
        const int byte = c >= 0x20 ? rtf::toWindows1252(c) : c;
        if (byte >= 0) {
            static constexpr char hex[] = "0123456789abcdef";
            out += QLatin1String("\\'");
            out += QLatin1Char(hex[byte >> 4]);
            out += QLatin1Char(hex[byte & 0xF]);
        } else {
            out += QLatin1String("\\u");
            out += QString::number(static_cast<qint16>(c));
            out += QLatin1Char('?');
        }
        delimit = false;
    }
}

class Writer
{
public:
    explicit Writer(const QTextDocument &document) : document_(document) {}

    QString run();

private:
    void collectTables();
    int fontIndex(const QString &family);
    int colorIndex(const QBrush &brush);
    RunState stateOf(const QTextCharFormat &format);

    void writeHeader();
    void writeBlock(const QTextBlock &block);
    QString paragraphProperties(const QTextBlock &block);
    void writeRunState(const RunState &state);
    void openLink(const QString &href);
    void closeLink();

    void word(QLatin1String name);
    void word(QLatin1String name, int parameter);

    const QTextDocument &document_;
    QString out_;
    bool delimit_ = false; // the last token was a control word that text must not run into
    QStringList fonts_;
    QString defaultFamily_;
    QList<QColor> colors_;
    bool bullets_ = false;
    int bulletFont_ = -1;
    int defaultHalfPoints_ = 24;
    RunState current_;
    QString paragraph_; // properties written with the last \pard
    bool firstParagraph_ = true;
    QString link_;
    RunState beforeLink_;
};

QString Writer::run()
{
    const QFont font = document_.defaultFont();
    defaultFamily_ = font.family().isEmpty() ? QStringLiteral("Segoe UI") : font.family();
    if (font.pointSizeF() > 0)
        defaultHalfPoints_ = std::clamp(static_cast<int>(std::lround(font.pointSizeF() * 2)), 1, kMaxHalfPoints);
    collectTables();
    out_.reserve(document_.characterCount() * 2 + 512);
    writeHeader();
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    out_ += QLatin1String("}\r\n");
    return out_;
}

void Writer::collectTables()
{
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        if (block.textList() && isBullet(block.textList()->format().style()))
            bullets_ = true;
        if (block.length() <= 1) {
            stateOf(block.charFormat());
            continue;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it)
            stateOf(it.fragment().charFormat());
    }
    if (fonts_.isEmpty())
        fonts_.append(defaultFamily_);
    if (bullets_)
        bulletFont_ = fontIndex(kBulletFont);
}

int Writer::fontIndex(const QString &family)
{
    // Runs without a family of their own show the document's default font.
    const qsizetype index = fonts_.indexOf(family.isEmpty() ? defaultFamily_ : family);
    if (index >= 0)
        return static_cast<int>(index);
    fonts_.append(family.isEmpty() ? defaultFamily_ : family);
    return static_cast<int>(fonts_.size() - 1);
}

int Writer::colorIndex(const QBrush &brush)
{
    if (brush.style() == Qt::NoBrush)
        return 0;
    const QColor color = brush.color().toRgb();
    const QColor plain(color.red(), color.green(), color.blue());
    const qsizetype index = colors_.indexOf(plain);
    if (index >= 0)
        return static_cast<int>(index + 1);
    colors_.append(plain);
    return static_cast<int>(colors_.size());
}

RunState Writer::stateOf(const QTextCharFormat &format)
{
    RunState state;
    state.font = fontIndex(familyOf(format));
    state.halfPoints = format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0
        ? std::clamp(static_cast<int>(std::lround(format.fontPointSize() * 2)), 1, kMaxHalfPoints)
        : defaultHalfPoints_;
    state.bold = format.fontWeight() >= QFont::DemiBold;
    state.italic = format.fontItalic();
    state.underline = format.fontUnderline();
    state.strike = format.fontStrikeOut();
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        state.foreground = colorIndex(format.foreground());
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        state.background = colorIndex(format.background());
    const auto vertical = format.verticalAlignment();
    if (vertical == QTextCharFormat::AlignSuperScript || vertical == QTextCharFormat::AlignSubScript) {
        state.vertical = vertical;
        const int offset = format.property(RtfCharOffsetProperty).toInt();
        // An amount only counts while it still points the way the alignment does.
        if ((offset > 0) == (vertical == QTextCharFormat::AlignSuperScript) && offset != 0)
            state.offset = std::clamp(offset, -1000, 1000);
    }
    return state;
}

void Writer::writeHeader()
{
    out_ += QLatin1String("{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1031{\\fonttbl");
    for (int i = 0; i < fonts_.size(); ++i) {
        out_ += QLatin1String("{\\f") + QString::number(i) + QLatin1String("\\fnil\\fcharset")
            + QLatin1String(i == bulletFont_ ? "2" : "0");
        delimit_ = true;
        appendEscaped(out_, fonts_.at(i), delimit_);
        out_ += QLatin1String(";}");
    }
    out_ += QLatin1String("}\r\n");
    if (!colors_.isEmpty()) {
        out_ += QLatin1String("{\\colortbl ;");
        for (const QColor &color : qAsConst(colors_)) {
            out_ += QLatin1String("\\red") + QString::number(color.red()) + QLatin1String("\\green")
                + QString::number(color.green()) + QLatin1String("\\blue") + QString::number(color.blue())
                + QLatin1Char(';');
        }
        out_ += QLatin1String("}\r\n");
    }
    out_ += QLatin1String("\\viewkind4\\uc1");
    delimit_ = true;
}

QString Writer::paragraphProperties(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    QString props;
    const auto add = [&props](const char *name, long value) {
        props += QLatin1Char('\\') + QLatin1String(name) + QString::number(value);
    };
    double left = format.leftMargin();
    if (const QTextList *list = block.textList()) {
        const QTextListFormat listFormat = list->format();
        left += listFormat.indent() * document_.indentWidth();
        // A nested list names its level, so the outer numbering goes on after it.
        const int level = qBound(0, listFormat.property(RtfListLevelProperty).toInt(), 8);
        const QString levelWord = level > 0 ? QStringLiteral("\\pnlvl%1").arg(level + 1) : QString();
        if (isBullet(listFormat.style())) {
            props += QLatin1String("{\\*\\pn") + levelWord + QLatin1String("\\pnlvlblt\\pnf") + QString::number(bulletFont_)
                + QLatin1String("\\pnindent0{\\pntxtb\\'B7}}");
        } else {
            props += QLatin1String("{\\*\\pn") + (level > 0 ? levelWord : QStringLiteral("\\pnlvlbody"))
                + QLatin1String("\\pnf0\\pnindent0");
            const QVariant start = listFormat.property(RtfListStartProperty);
            add("pnstart", start.isValid() ? start.toInt() : 1);
            switch (listFormat.style()) {
            case QTextListFormat::ListLowerAlpha: props += QLatin1String("\\pnlcltr"); break;
            case QTextListFormat::ListUpperAlpha: props += QLatin1String("\\pnucltr"); break;
            case QTextListFormat::ListLowerRoman: props += QLatin1String("\\pnlcrm"); break;
            case QTextListFormat::ListUpperRoman: props += QLatin1String("\\pnucrm"); break;
            default: props += QLatin1String("\\pndec"); break;
            }
            const auto affix = [&props](const char *name, const QString &value) {
                props += QLatin1String("{\\") + QLatin1String(name);
                bool delimit = true;
                appendEscaped(props, value, delimit);
                props += QLatin1Char('}');
            };
            if (!listFormat.numberPrefix().isEmpty())
                affix("pntxtb", listFormat.numberPrefix());
            // Qt puts a full stop after the number unless told otherwise.
            affix("pntxta", listFormat.hasProperty(QTextFormat::ListNumberSuffix) ? listFormat.numberSuffix()
                                                                                  : QStringLiteral("."));
            props += QLatin1Char('}');
        }
    }
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter)
        props += QLatin1String("\\qc");
    else if (alignment & Qt::AlignJustify)
        props += QLatin1String("\\qj");
    else if ((alignment & Qt::AlignRight) || ((alignment & Qt::AlignTrailing) && !(alignment & Qt::AlignAbsolute)))
        props += QLatin1String("\\qr");
    if (const int fi = twips(format.textIndent()))
        add("fi", fi);
    if (const int li = twips(left))
        add("li", li);
    if (const int ri = twips(format.rightMargin()))
        add("ri", ri);
    if (const int sb = twips(format.topMargin()))
        add("sb", sb);
    if (const int sa = twips(format.bottomMargin()))
        add("sa", sa);
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (std::lround(format.lineHeight()) != 100) {
            add("sl", std::lround(format.lineHeight() * 240.0 / 100.0));
            props += QLatin1String("\\slmult1");
        }
        break;
    case QTextBlockFormat::MinimumHeight:
        add("sl", twips(format.lineHeight()));
        props += QLatin1String("\\slmult0");
        break;
    case QTextBlockFormat::FixedHeight:
        add("sl", -twips(format.lineHeight()));
        props += QLatin1String("\\slmult0");
        break;
    default:
        break;
    }
    for (const QTextOption::Tab &tab : format.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            props += QLatin1String("\\tqr");
        else if (tab.type == QTextOption::CenterTab)
            props += QLatin1String("\\tqc");
        else if (tab.type == QTextOption::DelimiterTab)
            props += QLatin1String("\\tqdec");
        add("tx", twips(tab.position));
    }
    return props;
}

void Writer::word(QLatin1String name)
{
    out_ += name;
    delimit_ = true;
}

void Writer::word(QLatin1String name, int parameter)
{
    out_ += name;
    out_ += QString::number(parameter);
    delimit_ = true;
}

void Writer::writeRunState(const RunState &state)
{
    RunState &now = current_;
    if (state.font != now.font)
        word(QLatin1String("\\f"), state.font);
    if (state.halfPoints != now.halfPoints)
        word(QLatin1String("\\fs"), state.halfPoints);
    if (state.bold != now.bold)
        word(QLatin1String(state.bold ? "\\b" : "\\b0"));
    if (state.italic != now.italic)
        word(QLatin1String(state.italic ? "\\i" : "\\i0"));
    if (state.underline != now.underline)
        word(QLatin1String(state.underline ? "\\ul" : "\\ulnone"));
    if (state.strike != now.strike)
        word(QLatin1String(state.strike ? "\\strike" : "\\strike0"));
    if (state.foreground != now.foreground)
        word(QLatin1String("\\cf"), state.foreground);
    if (state.background != now.background)
        word(QLatin1String("\\highlight"), state.background);
    if (state.vertical != now.vertical || state.offset != now.offset) {
        if (now.offset != 0)
            word(QLatin1String("\\up0"));
        else if (now.vertical != QTextCharFormat::AlignNormal)
            word(QLatin1String("\\nosupersub"));
        if (state.offset > 0)
            word(QLatin1String("\\up"), state.offset);
        else if (state.offset < 0)
            word(QLatin1String("\\dn"), -state.offset);
        else if (state.vertical == QTextCharFormat::AlignSuperScript)
            word(QLatin1String("\\super"));
        else if (state.vertical == QTextCharFormat::AlignSubScript)
            word(QLatin1String("\\sub"));
    }
    now = state;
}

void Writer::openLink(const QString &href)
{
    out_ += QLatin1String("{\\field{\\*\\fldinst{HYPERLINK \"");
    bool delimit = false;
    appendEscaped(out_, href, delimit);
    out_ += QLatin1String("\" }}{\\fldrslt{");
    delimit_ = false;
    link_ = href;
    beforeLink_ = current_;
}

void Writer::closeLink()
{
    if (link_.isEmpty())
        return;
    out_ += QLatin1String("}}}");
    delimit_ = false;
    link_.clear();
    // The groups restore what was in force before the field.
    current_ = beforeLink_;
}

void Writer::writeBlock(const QTextBlock &block)
{
    const QString properties = paragraphProperties(block);
    const bool newProperties = firstParagraph_ || properties != paragraph_;
    if (newProperties) {
        word(QLatin1String("\\pard"));
        paragraph_ = properties;
        firstParagraph_ = false;
    }
    if (const QTextList *list = block.textList()) {
        // What RichEdit shows in front of the item; readers that know \pn ignore it.
        out_ += QLatin1String("{\\pntext");
        if (isBullet(list->format().style())) {
            out_ += QLatin1String("\\f") + QString::number(bulletFont_) + QLatin1String("\\'B7");
        } else {
            out_ += QLatin1String("\\f0");
            bool delimit = true;
            appendEscaped(out_, list->itemText(block), delimit);
        }
        out_ += QLatin1String("\\tab}");
        delimit_ = false;
    }
    if (newProperties && !properties.isEmpty()) {
        out_ += properties;
        delimit_ = !properties.endsWith(QLatin1Char('}'));
    }

    if (block.length() <= 1) {
        writeRunState(stateOf(block.charFormat()));
    } else {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString href = format.isAnchor() ? format.anchorHref() : QString();
            if (href != link_) {
                closeLink();
                if (!href.isEmpty())
                    openLink(href);
            }
            writeRunState(stateOf(format));
            appendEscaped(out_, fragment.text(), delimit_);
        }
        closeLink();
    }
    out_ += QLatin1String("\\par\r\n");
    delimit_ = false;
}

} // namespace

QString writeRtf(const QTextDocument &document)
{
    return Writer(document).run();
}

} // namespace klangtruhe
