#pragma once

#include <QRegularExpression>
#include <QString>

namespace klangtruhe::test {

// Whether a message the user sees carries words of a system error text
// (SQLite's or the C library's English) instead of German alone.
inline bool soundsEnglish(const QString &message)
{
    static const QRegularExpression english(
        QStringLiteral("\\b(file|database|disk|error|unable|denied|permission|malformed|no such|is not|"
                       "readonly|attempt|space|device|unknown|failed|image|open)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    // Names of files are quoted in the messages; only the words around them count.
    QString words = message;
    words.remove(QRegularExpression(QStringLiteral("'[^']*'|\"[^\"]*\"|\\S*[/\\\\]\\S*")));
    return english.match(words).hasMatch();
}

} // namespace klangtruhe::test
