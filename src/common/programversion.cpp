#include "common/programversion.h"

#include <QStringList>

namespace klangtruhe {

QString programVersionText(const QString &packageVersion)
{
    const QStringList parts = packageVersion.trimmed().split(QLatin1Char('.'));
    QStringList numbers;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int number = i < parts.size() ? parts.at(i).trimmed().toInt(&ok) : 0;
        numbers << QString::number(ok ? number : 0);
    }
    return numbers.join(QLatin1Char('.'));
}

QString programVersionText()
{
    return programVersionText(QStringLiteral(KLANGTRUHE_VERSION));
}

} // namespace klangtruhe
