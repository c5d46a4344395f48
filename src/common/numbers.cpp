#include "common/numbers.h"

#include <QLocale>
#include <cmath>

namespace klangtruhe {

double leadingNumber(const QString &text)
{
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && text.at(i).isSpace())
        ++i;
    const int start = i;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    const int mantissaEnd = i;
    int end = i;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
            ++j;
        int expDigits = 0;
        while (j < n && text.at(j).isDigit() && text.at(j).unicode() < 128 && expDigits < 4) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    bool ok = false;
    double value = text.mid(start, end - start).toDouble(&ok);
    if (!ok || !std::isfinite(value)) // an exponent too large for a number is not taken
        value = text.mid(start, mantissaEnd - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

long long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<long long>(std::nearbyint(value)); // default rounding mode: to nearest even
}

bool parseStoredNumber(const QString &text, double &value)
{
    bool ok = false;
    double parsed = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        parsed = QLocale::system().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(parsed))
        value = parsed;
    return ok && std::isfinite(parsed);
}

} // namespace klangtruhe
