#include "common/msglumorules.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace klangtruhe::msglumo {

namespace {
const ButtonSpec kButtons[ButtonCount] = {
    {"&OK", "Ok", 3150, 1290},
    {"&Ja", "Ja", 1725, 1290},
    {"&Nein", "Nein", 3150, 1290},
    {"E&xit", "Exit", 4575, 1290},
    {"&Ignorieren", "Ignorieren", 1275, 1515},
    {"&Wiederholen", "Wiederholen", 2925, 1515},
    {"B&eenden", "Beenden", 4575, 1290},
};
} // namespace

const ButtonSpec &button(int index)
{
    return kButtons[index];
}

Kind splitKind(int kind)
{
    for (int set = 6; set >= 1; --set) {
        if (kind >= set * 10)
            return {set, kind - set * 10};
    }
    return {0, kind};
}

QVector<int> buttonsOfSet(int buttonSet)
{
    switch (buttonSet) {
    case 1: return {0, 3};
    case 2: return {1, 2};
    case 3: return {1, 2, 3};
    case 4: return {5, 3};
    case 5: return {4, 5, 3};
    case 6: return {0, 6};
    default: return {0};
    }
}

QString soundFileForIcon(int icon)
{
    switch (icon) {
    case 0:
    case 1: return QStringLiteral("Infozeichen.wav");
    case 2: return QStringLiteral("Fragezeichen.wav");
    case 3: return QStringLiteral("Ausrufezeichen.wav");
    case 4: return QStringLiteral("Stoppzeichen.wav");
    default: return QString();
    }
}

Layout layoutForLines(int displayLines)
{
    Layout layout;
    layout.textHeight = std::clamp(displayLines * LineHeight, TextMinHeight, TextMaxHeight);
    if (layout.textHeight > TextMinHeight)
        layout.outerHeight = layout.textHeight + 1400;
    if (layout.textHeight > 2700) {
        layout.outerWidth = 7725;
        layout.textWidth = 6465;
        layout.barWidth = 7620;
    }
    return layout;
}

QString normaliseLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int countDisplayLines(const QString &text, const QFont &font, qreal widthPixels)
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setPlainText(normaliseLineBreaks(text));
    document.setTextWidth(widthPixels);
    document.documentLayout()->documentSize(); // lays the whole text out
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines += block.layout() ? std::max(1, block.layout()->lineCount()) : 1;
    return lines;
}

} // namespace klangtruhe::msglumo
