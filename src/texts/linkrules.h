#pragma once

#include <QString>
#include <optional>

namespace klangtruhe {

// What a marked text is taken for when it is executed as a link.
enum class LinkKind {
    WebAddress,  // contains "www", "http" or "https"
    FilePath,    // "C:..." - a path with a drive letter
    MailAddress, // contains "@"
    Word,        // anything else: offered as "www." + the text
};

// The text must already be trimmed of blanks.
LinkKind classifyLinkText(const QString &text);

// The question asked before a web, mail or word link is opened.
struct LinkQuestion {
    QString prompt;
    QString defaultText;
    QString openPrefix; // put before the answer when it is opened ("mailto:")
};
inline constexpr const char *kLinkQuestionTitle = "Linkausführung";

// No question for FilePath.
std::optional<LinkQuestion> linkQuestion(LinkKind kind, const QString &text);

// What the "Dateipfad" message says about a missing file.
QString missingFileMessage(const QString &text);

// The shop search of the clickable labels: band (label 0), band and title
// (label 1) or the order number (label 8); nothing for other labels.
std::optional<QString> onlineSearchQuery(int labelIndex, const QString &band, const QString &title,
                                         const QString &orderNumber);
// Blanks become "+", the lower-case umlauts and "ß" are spelled out.
QString shopQueryText(const QString &query);
// The shop's search page for an already spelled-out query.
QString shopSearchAddress(const QString &host, const QString &query);
inline constexpr const char *kShopHost = "https://www.amazon.de";

} // namespace klangtruhe
