#pragma once

#include <QString>

class QTextDocument;

namespace klangtruhe {

// Reads RTF as RichEdit (RichTextBox, WordPad) writes it into the document,
// replacing its content: fonts, sizes, colours, bold/italic/underline/strike,
// sub- and superscript, paragraph alignment, indents, spacing and tab stops,
// bullets and numbered lists (\pn and \ls forms), hyperlink fields, \'xx in the
// code page of the document or the font, \uN with \ucN.
//
// Returns false, and leaves the document empty, when the text is no RTF
// (it must open with "{\rtf"), when groups nest deeper than RichEdit would ever
// write, or when text follows the end of the outermost group; the caller then
// shows the raw text as it is. Missing closing braces at the end are
// tolerated as RichEdit does: what was read so far is the document.
//
// Any input returns in time linear in its length.
bool readRtf(const QString &rtf, QTextDocument &document);

} // namespace klangtruhe
