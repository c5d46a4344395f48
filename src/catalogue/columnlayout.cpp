#include "catalogue/columnlayout.h"

#include "app/settingsstore.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/jetfunctions.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>

namespace klangtruhe {

LayoutFlag layoutFlag(const QString &layoutText)
{
    if (layoutText.endsWith(QLatin1Char('1')))
        return LayoutFlag::Shown;
    if (layoutText.endsWith(QLatin1Char('0')))
        return LayoutFlag::Hidden;
    return LayoutFlag::None;
}

QString layoutFieldName(const QString &layoutText)
{
    return layoutFlag(layoutText) == LayoutFlag::None ? layoutText : layoutText.chopped(1);
}

QStringList defaultLayoutTexts()
{
    QStringList texts;
    for (const QString &field : catalogueFieldNames())
        texts << field + QLatin1Char('1');
    return texts;
}

QStringList readLayoutTexts(SettingsStore &settings)
{
    const QStringList defaults = defaultLayoutTexts();
    QStringList texts;
    for (int i = 0; i < kFieldCount; ++i)
        texts << settings.read(keys::TabelleAnordnenCaption, i, defaults.at(i));
    return texts;
}

QStringList readColumnWidths(SettingsStore &settings)
{
    QStringList widths;
    for (int i = 0; i < kFieldCount; ++i)
        widths << settings.read(keys::Spaltenbreite, i);
    return widths;
}

int shownColumnWidth(const QString &storedWidth, int currentWidth)
{
    double value = 0;
    long long width = currentWidth;
    if (parseStoredNumber(storedWidth, value) && std::isfinite(value))
        width = roundHalfEven(std::clamp(value, -1.0, 1.0e7));
    // A shown column that reads back as 0 (or less) is made visible again.
    return width <= 0 ? 1000 : static_cast<int>(width);
}

QStringList applyLayoutWidths(const QStringList &layoutTexts, const QStringList &storedWidths,
                              std::vector<int> &widths)
{
    QStringList columnLayout;
    for (int i = 0; i < layoutTexts.size(); ++i) {
        const QString &text = layoutTexts.at(i);
        const LayoutFlag flag = layoutFlag(text);
        columnLayout << layoutFieldName(text);
        if (i >= static_cast<int>(widths.size()) || flag == LayoutFlag::None)
            continue;
        widths[static_cast<size_t>(i)] = flag == LayoutFlag::Shown
            ? shownColumnWidth(storedWidths.value(i), widths[static_cast<size_t>(i)]) : 0;
    }
    return columnLayout;
}

std::vector<std::pair<int, int>> arrangeColumns(QStringList &headers, const QStringList &columnLayout,
                                                const QStringList &layoutTexts, std::vector<int> &widths)
{
    std::vector<std::pair<int, int>> moves;
    const int columns = static_cast<int>(headers.size());
    for (int i = 0; i < columns && i < columnLayout.size(); ++i) {
        for (int j = i; j < columns; ++j) {
            if (headers.at(j) == columnLayout.at(i)) {
                if (j != i) {
                    headers.move(j, i);
                    moves.emplace_back(j, i);
                }
                break;
            }
        }
    }
    // Widths belong to positions: moving a column does not take its width along.
    for (int i = 0; i < layoutTexts.size() && i < static_cast<int>(widths.size()); ++i) {
        if (layoutFlag(layoutTexts.at(i)) == LayoutFlag::Hidden)
            widths[static_cast<size_t>(i)] = 0;
    }
    return moves;
}

QString letterButtonCaption(int index)
{
    if (index >= 0 && index < 26)
        return QString(QChar(u'A' + index));
    if (index >= 26 && index < 32)
        return QString::number(index - 25);
    return QString();
}

namespace {

// What a filter or a sort looks at: rich text by its visible text, so a
// track list is found and ordered by its first title, not by "{\rtf1".
QString shownValueOf(const QString &field)
{
    return isRichTextField(field) ? QLatin1String(plainTextFunctionName) + u'(' + field + u')' : field;
}

} // namespace

QString letterFilterStatement(int index, const QString &field)
{
    const QString column = shownValueOf(field);
    const QString head = QStringLiteral("select * from Schallplatten where ");
    const QString tail = QStringLiteral(" order by Band, LPTitel");
    if (index >= 26 && index < 32)
        return head + QStringLiteral("Bewertung like '%1'").arg(index - 25) + tail;
    if (index < 0 || index >= 26)
        return QString();
    const QString letter = letterButtonCaption(index).toLower();
    QString second;
    switch (index) {
    case 0: second = QStringLiteral("ä"); break;
    case 14: second = QStringLiteral("ö"); break;
    case 18: second = QStringLiteral("ß"); break;
    case 20: second = QStringLiteral("ü"); break;
    default: break;
    }
    QString where = column + QStringLiteral(" like '") + letter + QStringLiteral("*'");
    if (!second.isEmpty())
        where += QStringLiteral(" or ") + column + QStringLiteral(" like '") + second + QStringLiteral("*'");
    return head + where + tail;
}

bool startsWithLetter(const QString &cellText, QChar upperLetter)
{
    // One character upper-cased on its own: "ß" stays "ß", "ä" becomes "Ä", neither is a letter A-Z.
    return !cellText.isEmpty() && cellText.at(0).toUpper() == upperLetter;
}

bool mayBecomeTopRow(int gridRow, int gridRows)
{
    return gridRow > 0 && gridRow != gridRows - 1;
}

SortStep headerSortStatement(const QString &field, bool lastSortAscending, const QString &currentStatement)
{
    const bool ascending = !lastSortAscending;
    if (field.isEmpty())
        return {currentStatement, ascending};
    return {QStringLiteral("select * from Schallplatten order by ") + shownValueOf(field)
                + (ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC")),
            ascending};
}

QStringList letterColumnFields()
{
    return {QStringLiteral("Band"),     QStringLiteral("LPTitel"),   QStringLiteral("Medium"),
            QStringLiteral("Stil"),     QStringLiteral("Info"),      QStringLiteral("Datum"),
            QStringLiteral("Preis"),    QStringLiteral("Plattenfirma"), QStringLiteral("BestellNr"),
            QStringLiteral("Songs"),    QStringLiteral("BildPfad"),  QStringLiteral("Musikpfad"),
            QStringLiteral("SongText"), QStringLiteral("eBook"),     QStringLiteral("Bewertung")};
}

} // namespace klangtruhe

namespace klangtruhe {

SelectionColours gridSelectionColours(const QPalette &system, bool inCell)
{
    if (inCell)
        return {system.color(QPalette::Active, QPalette::Highlight), system.color(QPalette::Active, QPalette::HighlightedText)};
    return {system.color(QPalette::Active, QPalette::HighlightedText), system.color(QPalette::Active, QPalette::WindowText)};
}

} // namespace klangtruhe
