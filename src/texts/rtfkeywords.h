#pragma once

#include <string_view>

// The RTF control words the reader acts on.
namespace klangtruhe::rtf {

enum class Keyword {
    Unknown,
    // document
    Rtf, Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, UnicodeSkip, Unicode, Binary,
    // destinations
    SkipDestination, FontTable, ColorTable, Pn, PnTextAfter, PnTextBefore, FieldInstruction,
    FieldResult, ListTable, ListOverrideTable, List, ListLevel, ListOverride,
    // font and colour tables
    Font, FontCharset, Red, Green, Blue,
    // characters
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, FontSize, Foreground, Background,
    Super, Sub, NoSuperSub, Up, Down, Hidden,
    // paragraphs
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent, FirstIndent,
    SpaceBefore, SpaceAfter, LineSpacing, LineSpacingMultiple, TabStop, TabRight, TabCenter,
    TabDecimal, ListOverrideIndex, ListLevelIndex,
    // paragraph numbering
    PnBullet, PnBody, PnContinue, PnLevel, PnDecimal, PnUpperLetter, PnLowerLetter,
    PnUpperRoman, PnLowerRoman, PnStart, LevelNumberFormat, ListId,
    // text
    Paragraph, LineBreak, Tab, Cell, Character,
};

struct KeywordEntry
{
    std::string_view name;
    Keyword keyword;
    char16_t character; // for Keyword::Character
};

// The entry of a control word, or one with Keyword::Unknown.
KeywordEntry findKeyword(std::string_view name);

} // namespace klangtruhe::rtf
