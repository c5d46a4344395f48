#include "catalogue/columndialogrules.h"

#include "catalogue/catalogueschema.h"
#include "catalogue/columnlayout.h"

namespace klangtruhe {

ColumnLists listsFromLayoutTexts(const QStringList &layoutTexts)
{
    ColumnLists lists;
    for (const QString &text : layoutTexts) {
        switch (layoutFlag(text)) {
        case LayoutFlag::Shown: lists.visible << text.chopped(1); break;
        case LayoutFlag::Hidden: lists.hidden << text.chopped(1); break;
        case LayoutFlag::None: lists.visible << text; break;
        }
    }
    return lists;
}

QStringList layoutTextsFromLists(const ColumnLists &lists)
{
    QStringList texts;
    for (const QString &field : lists.visible)
        texts << field + QLatin1Char('1');
    for (const QString &field : lists.hidden)
        texts << field + QLatin1Char('0');
    return texts;
}

ColumnLists defaultColumnPreset()
{
    return {{QStringLiteral("Band"), QStringLiteral("LPTitel"), QStringLiteral("Medium"), QStringLiteral("Stil"),
             QStringLiteral("Bewertung"), QStringLiteral("Datum"), QStringLiteral("Plattenfirma"),
             QStringLiteral("BestellNr"), QStringLiteral("Preis")},
            {QStringLiteral("BildPfad"), QStringLiteral("eBook"), QStringLiteral("Info"), QStringLiteral("Musikpfad"),
             QStringLiteral("Songs"), QStringLiteral("SongText"), QStringLiteral("InternetTab"),
             QStringLiteral("InfoTab"), QStringLiteral("SonstigesTab")}};
}

ColumnLists standardColumnPreset()
{
    return {catalogueFieldNames(), {}};
}

int moveListItem(QStringList &items, int row, int direction)
{
    const int target = row + direction;
    if (row < 0 || row >= items.size() || target < 0 || target >= items.size())
        return row;
    items.move(row, target);
    return target;
}

} // namespace klangtruhe
