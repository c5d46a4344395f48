#include "texts/linkrules.h"

namespace klangtruhe {

LinkKind classifyLinkText(const QString &text)
{
    // "https" contains "http"; both are listed because users think of both.
    if (text.contains(QLatin1String("www")) || text.contains(QLatin1String("http"))
        || text.contains(QLatin1String("https")))
        return LinkKind::WebAddress;
    if (text.size() >= 2 && text.at(1) == QLatin1Char(':'))
        return LinkKind::FilePath;
    if (text.contains(QLatin1Char('@')))
        return LinkKind::MailAddress;
    return LinkKind::Word;
}

std::optional<LinkQuestion> linkQuestion(LinkKind kind, const QString &text)
{
    switch (kind) {
    case LinkKind::WebAddress:
        return LinkQuestion{QStringLiteral("Diesen Link ausführen?"), text, QString()};
    case LinkKind::MailAddress:
        return LinkQuestion{QStringLiteral("Eine eMail an diese Adresse senden?"), text, QStringLiteral("mailto:")};
    case LinkKind::Word:
        return LinkQuestion{QStringLiteral("Diesen Text als Internet-Link ausführen?"), QStringLiteral("www.") + text,
                            QString()};
    case LinkKind::FilePath:
        break;
    }
    return std::nullopt;
}

QString missingFileMessage(const QString &text)
{
    return QStringLiteral("Datei nicht vorhanden oder Dateipfad ungültig!\r\n\r\n") + text;
}

std::optional<QString> onlineSearchQuery(int labelIndex, const QString &band, const QString &title,
                                         const QString &orderNumber)
{
    switch (labelIndex) {
    case 0: return band;
    case 1: return band + QLatin1Char('+') + title;
    case 8: return orderNumber;
    default: return std::nullopt;
    }
}

QString shopQueryText(const QString &query)
{
    QString text = query;
    text.replace(QLatin1Char(' '), QLatin1Char('+'));
    text.replace(QStringLiteral("ä"), QStringLiteral("ae"));
    text.replace(QStringLiteral("ö"), QStringLiteral("oe"));
    text.replace(QStringLiteral("ü"), QStringLiteral("ue"));
    text.replace(QStringLiteral("ß"), QStringLiteral("ss"));
    return text;
}

QString shopSearchAddress(const QString &host, const QString &query)
{
    return host + QStringLiteral("/s/ref=nb_ss_w?__mk_de_DE=%C5M%C5Z%D5%D1&url=search-alias%3Daps&field-keywords=")
        + query + QStringLiteral("&x=0&y=0");
}

} // namespace klangtruhe
