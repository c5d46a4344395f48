#pragma once

#include <QByteArray>
#include <QFontMetricsF>
#include <QHash>
#include <array>

namespace klangtruhe {

// A cheap width of one line of text in pixels: the sum of the characters'
// advances, each asked of the font once and then remembered. Kerning is left
// out, which errs by a pixel or two on a column; measuring a hundred thousand
// cells with QFontMetrics itself would take many seconds. Text is read as the
// grid shows it: at most `maxChars` characters, line breaks and tabs as blanks.
class TextWidthMeter {
public:
    TextWidthMeter(const QFont &font, int maxChars);

    // Width of UTF-8 text; stops counting once `limit` pixels are reached.
    double width(const QByteArray &utf8, double limit) const;
    double width(const QString &text, double limit) const;

private:
    double advance(char32_t codePoint) const;

    QFontMetricsF m_metrics;
    int m_maxChars;
    std::array<double, 128> m_ascii{};
    mutable QHash<char32_t, double> m_other;
};

} // namespace klangtruhe
