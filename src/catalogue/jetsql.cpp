#include "catalogue/jetsql.h"

#include "catalogue/jetfunctions.h"

#include <vector>

namespace klangtruhe {

namespace {

struct Token {
    enum class Kind { Space, Word, Literal, Other };
    Kind kind;
    QString text;
};

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

// Reads up to and including the closing `quote`; a doubled quote stays inside.
int skipQuoted(const QString &sql, int i, QChar quote)
{
    for (++i; i < sql.size(); ++i) {
        if (sql[i] != quote)
            continue;
        if (i + 1 < sql.size() && sql[i + 1] == quote)
            ++i;
        else
            return i + 1;
    }
    return i;
}

std::vector<Token> tokenize(const QString &sql)
{
    std::vector<Token> tokens;
    int i = 0;
    while (i < sql.size()) {
        const int start = i;
        const QChar c = sql[i];
        Token::Kind kind = Token::Kind::Other;
        if (c.isSpace()) {
            kind = Token::Kind::Space;
            while (i < sql.size() && sql[i].isSpace())
                ++i;
        } else if (isWordChar(c)) {
            kind = Token::Kind::Word;
            while (i < sql.size() && isWordChar(sql[i]))
                ++i;
        } else if (c == u'\'' || c == u'"') {
            kind = Token::Kind::Literal;
            i = skipQuoted(sql, i, c);
        } else if (c == u'[' || c == u'`') {
            // A quoted name: nothing inside it is a keyword or a literal.
            const int close = sql.indexOf(c == u'[' ? u']' : u'`', i + 1);
            i = close < 0 ? sql.size() : close + 1;
        } else {
            ++i;
        }
        tokens.push_back({kind, sql.mid(start, i - start)});
    }
    return tokens;
}

bool isWord(const Token &token, QLatin1String word)
{
    return token.kind == Token::Kind::Word && token.text.compare(word, Qt::CaseInsensitive) == 0;
}

// Jet writes text literals in double quotes too; SQLite would read them as
// column names first.
QString singleQuoted(const QString &literal)
{
    if (!literal.startsWith(u'"') || literal.size() < 2 || !literal.endsWith(u'"'))
        return literal;
    QString body = literal.mid(1, literal.size() - 2);
    body.replace(QLatin1String("\"\""), QLatin1String("\""));
    body.replace(QLatin1String("'"), QLatin1String("''"));
    return u'\'' + body + u'\'';
}

int nextSignificant(const std::vector<Token> &tokens, std::size_t from)
{
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Kind::Space)
            return static_cast<int>(i);
    }
    return -1;
}

// One ORDER BY term spans tokens [first, last): the collation goes after the
// expression, before a closing ASC or DESC.
void collateTerm(const std::vector<Token> &tokens, std::size_t first, std::size_t last,
                 std::vector<QString> &appendAfter)
{
    std::vector<std::size_t> significant;
    for (std::size_t i = first; i < last; ++i) {
        if (tokens[i].kind == Token::Kind::Space)
            continue;
        if (isWord(tokens[i], QLatin1String("collate")))
            return; // the statement chose its own collation
        significant.push_back(i);
    }
    if (significant.empty())
        return;
    std::size_t target = significant.back();
    const bool direction = isWord(tokens[target], QLatin1String("asc")) || isWord(tokens[target], QLatin1String("desc"));
    if (direction) {
        if (significant.size() < 2)
            return;
        target = significant[significant.size() - 2];
    }
    appendAfter[target] += QLatin1String(" COLLATE ") + QLatin1String(germanCollationName);
    if (direction && tokens[target + 1].kind != Token::Kind::Space)
        appendAfter[target] += u' ';
}

} // namespace

QString jetToSqlite(const QString &jetStatement)
{
    const std::vector<Token> tokens = tokenize(jetStatement);
    std::vector<QString> appendAfter(tokens.size());

    // Open ORDER BY clauses (a subquery may hold its own), each with the
    // bracket depth it sits at and where its current term began.
    struct OrderBy {
        int depth;
        std::size_t termStart;
    };
    std::vector<OrderBy> open;
    int depth = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens[i];
        if (isWord(token, QLatin1String("order"))) {
            const int by = nextSignificant(tokens, i + 1);
            if (by >= 0 && isWord(tokens[static_cast<std::size_t>(by)], QLatin1String("by"))) {
                open.push_back({depth, static_cast<std::size_t>(by) + 1});
                i = static_cast<std::size_t>(by);
            }
            continue;
        }
        if (token.text == QLatin1String("(")) {
            ++depth;
        } else if (token.text == QLatin1String(")")) {
            --depth;
            while (!open.empty() && depth < open.back().depth) {
                collateTerm(tokens, open.back().termStart, i, appendAfter);
                open.pop_back();
            }
        } else if (!open.empty() && depth == open.back().depth) {
            if (token.text == QLatin1String(",")) {
                collateTerm(tokens, open.back().termStart, i, appendAfter);
                open.back().termStart = i + 1;
            } else if (token.text == QLatin1String(";") || isWord(token, QLatin1String("limit"))
                       || isWord(token, QLatin1String("offset"))) {
                collateTerm(tokens, open.back().termStart, i, appendAfter);
                open.pop_back();
            }
        }
    }
    while (!open.empty()) {
        collateTerm(tokens, open.back().termStart, tokens.size(), appendAfter);
        open.pop_back();
    }

    QString sqlite;
    sqlite.reserve(jetStatement.size() + 32);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        sqlite += tokens[i].kind == Token::Kind::Literal ? singleQuoted(tokens[i].text) : tokens[i].text;
        sqlite += appendAfter[i];
    }
    return sqlite;
}

} // namespace klangtruhe
