#pragma once

#include <QString>

namespace klangtruhe {

enum class DeeplPage { Translation, Write };

// The service's page in the browser: the translation or the writing page.
QString deeplAddress(DeeplPage page);

// The text box whose text goes onto the clipboard when `lastFocusedControl`
// had the focus last: the song list and the pages "Info" and "Sonstiges";
// "" for every other field (the clipboard then gets an empty text).
QString deeplSourceBox(const QString &lastFocusedControl);

// The marked part of a box's text, or all of it when nothing is marked.
QString deeplText(const QString &selectedText, const QString &wholeText);

} // namespace klangtruhe
