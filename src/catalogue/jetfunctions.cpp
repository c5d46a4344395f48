#include "catalogue/jetfunctions.h"
#include "catalogue/jetutf8.h"
#include "catalogue/recordtablemodel.h"
#include "texts/rtfcodec.h"

#include <memory>
#include <sqlite3.h>

namespace klangtruhe {

namespace {

std::string_view textOf(sqlite3_value *value)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

void deletePattern(void *pattern) { delete static_cast<JetLikePattern *>(pattern); }

// like(pattern, text [, escape]) as SQLite calls it for "text LIKE pattern".
// The prepared pattern is kept as the statement's auxiliary data, so a
// constant pattern is parsed once per statement, not once per row.
void jetLike(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    char32_t escape = 0;
    if (argc == 3) {
        if (sqlite3_value_type(argv[2]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
        const std::string_view escapeText = textOf(argv[2]);
        const auto *p = reinterpret_cast<const unsigned char *>(escapeText.data());
        const auto *end = p + escapeText.size();
        if (p != end)
            escape = jetutf8::decode(p, end);
        if (escapeText.empty() || p != end) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const std::string_view patternText = textOf(argv[0]);
    const std::string_view text = textOf(argv[1]);

    const auto *cached = static_cast<const JetLikePattern *>(sqlite3_get_auxdata(context, 0));
    if (cached && cached->escape() == escape && cached->source() == patternText) {
        sqlite3_result_int(context, cached->matches(text) ? 1 : 0);
        return;
    }
    auto fresh = std::make_unique<JetLikePattern>(patternText, escape);
    sqlite3_result_int(context, fresh->matches(text) ? 1 : 0);
    // SQLite may free the pattern right away, so it is handed over last.
    sqlite3_set_auxdata(context, 0, fresh.release(), deletePattern);
}

void plainText(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    const std::string_view text = textOf(argv[0]);
    if (!looksLikeRtfUtf8(text)) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    const QString field = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QByteArray line = cellDisplayText(field).toUtf8();
    sqlite3_result_text(context, line.constData(), static_cast<int>(line.size()), SQLITE_TRANSIENT);
}

int germanCollation(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    return compareGerman(std::string_view(static_cast<const char *>(a), static_cast<std::size_t>(lengthA)),
                         std::string_view(static_cast<const char *>(b), static_cast<std::size_t>(lengthB)));
}

} // namespace

bool registerJetFunctions(sqlite3 *db)
{
    if (!db)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    bool ok = sqlite3_create_function_v2(db, "like", 2, flags, nullptr, jetLike, nullptr, nullptr, nullptr)
        == SQLITE_OK;
    ok = sqlite3_create_function_v2(db, "like", 3, flags, nullptr, jetLike, nullptr, nullptr, nullptr) == SQLITE_OK
        && ok;
    ok = sqlite3_create_function_v2(db, plainTextFunctionName, 1, flags, nullptr, plainText, nullptr, nullptr, nullptr)
            == SQLITE_OK
        && ok;
    ok = sqlite3_create_collation_v2(db, germanCollationName, SQLITE_UTF8, nullptr, germanCollation, nullptr)
            == SQLITE_OK
        && ok;
    return ok;
}

} // namespace klangtruhe
