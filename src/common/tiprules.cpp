#include "common/tiprules.h"

#include "common/ansitext.h"

#include <QFile>
#include <QFileInfo>

namespace klangtruhe {

namespace {

// The tips file is read whole but never beyond this; a wrong file chosen as
// tips (a film, a disk image) must not fill the memory.
constexpr qint64 MaxTipsFileBytes = 4 * 1024 * 1024;

// Every line is a tip, empty lines in between included; a final line break
// does not make an extra empty tip.
QStringList tipLines(const QString &text)
{
    QStringList lines = splitListLines(text);
    for (QString &line : lines) {
        // Control characters of a binary file would show as boxes.
        for (QChar &c : line)
            if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
                c = QLatin1Char(' ');
        if (line.size() > MaxTipLength)
            line.truncate(MaxTipLength);
    }
    return lines;
}

} // namespace

bool TipList::LoadTips(const QString &file)
{
    m_tips.clear();
    m_current = 0;
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return false;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    setTips(tipLines(decodeListFile(in.read(MaxTipsFileBytes))));
    return true;
}

void TipList::setTips(const QStringList &tips)
{
    m_tips = tips;
    m_current = 0;
    DoNextTip();
}

void TipList::DoNextTip()
{
    ++m_current;
    if (m_current > count())
        m_current = 1;
}

QString TipList::currentTip() const
{
    return hasTip() ? m_tips.at(m_current - 1) : QString();
}

QString missingTipsMessage(const QString &fileName)
{
    return QStringLiteral("Die Datei ") + fileName + QStringLiteral(" wurde nicht gefunden? ") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Textdatei mit dem Namen ") + fileName +
           QStringLiteral(" unter Verwendung von NotePad mit 1 Tip pro Zeile erstellen. ") +
           QStringLiteral("Dann im selben Verzeichnis wie die Anwendung ablegen. ");
}

} // namespace klangtruhe
