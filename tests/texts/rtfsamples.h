#pragma once

#include <QString>

// RTF written by hand the way RichEdit and WordPad write it.
namespace klangtruhe::test {

// A song list: umlauts, colours, fonts, sizes, bullets, alignment, indents.
inline QString songListRtf()
{
    return QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Segoe UI;}"
        "{\\f1\\fnil\\fcharset2 Symbol;}{\\f2\\fswiss\\fcharset0 Arial{\\*\\falt Helvetica};}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;\\red255\\green255\\blue0;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        "\\pard\\qc\\sa120\\lang1031\\f0\\fs28\\b\\cf2 Die \\'c4rzte\\b0\\cf0  - Ger\\'e4usch\\par\r\n"
        "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720\\fs20 "
        "M\\'fcller \\i Stra\\'dfe\\i0\\par\r\n"
        "{\\pntext\\f1\\'B7\\tab}\\ul Unkaputtbar\\ulnone  \\strike alt\\strike0\\par\r\n"
        "\\pard\\li300\\ri200\\qr\\f2\\fs16 H\\sub 2\\nosupersub O und E=mc\\super 2\\nosupersub\\par\r\n"
        "\\pard\\qj\\f0 Preis 10\\u8364? und \\uc2\\u8364?? und \\uc1\\highlight3\\u-223?\\highlight0  "
        "und \\u-10188?\\u-8930?\\tab Ende\\line neue Zeile\\par\r\n"
        "\\pard\\sb240\\sl276\\slmult1\\cf1\\up6 hoch\\up0  \\dn4 tief\\dn0\\cf0  \\{x\\} a\\\\b\\~c\\-d\\_e\\par\r\n"
        "}\r\n");
}

// WordPad's numbered list as Word writes it: \ls with the list tables.
inline QString numberedListRtf()
{
    return QStringLiteral(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Calibri;}}"
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext\\'02\\'00.;}"
        "{\\levelnumbers\\'01;}}{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01);}{\\levelnumbers\\'01;}}\\listid42}"
        "{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}}\\listid7}}"
        "{\\*\\listoverridetable{\\listoverride\\listid42\\listoverridecount0\\ls1}"
        "{\\listoverride\\listid7\\listoverridecount0\\ls2}}"
        "\\pard{\\listtext 1.\\tab}\\ls1\\ilvl0\\fi-360\\li720 eins\\par"
        "{\\listtext a)\\tab}\\ls1\\ilvl1\\li1440 unter\\par"
        "\\pard{\\listtext\\'b7\\tab}\\ls2\\li720 Punkt\\par"
        "\\pard{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pnucrm{\\pntxta )}}\\li360 r\\'f6misch\\par"
        "\\pard normal\\par}");
}

} // namespace klangtruhe::test
