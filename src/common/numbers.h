#pragma once

#include <QString>

namespace klangtruhe {

// The lenient conversion of texts to numbers used for settings and answers:
// the leading number of the text (blanks before it skipped, "." as decimal
// point, an optional exponent), 0 when the text does not begin with one.
// "12abc" -> 12, " 1.5 s" -> 1.5, "x" -> 0, "" -> 0.
double leadingNumber(const QString &text);

// Rounds half to even, as the settings' whole numbers are rounded.
long long roundHalfEven(double value);

// A stored number (geometry, widths): the C locale first, then the user's.
bool parseStoredNumber(const QString &text, double &value);

} // namespace klangtruhe
