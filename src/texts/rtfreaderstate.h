#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QTextFormat>
#include <QTextOption>

#include <algorithm>
#include <cstdint>

// What the RTF reader keeps per group: character and paragraph properties
// and the destination its text goes to.
namespace klangtruhe::rtf {

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

inline int clampInt(std::int64_t value, int low, int high)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

inline QTextListFormat::Style styleOfNumberFormat(int nfc)
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

} // namespace klangtruhe::rtf
