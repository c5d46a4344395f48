#include "media/ebookrules.h"

#include "catalogue/pathparts.h"

namespace klangtruhe {

QString eBookFolder(const QString &databaseFolder)
{
    return databaseFolder.isEmpty() ? QString() : databaseFolder + QStringLiteral("eBook");
}

QString eBookCaption(int count)
{
    return QStringLiteral("eBook u. Multimedia (%1)").arg(count);
}

QString noAssociatedProgramText(const QString &file)
{
    return QStringLiteral("Keine assoziierte Anwendung zu diesem Dateityp ermittelt.\r\n\r\n") + FileNamePart(file);
}

} // namespace klangtruhe

namespace klangtruhe {

EbookCall eBookCall(const QString &associated, const QString &file,
                    const std::function<QString(const QString &)> &shortPath)
{
    // The program's path keeps its case: only Windows would accept it in capitals.
    return inShortForm(programBeforeNul(associated), file, shortPath);
}

} // namespace klangtruhe
