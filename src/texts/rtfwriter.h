#pragma once

#include <QString>

class QTextDocument;

namespace klangtruhe {

// Writes the document as RichEdit (WordPad) writes RTF: Windows-1252 header,
// font and colour tables, one \pard per change of paragraph properties,
// bullets and numbers in RichEdit's \pn form, characters of Windows-1252
// above 127 as \'xx (ä as \'e4) and all others as \uN? with \uc1, CR LF
// after each paragraph. The search of the program matches its patterns
// against exactly this source, so the conventions must not drift.
QString writeRtf(const QTextDocument &document);

} // namespace klangtruhe
