#pragma once

#include "texts/rtfcodepage.h"
#include "texts/rtfkeywords.h"
#include "texts/rtfreaderstate.h"

#include <QHash>
#include <QStringList>
#include <QTextCursor>

#include <QTextFormat>
#include <map>
#include <utility>
#include <vector>

class QTextDocument;
class QTextList;

namespace klangtruhe::rtf {

// One pass over RTF source into a document: tokens and groups
// (rtfreader.cpp), control words (rtfreaderkeywords.cpp), text and
// paragraphs into the document (rtfreaderdocument.cpp).
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
    // A list being read, by level and style: the format its items asked for
    // and the items it has so far.
    struct OpenList {
        QTextList *list = nullptr;
        QTextListFormat format;
        int items = 0;
    };
    std::map<std::pair<int, int>, OpenList> openLists_;
};

} // namespace klangtruhe::rtf
