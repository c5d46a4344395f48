#include "webtranslate/deeplrules.h"

#include <QStringList>

namespace klangtruhe {

namespace {

const char *const kHost = "https://www.deepl.com";

} // namespace

QString deeplAddress(DeeplPage page)
{
    return QString::fromLatin1(kHost)
           + (page == DeeplPage::Translation ? QStringLiteral("/translate/") : QStringLiteral("/write/"));
}

QString deeplSourceBox(const QString &lastFocusedControl)
{
    static const QStringList boxes = {QStringLiteral("TextSongs"), QStringLiteral("rtfInfo"),
                                      QStringLiteral("rtfSonstiges")};
    return boxes.contains(lastFocusedControl) ? lastFocusedControl : QString();
}

QString deeplText(const QString &selectedText, const QString &wholeText)
{
    return selectedText.isEmpty() ? wholeText : selectedText;
}

} // namespace klangtruhe
