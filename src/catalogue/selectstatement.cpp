#include "catalogue/selectstatement.h"

#include <QRegularExpression>

namespace klangtruhe {

namespace {

// Position of a keyword at parenthesis depth 0 outside string literals, or -1.
int findTopLevelKeyword(const QString &text, const QString &keyword, int from)
{
    int depth = 0;
    QChar quote;
    for (int i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            quote = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            continue;
        }
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (depth == 0 && text.mid(i, keyword.size()).compare(keyword, Qt::CaseInsensitive) == 0) {
            const bool startOk = i == 0 || !text.at(i - 1).isLetterOrNumber();
            const int end = i + static_cast<int>(keyword.size());
            const bool endOk = end >= text.size() || !text.at(end).isLetterOrNumber();
            if (startOk && endOk)
                return i;
        }
    }
    return -1;
}

bool isPlainIdentifier(const QString &text)
{
    static const QRegularExpression identifier(QStringLiteral("^\\[?[A-Za-z_\\x{00C0}-\\x{024F}][\\w\\x{00C0}-\\x{024F}]*\\]?$"));
    return identifier.match(text).hasMatch();
}

QString unbracket(QString name)
{
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    return name;
}

} // namespace

std::optional<SimpleSelect> parseSimpleSelect(const QString &statement)
{
    const QString text = statement.trimmed();
    if (!text.startsWith(QLatin1String("select"), Qt::CaseInsensitive) || text.size() < 7
        || text.at(6).isLetterOrNumber())
        return std::nullopt;
    const int fromAt = findTopLevelKeyword(text, QStringLiteral("from"), 6);
    if (fromAt < 0)
        return std::nullopt;

    SimpleSelect result;
    const QString list = text.mid(6, fromAt - 6).trimmed();
    if (list != QLatin1String("*")) {
        for (const QString &part : list.split(QLatin1Char(','))) {
            const QString column = part.trimmed();
            if (!isPlainIdentifier(column) || column.compare(QLatin1String("distinct"), Qt::CaseInsensitive) == 0
                || column.compare(QLatin1String("top"), Qt::CaseInsensitive) == 0)
                return std::nullopt;
            result.columns << unbracket(column);
        }
    }

    const QString afterFrom = text.mid(fromAt + 4).trimmed();
    int tableEnd = 0;
    while (tableEnd < afterFrom.size() && !afterFrom.at(tableEnd).isSpace() && afterFrom.at(tableEnd) != QLatin1Char(';'))
        ++tableEnd;
    result.table = unbracket(afterFrom.left(tableEnd));
    if (!isPlainIdentifier(result.table))
        return std::nullopt;
    result.rest = afterFrom.mid(tableEnd).trimmed();
    while (result.rest.endsWith(QLatin1Char(';')))
        result.rest.chop(1);

    // Only "where" and "order by" may follow; anything else is loaded eagerly.
    if (!result.rest.isEmpty()) {
        const bool where = result.rest.startsWith(QLatin1String("where"), Qt::CaseInsensitive);
        const bool order = result.rest.startsWith(QLatin1String("order"), Qt::CaseInsensitive);
        if (!where && !order)
            return std::nullopt;
        for (const char *word : {"group", "union", "having", "join", "limit"}) {
            if (findTopLevelKeyword(result.rest, QString::fromLatin1(word), 0) >= 0)
                return std::nullopt;
        }
    }
    return result;
}

} // namespace klangtruhe
